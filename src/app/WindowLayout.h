#pragma once

#include "app/WindowPlacement.h"

#include <optional>

class DocumentRegistry;
class ProfileStore;
class QMainWindow;
class WindowManager;

// The saved layout of the main window and its child windows, on real Qt
// windows. Rectangles are the main window's normal geometry on the screen and
// each child's normal geometry in the MDI area.

// Writes the main window and every open child, bottom of the stacking order
// first, so the top one is reopened last and ends on top.
void SaveWindowPlacements(const QMainWindow& main, const WindowManager& windows,
                          const DocumentRegistry& registry, ProfileStore& profile);

// Places and shows the main window (normally when "Main" is missing or
// corrupt, and then no child is opened), then reopens the saved children of
// type `only` (all when empty) that are not open yet.
void RestoreWindowPlacements(QMainWindow& main, WindowManager& windows, const ProfileStore& profile,
                             std::optional<WindowType> only);

// Opens `type` at its first saved placement. False when none is saved or the
// type is open already.
bool ReopenWindowType(WindowManager& windows, const ProfileStore& profile, WindowType type);

WindowPlacement PlacementOfMain(const QMainWindow& main);
