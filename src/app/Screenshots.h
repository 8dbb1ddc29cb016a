#pragma once

#include <QString>

class CMainFrame;

// The main window as "main-window.png" and each open child window as
// "<type>.png" ("sky-plot.png", ...) in `dir`. False when one could not be
// written.
bool SaveScreenshots(const CMainFrame& frame, const QString& dir);
