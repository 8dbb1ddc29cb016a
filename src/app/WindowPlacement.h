#pragma once

#include "app/WindowTypes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ProfileStore;

enum class ShowState : int { Normal = 1, Minimised = 2, Maximised = 3 };

struct WindowPoint {
    int x = -1;
    int y = -1;

    bool operator==(const WindowPoint&) const = default;
};

// A window's saved placement, field for field as the profile holds it.
struct WindowPlacement {
    static constexpr int kRecordLength = 44; // written as the first field

    int length = kRecordLength;
    int flags = 0;
    ShowState showState = ShowState::Normal;
    WindowPoint minPosition;
    WindowPoint maxPosition;
    WindowRect normal;

    bool operator==(const WindowPlacement&) const = default;
};

struct ChildPlacement {
    WindowType type = WindowType::SignalQuality;
    WindowPlacement placement;

    bool operator==(const ChildPlacement&) const = default;
};

struct SavedLayout {
    std::optional<WindowPlacement> main;
    std::vector<ChildPlacement> children; // in saved order
};

inline constexpr std::string_view kLayoutSection = "WindowPosition";
inline constexpr std::string_view kMainKey = "Main";
inline constexpr std::string_view kWindowCountKey = "NumOfWindows";

// "WINDOW0", "WINDOW1", ...
std::string ChildKey(int index);

// 11 comma-separated integers: length, flags, show state, min x, min y, max x,
// max y, then the normal rectangle as left, right, top, bottom.
std::string FormatPlacement(const WindowPlacement& placement);
// The type id, then the 11 placement fields.
std::string FormatChild(const ChildPlacement& child);

// Exactly 11 (12) decimal integers, each an optional '-' and digits, separated
// by single commas; anything else (spaces, '+', an empty or extra field,
// trailing text, a value outside int) is rejected.
std::optional<WindowPlacement> ParsePlacement(std::string_view text);
std::optional<ChildPlacement> ParseChild(std::string_view text);

// What is written: the min/max positions are always -1.
WindowPlacement PreparedForSave(WindowPlacement placement);

// Writes "Main", "WINDOW0".. and "NumOfWindows" in section "WindowPosition".
void SaveLayout(ProfileStore& profile, const WindowPlacement& main,
                const std::vector<ChildPlacement>& children);

// Children are read only when "Main" is valid, at most "NumOfWindows" of them,
// stopping at the first empty or invalid entry (those before it are kept).
SavedLayout LoadLayout(const ProfileStore& profile);

// All children when `only` is empty, otherwise those of that type, in order.
std::vector<ChildPlacement> FilterByType(std::span<const ChildPlacement> children,
                                         std::optional<WindowType> only);
// Reopening one type uses its first saved placement.
std::optional<WindowPlacement> FirstOfType(std::span<const ChildPlacement> children,
                                           WindowType type);
