#include "views/navigation/NavigationLayout.h"

#include <algorithm>

namespace {

constexpr int kRaisedInset = 2;
constexpr int kFrameInset = 5;
constexpr int kSunkenInset = 3; // from the frame
constexpr int kTextInset = 3;   // from the sunken border
constexpr int kSmallestTenths = 10;

} // namespace

int NavigationFontTenths(int clientHeight) {
    return std::max(kSmallestTenths, ((clientHeight - 20) * 9) / 7);
}

NavigationLayout LayoutNavigationPanel(int width, int height) {
    const PanelRect client{0, 0, width, height};
    const PanelRect sunken = client.Inset(kFrameInset).Inset(kSunkenInset);
    return {client.Inset(kRaisedInset), sunken, sunken.Inset(kTextInset),
            NavigationFontTenths(height)};
}
