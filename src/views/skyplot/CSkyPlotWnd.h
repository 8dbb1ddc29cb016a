#pragma once

#include "views/skyplot/PolarGeometry.h"

#include <QImage>
#include <QWidget>

class SkyPlotModel;
struct SkyPlotChanges;

// The polar plot. The grid and the trails are kept in an image that grows
// point by point; the markers and the mask outline are drawn over it at
// every paint, so they never need erasing.
class CSkyPlotWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSkyPlotWnd(const SkyPlotModel& model, QWidget* parent = nullptr);

    PolarGeometry Geometry() const { return PolarGeometry::ForClient(width(), height()); }

    // After an update: new trail points join the image; a point that left
    // its ring takes the image back to the grid, redrawn with what remains.
    void ShowChanges(const SkyPlotChanges& changes);
    // After trails are cleared or switched: everything is drawn again.
    void RedrawAll();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage NewLayer() const;
    void RebuildGrid();
    void RebuildTrails();

    const SkyPlotModel& model;
    QImage grid;   // background, border and grid
    QImage trails; // the grid with the trails on it
    bool trailsValid = false;
};
