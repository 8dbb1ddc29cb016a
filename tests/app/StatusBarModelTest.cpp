#include "app/StatusBarModel.h"
#include "nmea/ReceiverState.h"
#include "support/Feed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace {

TEST(StatusBarModel, ReceiveLedOffWhenIdleGreyAtTheHundredthIdleTickOnAtASentence) {
    std::set<int> steady;
    for (int t = 0; t <= 250; ++t)
        steady.insert(t);
    // A sentence arrives just before these ticks; the changes the LED shows.
    const std::pair<std::set<int>, std::map<int, LedMode>> cases[] = {
        {{}, {{1, LedMode::Off}, {100, LedMode::Disabled}}},
        {{0, 1, 2, 3}, {{1, LedMode::On}, {4, LedMode::Off}, {103, LedMode::Disabled}}},
        {{50},
         {{1, LedMode::Off}, {50, LedMode::On}, {51, LedMode::Off}, {150, LedMode::Disabled}}},
        {{180},
         {{1, LedMode::Off}, {100, LedMode::Disabled}, {180, LedMode::On}, {181, LedMode::Off}}},
        {steady, {{1, LedMode::On}}}, // no rewrite while it stays on
    };
    for (const auto& [sentenceTicks, expected] : cases) {
        ReceiverState state;
        StatusBarModel model;
        std::map<int, LedMode> changes;
        for (int tick = 0; tick <= 250; ++tick) {
            if (sentenceTicks.count(tick))
                Feed(state, {"GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"});
            if (auto led = tick ? model.Tick(state, false).receiveLed : std::nullopt)
                changes[tick] = *led;
        }
        EXPECT_EQ(changes, expected) << sentenceTicks.size() << " sentences";
    }
}

TEST(StatusBarModel, LogLedFollowsTheLogFileAndLedCellsFitTheStrip) {
    ReceiverState state;
    StatusBarModel model;
    for (const auto& [open, led] : {std::pair{false, std::optional(LedMode::Disabled)},
                                    {false, std::nullopt},
                                    {true, LedMode::On},
                                    {true, std::nullopt},
                                    {false, LedMode::Disabled}})
        EXPECT_EQ(model.Tick(state, open).logLed, led);
    EXPECT_EQ(LedImageCell(kReceiveLedStyle, LedMode::Disabled), (LedCell{32, 16}));
    EXPECT_EQ(LedImageCell(kLogLedStyle, LedMode::Off), (LedCell{16, 0}));
    EXPECT_EQ(LedImageCell({LedColour::Blue, LedShape::Square}, LedMode::Disabled),
              (LedCell{(kLedStripColumns - 1) * 16, (kLedStripRows - 1) * 16}));
}

TEST(StatusBarModel, FixPaneTextByQuality) {
    // clang-format off
    const std::tuple<int, int, int, double, std::string> cases[] = {
        {0, 1, 0, 0, "Fix Invalid"}, {1, 1, 0, 0, "GPS Fix Available"}, {1, 2, 0, 0, "2D GPS"},
        {1, 3, 0, 0, "3D GPS"}, {2, 3, 12, 3.5, "Diff ID:0012 Age:3.5"},
        {2, 3, 1023, 12.96, "Diff ID:1023 Age:13.0"}, {3, 3, 5, 2.26, "Enhanced Diff: Age:2.3"},
        {4, 3, 5, 1, "RTK Float: Age:1.0"}, {5, 3, 5, 0.5, "RTK Fixed: Age:0.5"},
        {6, 3, 0, 0, "Dead Reckoning"}, {7, 3, 0, 0, ""}, {8, 3, 0, 0, "Simulation"},
        {9, 3, 0, 0, ""}, {-1, 3, 0, 0, ""}};
    // clang-format on
    for (const auto& [quality, mode, station, age, text] : cases)
        EXPECT_EQ(FixText(quality, mode, station, age), text) << "quality " << quality;
}

// From all-zero inputs, which keep the initial text, the pane is rewritten
// once for each change of what it shows.
TEST(StatusBarModel, FixPaneRewrittenOnceForEachChangedText) {
    ReceiverState state;
    StatusBarModel model;
    const std::tuple<int, int, int, double, std::optional<std::string>> steps[] = {
        {0, 0, 0, 0, std::nullopt},
        {0, 0, 0, 0, std::nullopt},
        {0, 1, 0, 0, "Fix Invalid"}, // no fix, but the mode is now set
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
        {
            StateWriter w(state, StateGroup::Nav | StateGroup::Dop);
            w.Nav().fixQuality = quality;
            w.Nav().differentialStation = station;
            w.Nav().differentialAge = age;
            w.Dop().fixMode = mode;
        }
        EXPECT_EQ(model.Tick(state, false).fixText, text)
            << quality << "/" << mode << "/" << station << "/" << age;
    }
}

} // namespace
