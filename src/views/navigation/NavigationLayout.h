#pragma once

// A rectangle in the view's pixels; right and bottom are one past the last
// pixel, so an empty rectangle has right == left.
struct PanelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr PanelRect Inset(int by) const {
        return {left + by, top + by, right - by, bottom - by};
    }
    bool operator==(const PanelRect&) const = default;
};

// Where the navigation panel draws in a client area of the given size: a
// raised border 2 pixels inside the edge, the panel frame 5 pixels inside,
// a sunken border 3 pixels inside the frame and the text 3 pixels further in.
struct NavigationLayout {
    PanelRect raisedBorder;
    PanelRect sunkenBorder;
    PanelRect text;
    int fontTenths; // of a point
};

NavigationLayout LayoutNavigationPanel(int width, int height);

// The panel's font grows with the window: ((height - 20) * 9) / 7 tenths of a
// point, and never below 1 point, so a tiny window still gets a real font.
int NavigationFontTenths(int clientHeight);
