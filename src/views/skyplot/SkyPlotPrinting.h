#pragma once

#include <QString>

class QPainter;
class QRect;
class SkyPlotModel;

// The title printed upright beside the page's frame.
inline const QString kSkyPlotPrintTitle =
    QStringLiteral("Harrowview - Satellite Azimuth & Elevation");

// One page: a frame, the title beside it, the mask comment word-wrapped and
// the plot below it at the printer's resolution.
void PrintSkyPlot(QPainter& painter, const QRect& page, const SkyPlotModel& model);
