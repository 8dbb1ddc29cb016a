#include "views/skyplot/CSkyPlotWnd.h"

#include "views/skyplot/SkyPlotModel.h"
#include "views/skyplot/SkyPlotPainting.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

const QColor kMaskColour(0, 255, 255);

} // namespace

CSkyPlotWnd::CSkyPlotWnd(const SkyPlotModel& model, QWidget* parent)
    : QWidget(parent), model(model) {
    // Every pixel is painted from the image: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSkyPlotWnd::ShowChanges(const SkyPlotChanges& changes) {
    if (changes.trailPointReplaced) {
        trailsValid = false;
    } else if (trailsValid && model.Options().enableTrails == 1 &&
               !changes.addedTrailPoints.empty()) {
        TrailDotWriter dots(trails, Geometry());
        for (const TrailPoint& point : changes.addedTrailPoints)
            if (IsDrawable(point)) dots.Put(point);
    }
    update();
}

void CSkyPlotWnd::RedrawAll() {
    trailsValid = false;
    update();
}

void CSkyPlotWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    grid = QImage();
    trailsValid = false;
}

QImage CSkyPlotWnd::NewLayer() const {
    const qreal ratio = devicePixelRatioF();
    QImage layer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    return layer;
}

void CSkyPlotWnd::RebuildGrid() {
    grid = NewLayer();
    grid.fill(palette().color(QPalette::Window));
    QPainter painter(&grid);
    constexpr int margin = PolarGeometry::kClientMargin;
    qDrawWinPanel(&painter, rect().adjusted(margin, margin, -margin, -margin), palette(), true);
    const PolarGeometry g = Geometry();
    painter.setClipRegion(PlotDisk(g));
    DrawGrid(painter, g);
}

void CSkyPlotWnd::RebuildTrails() {
    if (grid.isNull() || grid.devicePixelRatio() != devicePixelRatioF()) RebuildGrid();
    trails = grid.copy();
    trailsValid = true;
    if (model.Options().enableTrails != 1) return;
    TrailDotWriter dots(trails, Geometry());
    model.Trails().ForEachDrawable([&](const TrailPoint& p) { dots.Put(p); });
}

void CSkyPlotWnd::paintEvent(QPaintEvent*) {
    if (!trailsValid) RebuildTrails();
    QPainter painter(this);
    painter.drawImage(0, 0, trails);
    const PolarGeometry g = Geometry();
    painter.setClipRegion(PlotDisk(g));
    const bool details = model.Options().enableSatDetails == 1;
    for (const PlotSatellite& s : model.Satellites())
        if (IsDrawable(s)) DrawMarker(painter, g, s, details);
    if (model.Options().enableMaskAngle == 1)
        DrawMaskOutline(painter, g, model.Mask().Entries(), kMaskColour);
}
