#pragma once

#include <QIcon>

// The toolbar's buttons, in the order they appear.
enum class ToolbarButton {
    New,
    Open,
    Save,
    SignalQuality,
    Navigation,
    Survey,
    SkyPlot,
    CommandMonitor,
    HotStart,
    WarmStart,
    ColdStart,
    TtffTest,
    SetupGps,
    About,
    Help,
};

inline constexpr int kToolbarButtonCount = 15;
inline constexpr int kToolbarImageSize = 32;

// A 32x32 image drawn by the program; the same picture serves as the hot image.
QIcon ToolbarIcon(ToolbarButton button);
// The application's own icon (window icon, desktop file).
QImage ApplicationIconImage(int size);
