#pragma once

#include "app/MainCommands.h"

#include <QIcon>

inline constexpr int kToolbarImageSize = 32;

// A toolbar button's 32x32 image, drawn by the program; the same picture
// serves as the hot image. Empty for a command without a button.
QIcon ToolbarIcon(Command command);
// The application's own icon (window icon, desktop file).
QImage ApplicationIconImage(int size);
