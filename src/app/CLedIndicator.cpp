#include "app/CLedIndicator.h"

#include "app/LedStrip.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

namespace {

// Cells with magenta made transparent, cut once per cell.
QPixmap CellPixmap(LedStyle style, LedMode mode) {
    const LedCell cell = LedImageCell(style, mode);
    QPixmap pixmap =
        QPixmap::fromImage(LedStripImage().copy(cell.x, cell.y, kLedCellSize, kLedCellSize));
    pixmap.setMask(pixmap.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
    return pixmap;
}

} // namespace

CLedIndicator::CLedIndicator(LedStyle style, QWidget* parent) : QWidget(parent), style(style) {
    setMinimumSize(kLedCellSize, kLedCellSize);
}

void CLedIndicator::SetMode(LedMode newMode) {
    if (mode == newMode) return;
    mode = newMode;
    repaint();
}

void CLedIndicator::SetStyle(LedStyle newStyle) {
    style = newStyle;
    repaint();
}

void CLedIndicator::paintEvent(QPaintEvent*) {
    if (width() < kLedCellSize || height() < kLedCellSize) return;
    QPainter painter(this);
    painter.drawPixmap((width() - kLedCellSize) / 2, (height() - kLedCellSize) / 2,
                       CellPixmap(style, mode));
}
