#include "app/CView.h"

CView::CView(CDocument& document, int tickPeriodMs, QWidget* parent)
    : QWidget(parent), document(document) {
    timer.setInterval(tickPeriodMs);
    connect(&timer, &QTimer::timeout, this, [this] { Tick(); });
}

void CView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer.start();
}

void CView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer.stop();
}
