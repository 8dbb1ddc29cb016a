#include "views/signal/SignalBarPainter.h"

#include "views/signal/SignalBarGeometry.h"
#include "views/signal/SignalBarModel.h"
#include "views/signal/SignalBarStyle.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace {

QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

QColor ToQColor(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Dark shadow on the top and left edges, highlight on the bottom and right.
void DrawSunkenFrame(QPainter& painter, const PixelRect& r, const QPalette& palette) {
    if (r.Width() == 0 || r.Height() == 0) return;
    const QColor shadow = palette.color(QPalette::Shadow);
    const QColor light = palette.color(QPalette::Light);
    painter.fillRect(QRect(r.left, r.top, r.Width(), 1), shadow);
    painter.fillRect(QRect(r.left, r.top, 1, r.Height()), shadow);
    painter.fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), light);
    painter.fillRect(QRect(r.right - 1, r.top, 1, r.Height()), light);
}

void DrawBar(QPainter& painter, const PixelRect& slot, const SignalBar& bar,
             const SignalBarModel& model, const QPalette& palette) {
    const SignalSettings& s = model.Settings();
    const int height = BarHeight(bar.snr, s.lowerThreshold, s.upperThreshold, slot.Height());
    const int mark =
        LevelMarkHeight(model.PolyiLevel(), s.lowerThreshold, s.upperThreshold, slot.Height());
    painter.fillRect(ToQRect(AboveBarRect(slot, height)), palette.color(QPalette::Button));
    painter.fillRect(ToQRect(BarRect(slot, height)), ToQColor(BarColour(bar)));
    if (mark > 0) painter.fillRect(ToQRect(LevelMarkRect(slot, mark)), ToQColor(kLevelMarkColour));
}

QFont LabelFont(int pitch, double dpi) {
    QFont font(QStringLiteral("Arial"));
    const double points = LabelFontTenths(pitch) / 10.0;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
    return font;
}

void DrawLabels(QPainter& painter, const PixelRect& slot, const PixelRect& labelArea,
                const SignalBar& bar, CnoUnit unit, const QPalette& palette) {
    painter.setPen(Qt::white);
    painter.drawText(ToQRect(slot), Qt::AlignHCenter | Qt::AlignTop,
                     ToQString(ValueLabel(bar.snr, unit)));
    painter.fillRect(ToQRect(labelArea), palette.color(QPalette::Button));
    painter.setPen(Qt::black);
    painter.drawText(ToQRect(labelArea), Qt::AlignHCenter | Qt::AlignTop,
                     ToQString(SatelliteLabel(bar)));
}

} // namespace

void PaintSignalBars(QPainter& painter, const QRect& area, const SignalBarModel& model,
                     const QPalette& palette, double dpi) {
    painter.fillRect(area, palette.color(QPalette::Window));
    const SignalBarGeometry geometry(
        {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()},
        model.BarCount());
    if (geometry.Pitch() == 0) return;

    painter.save();
    painter.setFont(LabelFont(geometry.Pitch(), dpi));
    const int textHeight = QFontMetrics(painter.font()).height();
    for (int i = 0; i < model.BarCount(); ++i) {
        const SignalBar& bar = model.Bar(i);
        const PixelRect slot = geometry.Slot(i);
        DrawSunkenFrame(painter, geometry.Frame(i), palette);
        DrawBar(painter, slot, bar, model, palette);
        DrawLabels(painter, slot, geometry.LabelArea(i, textHeight), bar, model.Settings().units,
                   palette);
    }
    painter.restore();
}
