#include "app/StatusBarModel.h"
#include "nmea/ReceiverState.h"
#include "support/Feed.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

void SetFix(ReceiverState& state, int quality, int mode, int station, double age) {
    StateWriter w(state, StateGroup::Nav | StateGroup::Dop);
    w.Nav().fixQuality = quality;
    w.Nav().differentialStation = station;
    w.Nav().differentialAge = age;
    w.Dop().fixMode = mode;
}

TEST(StatusBarModel, ReceiveLedOffWhenIdleGreyAtTheHundredthIdleTickOnAtASentence) {
    struct Case {
        std::set<int> sentenceTicks; // a sentence arrives just before these ticks
        std::map<int, LedMode> changes;
    };
    const std::set<int> steady = [] {
        std::set<int> all;
        for (int t = 0; t <= 250; ++t)
            all.insert(t);
        return all;
    }();
    const std::vector<Case> cases = {
        {{}, {{1, LedMode::Off}, {100, LedMode::Disabled}}},
        {{0, 1, 2, 3}, {{1, LedMode::On}, {4, LedMode::Off}, {103, LedMode::Disabled}}},
        {{50},
         {{1, LedMode::Off}, {50, LedMode::On}, {51, LedMode::Off}, {150, LedMode::Disabled}}},
        {{180},
         {{1, LedMode::Off}, {100, LedMode::Disabled}, {180, LedMode::On}, {181, LedMode::Off}}},
        {steady, {{1, LedMode::On}}}, // no rewrite while it stays on
    };
    for (const Case& c : cases) {
        ReceiverState state;
        StatusBarModel model;
        std::map<int, LedMode> changes;
        if (c.sentenceTicks.count(0)) Feed(state, {kGga}); // before the first tick
        for (int tick = 1; tick <= 250; ++tick) {
            if (c.sentenceTicks.count(tick)) Feed(state, {kGga});
            if (auto led = model.Tick(state, false).receiveLed) changes[tick] = *led;
        }
        EXPECT_EQ(changes, c.changes) << c.sentenceTicks.size() << " sentences";
    }
}

TEST(StatusBarModel, LogLedFollowsTheLogFileAndLedCellsFitTheStrip) {
    ReceiverState state;
    StatusBarModel model;
    EXPECT_EQ(model.Tick(state, false).logLed, LedMode::Disabled);
    EXPECT_EQ(model.Tick(state, false).logLed, std::nullopt);
    EXPECT_EQ(model.Tick(state, true).logLed, LedMode::On);
    EXPECT_EQ(model.Tick(state, true).logLed, std::nullopt);
    EXPECT_EQ(model.Tick(state, false).logLed, LedMode::Disabled);

    EXPECT_EQ(LedImageCell(kReceiveLedStyle, LedMode::Disabled), (LedCell{32, 16}));
    EXPECT_EQ(LedImageCell(kLogLedStyle, LedMode::Off), (LedCell{16, 0}));
    const LedCell last = LedImageCell({LedColour::Blue, LedShape::Square}, LedMode::Disabled);
    EXPECT_EQ(last, (LedCell{(kLedStripColumns - 1) * 16, (kLedStripRows - 1) * 16}));
}

TEST(StatusBarModel, FixPaneTextByQuality) {
    struct Case {
        int quality, mode, station;
        double age;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, 1, 0, 0, "Fix Invalid"},
        {1, 1, 0, 0, "GPS Fix Available"},
        {1, 2, 0, 0, "2D GPS"},
        {1, 3, 0, 0, "3D GPS"},
        {2, 3, 12, 3.5, "Diff ID:0012 Age:3.5"},
        {2, 3, 1023, 12.96, "Diff ID:1023 Age:13.0"},
        {3, 3, 5, 2.26, "Enhanced Diff: Age:2.3"},
        {4, 3, 5, 1, "RTK Float: Age:1.0"},
        {5, 3, 5, 0.5, "RTK Fixed: Age:0.5"},
        {6, 3, 0, 0, "Dead Reckoning"},
        {7, 3, 0, 0, ""},
        {8, 3, 0, 0, "Simulation"},
        {9, 3, 0, 0, ""},
        {-1, 3, 0, 0, ""},
    };
    for (const Case& c : cases) {
        ReceiverState state;
        SetFix(state, c.quality, c.mode, c.station, c.age);
        EXPECT_EQ(StatusBarModel().Tick(state, false).fixText, c.text) << "quality " << c.quality;
    }
}

TEST(StatusBarModel, FixPaneKeepsItsInitialTextUntilAnInputLeavesZero) {
    ReceiverState state;
    StatusBarModel model;
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_FALSE(model.Tick(state, false).fixText);
    Feed(state, {"GPGSA,A,1,,,,,,,,,,,,,,,"}); // no fix, but the mode is now set
    EXPECT_EQ(model.Tick(state, false).fixText, "Fix Invalid");
    Feed(state, {"GPGGA,123520,4807.038,N,01131.000,W,2,08,0.9,100.0,M,,M,3.5,0012",
                 "GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"});
    EXPECT_EQ(model.Tick(state, false).fixText, "Diff ID:0012 Age:3.5");
}

TEST(StatusBarModel, FixPaneRewrittenOnceForEachChangedInput) {
    ReceiverState state;
    StatusBarModel model;
    const std::vector<std::tuple<int, int, int, double, std::optional<std::string>>> steps = {
        {2, 3, 12, 3.5, "Diff ID:0012 Age:3.5"},
        {2, 3, 12, 3.5, std::nullopt},
        {2, 3, 12, 4.5, "Diff ID:0012 Age:4.5"},
        {2, 3, 13, 4.5, "Diff ID:0013 Age:4.5"},
        {1, 3, 13, 4.5, "3D GPS"},
        {1, 2, 13, 4.5, "2D GPS"},
        {1, 2, 14, 9.0, std::nullopt}, // inputs changed, the text did not
        {0, 0, 0, 0, "Fix Invalid"},
        {2, 3, 1, std::nan(""), "Diff ID:0001 Age:nan"},
        {2, 3, 1, std::nan(""), std::nullopt}, // NaN != NaN must not rewrite every tick
    };
    for (const auto& [quality, mode, station, age, text] : steps) {
        SetFix(state, quality, mode, station, age);
        EXPECT_EQ(model.Tick(state, false).fixText, text)
            << quality << "/" << station << "/" << age;
    }
}

} // namespace
