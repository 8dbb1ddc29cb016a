#include "app/WindowPlacement.h"

#include "profile/ProfileStore.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <iterator>

namespace {

constexpr std::size_t kPlacementFields = 11;
using PlacementFields = std::array<int, kPlacementFields>;

template <std::size_t N>
std::optional<std::array<int, N>> ParseIntegers(std::string_view text) {
    std::array<int, N> values{};
    const char* p = text.data();
    const char* const end = p + text.size();
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            if (p == end || *p != ',') return std::nullopt;
            ++p;
        }
        // from_chars takes an optional '-' and digits only: no space, no '+'.
        const auto [next, ec] = std::from_chars(p, end, values[i]);
        if (ec != std::errc()) return std::nullopt;
        p = next;
    }
    if (p != end) return std::nullopt;
    return values;
}

PlacementFields ToFields(const WindowPlacement& w) {
    return {w.length,        w.flags,         static_cast<int>(w.showState),
            w.minPosition.x, w.minPosition.y, w.maxPosition.x,
            w.maxPosition.y, w.normal.left,   w.normal.right,
            w.normal.top,    w.normal.bottom};
}

template <std::size_t N>
WindowPlacement FromFields(const std::array<int, N>& v, std::size_t first) {
    const auto at = [&](std::size_t i) { return v[first + i]; };
    WindowPlacement w;
    w.length = at(0);
    w.flags = at(1);
    w.showState = static_cast<ShowState>(at(2));
    w.minPosition = {at(3), at(4)};
    w.maxPosition = {at(5), at(6)};
    w.normal.left = at(7);
    w.normal.right = at(8);
    w.normal.top = at(9);
    w.normal.bottom = at(10);
    return w;
}

std::string Join(std::span<const int> values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}

} // namespace

std::string ChildKey(int index) {
    return "WINDOW" + std::to_string(index);
}

std::string FormatPlacement(const WindowPlacement& placement) {
    return Join(ToFields(placement));
}

std::string FormatChild(const ChildPlacement& child) {
    return std::to_string(static_cast<int>(child.type)) + ',' + FormatPlacement(child.placement);
}

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    const auto values = ParseIntegers<kPlacementFields>(text);
    if (!values) return std::nullopt;
    return FromFields(*values, 0);
}

std::optional<ChildPlacement> ParseChild(std::string_view text) {
    const auto values = ParseIntegers<kPlacementFields + 1>(text);
    if (!values) return std::nullopt;
    return ChildPlacement{static_cast<WindowType>((*values)[0]), FromFields(*values, 1)};
}

// Min/max positions are left to the window manager on restore; writing -1
// also drops the far off-screen values (above 100000) a minimised window
// reports.
WindowPlacement PreparedForSave(WindowPlacement placement) {
    placement.minPosition = {-1, -1};
    placement.maxPosition = {-1, -1};
    return placement;
}

void SaveLayout(ProfileStore& profile, const WindowPlacement& main,
                const std::vector<ChildPlacement>& children) {
    profile.SetString(kLayoutSection, kMainKey, FormatPlacement(PreparedForSave(main)));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ChildPlacement child{children[i].type, PreparedForSave(children[i].placement)};
        profile.SetString(kLayoutSection, ChildKey(static_cast<int>(i)), FormatChild(child));
    }
    profile.SetInt(kLayoutSection, kWindowCountKey, static_cast<int>(children.size()));
}

SavedLayout LoadLayout(const ProfileStore& profile) {
    SavedLayout layout;
    layout.main = ParsePlacement(profile.GetString(kLayoutSection, kMainKey, ""));
    if (!layout.main) return layout;
    // Bounded by the count: entries left over from an earlier, longer save are
    // never removed from the profile.
    const int count = profile.GetInt(kLayoutSection, kWindowCountKey, 0);
    for (int i = 0; i < count; ++i) {
        const auto child = ParseChild(profile.GetString(kLayoutSection, ChildKey(i), ""));
        if (!child) break;
        layout.children.push_back(*child);
    }
    return layout;
}

std::vector<ChildPlacement> FilterByType(std::span<const ChildPlacement> children,
                                         std::optional<WindowType> only) {
    std::vector<ChildPlacement> selected;
    std::copy_if(children.begin(), children.end(), std::back_inserter(selected),
                 [&](const ChildPlacement& c) { return !only || c.type == *only; });
    return selected;
}

std::optional<WindowPlacement> FirstOfType(std::span<const ChildPlacement> children,
                                           WindowType type) {
    const auto it = std::find_if(children.begin(), children.end(),
                                 [&](const ChildPlacement& c) { return c.type == type; });
    if (it == children.end()) return std::nullopt;
    return it->placement;
}
