#pragma once

class QPainter;
class QPalette;
class QRect;
class QString;

// The TTFF window's panel: a raised border 2 pixels inside the client edge,
// a sunken one 8 pixels inside, and the report text 11 pixels inside, in
// Courier sized to the window's height with tab stops every 5 characters.
void PaintTtffReport(QPainter& painter, const QRect& client, const QString& text,
                     const QPalette& palette);
