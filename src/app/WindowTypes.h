#pragma once

#include <array>
#include <optional>
#include <string_view>

// A window rectangle in screen pixels.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

// The child windows that can be saved and reopened. The values are the ids
// written to the profile, so they must never change. The underlying type is
// fixed because a profile may hold ids this build does not know.
enum class WindowType : int {
    SignalQuality = 130,
    Survey = 132,
    SkyPlot = 134,
    Navigation = 150,
    CommandMonitor = 163,
    Ttff = 176,
};

struct WindowTypeInfo {
    WindowType type;
    std::string_view title;
    std::optional<WindowRect> defaultRect; // empty: the framework chooses
};

inline constexpr std::array<WindowTypeInfo, 6> kWindowTypes{{
    {WindowType::SignalQuality, "Signal Quality Window", WindowRect{100, 100, 500, 400}},
    {WindowType::SkyPlot, "Azimuth & Elevation Window", WindowRect{100, 100, 550, 550}},
    {WindowType::Survey, "Survey Window", WindowRect{0, 0, 500, 700}},
    {WindowType::Navigation, "Navigation Window", WindowRect{0, 0, 500, 150}},
    {WindowType::Ttff, "TTFF Window", WindowRect{0, 0, 700, 430}},
    {WindowType::CommandMonitor, "NMEA Monitor Window", std::nullopt},
}};

// Null for an id this build does not know.
constexpr const WindowTypeInfo* FindWindowType(WindowType type) {
    for (const WindowTypeInfo& info : kWindowTypes)
        if (info.type == type) return &info;
    return nullptr;
}
