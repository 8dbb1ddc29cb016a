#include "views/skyplot/MaskFile.h"
#include "views/skyplot/PhysicalMask.h"
#include "views/skyplot/PolarGeometry.h"
#include "views/skyplot/SatelliteTrails.h"
#include "views/skyplot/SkyPlotModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

// prn, azimuth, elevation, used, snr
PlotSatellite Sat(int prn, int azimuth, int elevation, int used, int snr) {
    return {prn, azimuth, elevation, used, snr, 0};
}

TEST(SkyPlotSlots, InViewCountCappedAtTheTableAndPositionsToDraw) {
    // prn, azimuth, elevation; due north and the horizon are positions.
    const int cases[][4] = {
        {5, 0, 0, 0}, {5, 100, 91, 0}, {0, 100, 30, 0}, {5, 0, 30, 1}, {5, 100, 0, 1}};
    for (const auto& [prn, azimuth, elevation, drawn] : cases)
        EXPECT_EQ(HasPlotPosition(prn, azimuth, elevation), drawn == 1)
            << azimuth << "/" << elevation;

    SatelliteTable table{};
    table.fill({5, 30, 0, 100, 20, 1, 1});
    EXPECT_EQ(SlotsFromTable(table, -3), PlotSatellites{});
    const PlotSatellites all = SlotsFromTable(table, 99);
    EXPECT_EQ(std::count(all.begin(), all.end(), PlotSatellite{5, 100, 20, 1, 30, 0}),
              kMaxSatellites);
}

// Each update is a list of satellites (prn, azimuth, elevation, used, snr)
// with the threshold at 40, and whether it changed the mask; `lowered` maps
// azimuth to elevation, every other entry stays reset.
TEST(PhysicalMask, UpdateRule) {
    using Update = std::vector<PlotSatellite>;
    const std::tuple<std::vector<Update>, std::vector<bool>, std::map<int, int>> cases[] = {
        // A used satellite lowers its entry; a higher one later starts
        // nothing, not even for a lower unused one.
        {{{{7, 123, 20, 1, 45}}, {{7, 123, 30, 1, 45}, {8, 50, 10, 0, 45}}}, {1, 0}, {{123, 20}}},
        // Unused satellites alone change nothing; one used satellite below
        // the mask lets them lower theirs too.
        {{{{7, 10, 20, 0, 50}, {8, 200, 5, 0, 50}},
          {{7, 10, 20, 0, 50}, {8, 200, 5, 0, 50}, {9, 300, 60, 1, 41}}},
         {0, 1},
         {{10, 20}, {200, 5}, {300, 60}}},
        // Below the threshold counts for neither the test nor the update.
        {{{{7, 10, 20, 1, 39}, {8, 20, 20, 0, 39}}, {{7, 10, 20, 1, 40}, {8, 20, 20, 0, 39}}},
         {0, 1},
         {{10, 20}}},
        // Azimuth and elevation both zero is no position.
        {{{{7, 0, 0, 1, 45}}, {{7, 0, 12, 1, 45}}}, {0, 1}, {{0, 12}}},
        // Azimuths outside 0..359 never address the mask.
        {{{{7, 360, 10, 1, 45}, {8, -1, 10, 1, 45}, {9, 100000, 10, 1, 45}}}, {0}, {}},
        // Exactly at the mask is not below it.
        {{{{7, 10, 76, 1, 45}}, {{7, 10, 20, 1, 45}}, {{8, 10, 20, 1, 45}}}, {0, 1, 0}, {{10, 20}}},
        // The lowest of two satellites at one azimuth stays.
        {{{{7, 45, 30, 1, 45}, {8, 45, 20, 1, 45}, {9, 45, 25, 0, 45}}}, {1}, {{45, 20}}},
    };
    for (size_t what = 0; what < std::size(cases); ++what) {
        const auto& [updates, changed, lowered] = cases[what];
        PhysicalMask mask;
        for (size_t i = 0; i < updates.size(); ++i) {
            PlotSatellites slots{};
            std::copy(updates[i].begin(), updates[i].end(), slots.begin());
            EXPECT_EQ(mask.Update(slots, 40), changed[i]) << "case " << what << ", update " << i;
        }
        for (int az = 0; az < kMaskEntries; ++az) {
            const bool low = lowered.contains(az);
            const MaskEntry expected{az, low ? lowered.at(az) : 76, low};
            EXPECT_EQ(mask.Entries()[static_cast<size_t>(az)], expected)
                << "case " << what << ", " << az;
        }
    }
}

