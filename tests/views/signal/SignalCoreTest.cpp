#include "config/MemoryProfileStore.h"
#include "views/signal/SignalBarGeometry.h"
#include "views/signal/SignalBarModel.h"
#include "views/signal/SignalBarStyle.h"

#include <gtest/gtest.h>

namespace {

TEST(SignalUnits, LabelsConversionsAndStoredUnit) {
    EXPECT_EQ(ValueLabel(5, CnoUnit::DbHz), "05");
    EXPECT_EQ(ValueLabel(45, CnoUnit::DBW), "-156");
    EXPECT_EQ(ValueLabel(45, CnoUnit::DBm), "-126");
    // The page's radio buttons: 30/60 dB/Hz, then dBW, then dBm, then back.
    const CnoUnit order[] = {CnoUnit::DbHz, CnoUnit::DBW, CnoUnit::DBm, CnoUnit::DbHz};
    const int expected[][2] = {{-171, -141}, {-141, -111}, {30, 60}};
    int lower = 30, upper = 60;
    for (int i = 0; i < 3; ++i) {
        lower = ConvertDisplayUnit(lower, order[i], order[i + 1]);
        upper = ConvertDisplayUnit(upper, order[i], order[i + 1]);
        EXPECT_EQ(lower, expected[i][0]);
        EXPECT_EQ(upper, expected[i][1]);
    }
    MemoryProfileStore profile;
    EXPECT_EQ(LoadSignalSettings(profile), SignalSettings{});
    profile.SetInt("SignalQuality", "CNOUnits", 7);
    EXPECT_EQ(LoadSignalSettings(profile).units, CnoUnit::DbHz);
}

TEST(SignalBarGeometry, HeightsLevelLineAndSlots) {
    const int cases[][4] = {// snr, lower, upper, height in a 200-pixel slot
                            {45, 30, 60, 100}, {70, 30, 60, 200}, {10, 30, 60, 0},
                            {59, 30, 60, 193}, {45, 45, 45, 200}, {44, 45, 45, 0},
                            {45, 60, 30, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(BarHeight(c[0], c[1], c[2], 200), c[3]) << c[0] << " in " << c[1] << ".." << c[2];
    EXPECT_EQ(LevelMarkHeight(45, 30, 60, 200), 100);
    for (int level : {30, 60})
        EXPECT_EQ(LevelMarkHeight(level, 30, 60, 200), 0) << level;

    const SignalBarGeometry geometry({0, 0, 402, 235}, 4);
    EXPECT_EQ(geometry.Frame(1), (PixelRect{102, 2, 200, 204}));
    EXPECT_EQ(geometry.Slot(1), (PixelRect{103, 3, 200, 203}));
    EXPECT_EQ(geometry.LabelArea(1, 10), (PixelRect{103, 205, 201, 224}));
    EXPECT_EQ(SignalBarGeometry({0, 0, 402, 235}, 0).Pitch(), 0);
    // Too small for its bars: empty slots, never inverted ones.
    const PixelRect tiny = SignalBarGeometry({0, 0, 40, 20}, 32).Slot(5);
    EXPECT_EQ(tiny.Width(), 0);
    EXPECT_EQ(tiny.Height(), 0);
}

SatelliteTable Table(std::initializer_list<int> snrs) {
    SatelliteTable table{};
    int row = 0;
    for (int snr : snrs) {
        table[row] = {
            .prn = row + 1, .snr = snr, .snrAux = snr, .elevation = 10 * row, .tracked = 1};
        ++row;
    }
    return table;
}

TEST(SignalBarModel, TakesRowsAndLimitsTheCount) {
    SignalBarModel model(SignalSettings{});
    EXPECT_EQ(model.BarCount(), 8);
    model.Update(Table({40, 41}), 2, 27);
    EXPECT_EQ(model.Bar(1), (SignalBar{2, 10, 41, 1, 41, 0}));
    EXPECT_EQ(model.PolyiLevel(), 27);
    model.Update(Table({}), 33, 0);
    EXPECT_EQ(model.BarCount(), 32);
    model.Update(Table({}), -1, 0);
    EXPECT_EQ(model.BarCount(), 0);
}

TEST(SignalBarModel, AutoTrackFollowsWhatWasSeen) {
    SignalBarModel model(SignalSettings{});
    // No signal yet: the placeholder extremes must not become thresholds.
    model.Update(Table({0, 0}), 2, 0);
    EXPECT_EQ(model.Settings(), SignalSettings{});
    model.Update(Table({38, 0, 52}), 3, 0);
    EXPECT_EQ(model.Settings().lowerThreshold, 38);
    EXPECT_EQ(model.Settings().upperThreshold, 52);

    model.SetSettings({30, 60, false, CnoUnit::DbHz});
    model.Update(Table({70}), 1, 0);
    EXPECT_EQ(model.ObservedMax(), 70);
    EXPECT_EQ(model.Settings().upperThreshold, 60);
}

} // namespace
