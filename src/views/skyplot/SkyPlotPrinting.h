#pragma once

class QPainter;
class QRect;
class SkyPlotModel;

// One page: a frame, the title beside it, the mask comment word-wrapped and
// the plot below it at the printer's resolution.
void PrintSkyPlot(QPainter& painter, const QRect& page, const SkyPlotModel& model);
