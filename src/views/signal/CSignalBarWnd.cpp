#include "views/signal/CSignalBarWnd.h"

#include "views/signal/SignalBarPainter.h"

#include <QPainter>

CSignalBarWnd::CSignalBarWnd(const SignalBarModel& model, QWidget* parent)
    : QWidget(parent), model(model) {
    // Every paint covers the whole window.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSignalBarWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSignalBars(painter, rect(), model, palette(), logicalDpiY());
}
