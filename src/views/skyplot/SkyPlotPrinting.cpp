#include "views/skyplot/SkyPlotPrinting.h"

#include "views/skyplot/SkyPlotModel.h"
#include "views/skyplot/SkyPlotPainting.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kDarkGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
// Printed upright beside the page's frame.
const QString kTitle = QStringLiteral("Harrowview - Satellite Azimuth & Elevation");

QFont TitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return font;
}

// Upright, reading from the bottom, just right of the frame's bottom corner.
void DrawTitle(QPainter& painter, const QRect& frame, int gap) {
    painter.save();
    painter.setFont(TitleFont());
    painter.setPen(Qt::black);
    painter.translate(frame.right() + gap + painter.fontMetrics().ascent(), frame.bottom());
    painter.rotate(-90);
    painter.drawText(0, 0, kTitle);
    painter.restore();
}

void DrawTrails(QPainter& painter, const PolarGeometry& g, const SatelliteTrails& trails,
                int dotWidth) {
    painter.save();
    QPen pen(kDarkGreen, dotWidth, Qt::SolidLine, Qt::RoundCap);
    trails.ForEachDrawable([&](const TrailPoint& p) {
        pen.setColor(p.snr >= 1 ? kDarkGreen : kRed);
        painter.setPen(pen);
        const PlotPoint at = g.Map(p.azimuth, p.elevation);
        painter.drawPoint(at.x, at.y);
    });
    painter.restore();
}

} // namespace

void PrintSkyPlot(QPainter& painter, const QRect& page, const SkyPlotModel& model) {
    const int dpi = painter.device()->logicalDpiX();
    const int frameWidth = std::max(1, dpi / 32);
    painter.setFont(TitleFont());
    const int line = painter.fontMetrics().lineSpacing();

    // Room on the right for the upright title.
    const QRect frame = page.adjusted(frameWidth, frameWidth, -frameWidth - 2 * line, -frameWidth);
    painter.setPen(QPen(Qt::black, frameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    DrawTitle(painter, frame, frameWidth);

    const QRect inside = frame.adjusted(2 * line, 2 * line, -2 * line, -2 * line);
    const QString comment = QString::fromStdString(model.Comment());
    const int commentHeight = std::max(
        3 * line, painter.fontMetrics().boundingRect(inside, Qt::TextWordWrap, comment).height());
    const PolarGeometry g = PolarGeometry::ForRect(inside.left(), inside.top() + commentHeight,
                                                   inside.width(), inside.height() - commentHeight);
    // The comment starts three lines above the plot, or higher if it needs more.
    const int plotTop = g.CenterY() - static_cast<int>(g.Radius());
    painter.setPen(Qt::black);
    painter.drawText(QRect(inside.left(), plotTop - commentHeight, inside.width(), commentHeight),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, comment);

    painter.save();
    painter.setClipRegion(PlotDisk(g));
    DrawGrid(painter, g);
    if (model.Options().enableMaskAngle == 1)
        DrawMaskOutline(painter, g, model.Mask().Entries(), kBlue);
    const bool details = model.Options().enableSatDetails == 1;
    for (const PlotSatellite& s : model.Satellites())
        if (IsDrawable(s)) DrawMarker(painter, g, s, details);
    if (model.Options().enableTrails == 1) DrawTrails(painter, g, model.Trails(), dpi / 25);
    painter.restore();
}
