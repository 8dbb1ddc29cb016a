#pragma once

#include "views/skyplot/PhysicalMask.h"
#include "views/skyplot/PlotSatellites.h"
#include "views/skyplot/PolarGeometry.h"
#include "views/skyplot/SatelliteTrails.h"

#include <QColor>
#include <QFont>
#include <QRegion>
#include <QString>

class QImage;
class QPainter;

// The pieces of the sky plot, drawn the same way on the screen and on paper.

QFont PlotFont();
// Everything inside the plot is clipped to its disk.
QRegion PlotDisk(const PolarGeometry& geometry);

// The black disk, the elevation circles and the azimuth spokes, labelled.
void DrawGrid(QPainter& painter, const PolarGeometry& geometry);

// Used and heard green, used but not heard red, not used orange.
QColor TrailColour(const TrailPoint& point);
// Puts trail dots, 2 x 2 pixels with the top-left corner on the point,
// straight into an image's pixels (thousands are redrawn at once), clipped
// to the plot disk. The image must outlive the writer and not be copied
// meanwhile.
class TrailDotWriter {
public:
    TrailDotWriter(QImage& image, const PolarGeometry& geometry);
    void Put(const TrailPoint& point);

private:
    void PutPixel(int x, int y, QRgb colour);

    PolarGeometry geometry;
    uchar* bits;
    qsizetype bytesPerLine;
    int width, height;
    double ratio;
    double radiusSquared;
};

// PRN 33 and above blue; the others green when used in the fix, else red.
QColor LabelColour(const PlotSatellite& satellite);
QString MarkerLabel(const PlotSatellite& satellite, bool details);
// A white X with its label below.
void DrawMarker(QPainter& painter, const PolarGeometry& geometry, const PlotSatellite& satellite,
                bool details);

// A closed line through the observed entries, azimuth 0 to 359; nothing
// without any.
void DrawMaskOutline(QPainter& painter, const PolarGeometry& geometry, const MaskEntries& mask,
                     const QColor& colour);
