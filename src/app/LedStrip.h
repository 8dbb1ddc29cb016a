#pragma once

#include <QImage>

// The LED image strip: 3 columns (on, off, disabled) by 8 rows (red, green,
// yellow, blue; round then square) of 16x16 cells, magenta where transparent.
// Drawn once, by the program.
const QImage& LedStripImage();
