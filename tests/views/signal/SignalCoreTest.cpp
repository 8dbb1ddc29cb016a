#include "profile/MemoryProfileStore.h"
#include "views/signal/SignalBarGeometry.h"
#include "views/signal/SignalBarModel.h"
#include "views/signal/SignalBarStyle.h"

#include <gtest/gtest.h>

namespace {

// The window checks the usual bar heights and the unit in its title; these
// are the edges it would take many windows to reach.
TEST(SignalCore, ValueLabelsAndAnUnknownStoredUnit) {
    EXPECT_EQ(ValueLabel(5, CnoUnit::DbHz), "05");
    EXPECT_EQ(ValueLabel(45, CnoUnit::DBW), "-156");
    EXPECT_EQ(ValueLabel(45, CnoUnit::DBm), "-126");
    MemoryProfileStore profile;
    profile.SetInt("SignalQuality", "CNOUnits", 7);
    EXPECT_EQ(LoadSignalSettings(profile).units, CnoUnit::DbHz);
}

TEST(SignalCore, BarHeightsAndCountsAtTheEdges) {
    // snr, lower, upper, height in a 200-pixel slot
    const int cases[][4] = {
        {70, 30, 60, 200}, {10, 30, 60, 0}, {59, 30, 60, 193}, {44, 45, 45, 0}, {45, 60, 30, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(BarHeight(c[0], c[1], c[2], 200), c[3]) << c[0] << " in " << c[1] << ".." << c[2];
    // The level line only strictly between the thresholds.
    for (const auto& [level, height] : {std::pair{30, 0}, {31, 6}, {45, 100}, {59, 193}, {60, 0}})
        EXPECT_EQ(LevelMarkHeight(level, 30, 60, 200), height) << level;
    // Too small for its bars: empty slots, never inverted ones.
    const PixelRect tiny = SignalBarGeometry({0, 0, 40, 20}, 32).Slot(5);
    EXPECT_TRUE(tiny.Width() == 0 && tiny.Height() == 0);
    // A table row more than the chart has slots.
    SignalBarModel model(SignalSettings{});
    model.Update(SatelliteTable{}, 33, 0);
    EXPECT_EQ(model.BarCount(), 32);
}

} // namespace
