#include "views/skyplot/SkyPlotPainting.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

const QColor kGridGray(128, 128, 128);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kOrange(252, 145, 66);
const QColor kBlue(0, 0, 255);
const QString kDegree = QString::fromUtf8("\u00BA");

QPoint ToQPoint(PlotPoint p) {
    return {p.x, p.y};
}

// White on black, so the label hides the line it sits on.
void DrawGridLabel(QPainter& painter, PlotPoint at, const QString& text) {
    QRect box(QPoint(0, 0), painter.fontMetrics().size(0, text));
    box.moveCenter(ToQPoint(at));
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

QFont PlotFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}

QRegion PlotDisk(const PolarGeometry& g) {
    const int r = static_cast<int>(g.Radius());
    return QRegion(g.CenterX() - r, g.CenterY() - r, 2 * r + 1, 2 * r + 1, QRegion::Ellipse);
}

void DrawGrid(QPainter& painter, const PolarGeometry& g) {
    painter.save();
    painter.setFont(PlotFont());
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::black);
    painter.setBrush(Qt::black);
    const QPen solid(kGridGray, 1, Qt::SolidLine);
    const QPointF center(g.CenterX(), g.CenterY());
    painter.setPen(solid);
    painter.drawEllipse(center, g.Radius(), g.Radius());
    for (int elevation = 15; elevation <= 75; elevation += 15) {
        const double r = g.Radius() - g.Scale() * elevation;
        painter.setPen(solid);
        painter.drawEllipse(center, r, r);
        painter.setPen(Qt::white);
        DrawGridLabel(painter, g.Map(15, elevation), QString::number(elevation) + kDegree);
    }
    for (int azimuth = 30; azimuth <= 360; azimuth += 30) {
        painter.setPen(QPen(kGridGray, 1, Qt::DotLine));
        painter.drawLine(center.toPoint(), ToQPoint(g.Map(azimuth, 0)));
        painter.setPen(Qt::white);
        // At radius 82.5 degrees from the zenith.
        DrawGridLabel(painter, g.Map(azimuth, 7.5), QString::number(azimuth) + kDegree);
    }
    painter.restore();
}

QColor TrailColour(const TrailPoint& p) {
    if (p.usedInFix != 1) return kOrange;
    return p.snr >= 1 ? kGreen : kRed;
}

TrailDotWriter::TrailDotWriter(QImage& image, const PolarGeometry& geometry)
    : geometry(geometry), bits(image.bits()), bytesPerLine(image.bytesPerLine()),
      width(image.width()), height(image.height()), ratio(image.devicePixelRatio()),
      radiusSquared(geometry.Radius() * geometry.Radius()) {}

void TrailDotWriter::Put(const TrailPoint& p) {
    const PlotPoint at = geometry.Map(p.azimuth, p.elevation);
    const QRgb colour = TrailColour(p).rgb();
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            PutPixel(at.x + dx, at.y + dy, colour);
}

// One logical pixel: ratio x ratio device pixels.
void TrailDotWriter::PutPixel(int x, int y, QRgb colour) {
    const double ox = x - geometry.CenterX(), oy = y - geometry.CenterY();
    if (ox * ox + oy * oy > radiusSquared) return;
    if (ratio == 1) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x] = colour;
        return;
    }
    const int left = std::max(0, static_cast<int>(x * ratio));
    const int right = std::min(width, static_cast<int>((x + 1) * ratio));
    const int top = std::max(0, static_cast<int>(y * ratio));
    const int bottom = std::min(height, static_cast<int>((y + 1) * ratio));
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(bits + row * bytesPerLine);
        std::fill(line + left, line + std::max(left, right), colour);
    }
}

QColor LabelColour(const PlotSatellite& s) {
    if (s.prn >= 33) return kBlue;
    return s.usedInFix == 1 ? kGreen : kRed;
}

QString MarkerLabel(const PlotSatellite& s, bool details) {
    if (!details) return QString::number(s.prn);
    return QStringLiteral(" SV:%1 \n A:%2 E:%3 ").arg(s.prn).arg(s.azimuth).arg(s.elevation);
}

void DrawMarker(QPainter& painter, const PolarGeometry& g, const PlotSatellite& s, bool details) {
    const PlotPoint at = g.Map(s.azimuth, s.elevation);
    painter.save();
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(at.x - 3, at.y - 3, at.x + 3, at.y + 3);
    painter.drawLine(at.x + 3, at.y - 3, at.x - 3, at.y + 3);
    painter.setFont(PlotFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = 5 * metrics.averageCharWidth();
    const QRect box(at.x - width / 2, at.y + 5, width, 3 * metrics.height());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(LabelColour(s));
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                     MarkerLabel(s, details));
    painter.restore();
}

// Entry i is the mask at azimuth i; the stored azimuth equals i in every
// file the program writes, and a foreign value must not move the line.
void DrawMaskOutline(QPainter& painter, const PolarGeometry& g, const MaskEntries& mask,
                     const QColor& colour) {
    QPolygon outline;
    for (int azimuth = 0; azimuth < kMaskEntries; ++azimuth) {
        const MaskEntry& entry = mask[static_cast<size_t>(azimuth)];
        if (entry.observed != 0) outline << ToQPoint(g.Map(azimuth, entry.maskElevation));
    }
    if (outline.isEmpty()) return;
    painter.save();
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    if (outline.size() == 1) {
        painter.drawPoint(outline.first());
    } else {
        painter.drawPolygon(outline);
    }
    painter.restore();
}
