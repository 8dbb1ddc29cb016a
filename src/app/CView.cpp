#include "app/CView.h"

#include <QPainter>
#include <QPixmap>

CView::CView(CDocument& document, int tickPeriodMs, QWidget* parent)
    : QWidget(parent), document(document) {
    timer.setInterval(tickPeriodMs);
    connect(&timer, &QTimer::timeout, this, [this] { Tick(); });
    if (tickPeriodMs > 0) timer.start();
}

void CView::Print(QPainter& painter, const QRect& page) {
    const QPixmap shown = grab();
    if (shown.isNull()) return;
    const QSize fitted = shown.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), fitted), shown);
}
