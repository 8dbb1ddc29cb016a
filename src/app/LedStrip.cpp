#include "app/LedStrip.h"

#include "app/StatusBarModel.h"

#include <QPainter>

namespace {

QColor Hue(LedColour colour) {
    switch (colour) {
    case LedColour::Red:
        return QColor(230, 30, 30);
    case LedColour::Green:
        return QColor(20, 220, 40);
    case LedColour::Yellow:
        return QColor(240, 220, 20);
    case LedColour::Blue:
        return QColor(40, 90, 240);
    }
    return Qt::white;
}

QColor ShadeFor(QColor hue, LedMode mode) {
    switch (mode) {
    case LedMode::On:
        return hue;
    case LedMode::Off:
        return hue.darker(330);
    case LedMode::Disabled:
        return QColor(150, 150, 150);
    }
    return hue;
}

void DrawCell(QPainter& painter, LedStyle style, LedMode mode) {
    const LedCell cell = LedImageCell(style, mode);
    const QRectF body(cell.x + 2.5, cell.y + 2.5, 11, 11);
    const QColor fill = ShadeFor(Hue(style.colour), mode);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(fill);
    if (style.shape == LedShape::Round)
        painter.drawEllipse(body);
    else
        painter.drawRect(body);
    // A glint makes a lit LED read as lit even in grey-scale.
    if (mode == LedMode::On) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill.lighter(170));
        painter.drawEllipse(QRectF(cell.x + 5, cell.y + 5, 3, 3));
    }
}

QImage DrawStrip() {
    QImage strip(kLedCellSize * kLedStripColumns, kLedCellSize * kLedStripRows,
                 QImage::Format_ARGB32);
    strip.fill(QColor(255, 0, 255));
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (LedShape shape : {LedShape::Round, LedShape::Square})
        for (LedColour colour :
             {LedColour::Red, LedColour::Green, LedColour::Yellow, LedColour::Blue})
            for (LedMode mode : {LedMode::On, LedMode::Off, LedMode::Disabled})
                DrawCell(painter, {colour, shape}, mode);
    return strip;
}

} // namespace

const QImage& LedStripImage() {
    static const QImage strip = DrawStrip();
    return strip;
}
