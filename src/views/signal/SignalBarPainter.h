#pragma once

class QPainter;
class QPalette;
class QRect;
class SignalBarModel;

// Draws the bar chart into `area`, in the painter's coordinates: the window
// and the printer share this. `dpi` turns the label font's points into those
// coordinates' pixels.
void PaintSignalBars(QPainter& painter, const QRect& area, const SignalBarModel& model,
                     const QPalette& palette, double dpi);