TEST(SatelliteTrails, APointOnlyWhenTheSlotMoves) {
    SatelliteTrails trails;
    EXPECT_EQ(trails.Append(0, PlotSatellite{}), TrailAppend::Unchanged); // empty, as the ring
    EXPECT_EQ(trails.Append(3, Sat(7, 100, 30, 1, 44)), TrailAppend::Added);
    EXPECT_EQ(trails.Append(3, Sat(7, 100, 30, 0, 12)), TrailAppend::Unchanged); // same place
    EXPECT_EQ(trails.Append(3, Sat(7, 101, 30, 1, 44)), TrailAppend::Added);     // one degree
    EXPECT_EQ(trails.Append(3, Sat(9, 101, 30, 1, 44)), TrailAppend::Added);     // another PRN
    EXPECT_EQ(trails.Point(3, 1), (TrailPoint{7, 101, 30, 1, 44}));
    // The slot empties: a zero point marks it, and is never drawn.
    EXPECT_EQ(trails.Append(3, PlotSatellite{}), TrailAppend::Added);
    EXPECT_FALSE(IsDrawable(trails.Last(3))); // clearing is the window's trails test's
}

TEST(PolarGeometry, NorthUpClockwiseZenithAtTheCentreInsideTheClientArea) {
    const PolarGeometry wide = PolarGeometry::ForClient(515, 301); // the smaller side decides
    EXPECT_EQ(wide.Map(0, 90), (PlotPoint{7 + 501 / 2, 7 + 287 / 2}));
    EXPECT_DOUBLE_EQ(wide.Radius(), 143.5);
    EXPECT_DOUBLE_EQ(PolarGeometry::ForClient(10, 10).Radius(), 0); // too small: no plot

    // A radius of 143.5 pixels: 1.594 pixels a degree, whole pixels towards the centre.
    const PolarGeometry g(200, 150, 143.5);
    for (const auto& [azimuth, elevation, expected] : {std::tuple{0.0, 0.0, PlotPoint{200, 7}},
                                                       {180.0, 0.0, {200, 293}},
                                                       {270.0, 30.0, {105, 150}},
                                                       {22.5, 0.0, {254, 18}},
                                                       {123.0, 90.0, {200, 150}}})
        EXPECT_EQ(g.Map(azimuth, elevation), expected) << azimuth << "/" << elevation;
    EXPECT_EQ(g.Map(400, 33), g.Map(40, 33)); // azimuths wrap around
    EXPECT_EQ(g.Map(-30, 33), g.Map(330, 33));
    // Nonsense from a file stays a (far away) point instead of overflowing.
    EXPECT_GT(g.Map(180, -2147483648.0).y, 1000000);
}

TEST(MaskFile, LittleEndianRecordsAfterTheCommentAndARoundTripKeepsEverySavedByte) {
    MaskFileContent content;
    for (int i = 0; i < kMaskEntries; ++i)
        content.mask[static_cast<size_t>(i)] = {i, (i * 7) % 91 - 5, i % 3 == 0};
    SetCommentText(content.comment, std::string(5000, 'x')); // too long: cut to fit
    EXPECT_EQ(CommentText(content.comment), std::string(2047, 'x'));
    SetCommentText(content.comment, std::string(511, 'c')); // the tail of the longer one stays
    const std::string bytes = EncodeMaskFile(content);
    ASSERT_EQ(bytes.size(), 6368u);
    EXPECT_EQ(bytes.substr(0, 513), std::string(511, 'c') + std::string("\0x", 2));
    // Azimuth 0: elevation -5, observed; azimuth 1: elevation 2, not observed.
    EXPECT_EQ(bytes.substr(2048, 24), std::string("\0\0\0\0\xFB\xFF\xFF\xFF\x01\0\0\0"
                                                  "\x01\0\0\0\x02\0\0\0\0\0\0\0",
                                                  24));
    MaskFileContent read;
    std::string error;
    // Trailing bytes past the file's size are not part of it.
    ASSERT_TRUE(DecodeMaskFile(bytes + "trailing", read, error)) << error;
    EXPECT_EQ(read, content);
    read.comment.fill('z'); // no terminator in a foreign file
    EXPECT_EQ(CommentText(read.comment), std::string(2048, 'z'));
}

} // namespace
