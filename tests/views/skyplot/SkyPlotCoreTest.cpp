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

PlotSatellites Slots(std::initializer_list<PlotSatellite> satellites) {
    PlotSatellites slots{};
    std::copy(satellites.begin(), satellites.end(), slots.begin());
    return slots;
}

TEST(SkyPlotSlots, InViewCountCappedAtTheTable) {
    SatelliteTable table{};
    table.fill({5, 30, 0, 100, 20, 1, 1});
    EXPECT_EQ(SlotsFromTable(table, -3), PlotSatellites{});
    const PlotSatellites all = SlotsFromTable(table, 99);
    EXPECT_EQ(std::count(all.begin(), all.end(), PlotSatellite{5, 100, 20, 1, 30, 0}),
              kMaxSatellites);
}

TEST(PhysicalMask, UpdateRule) {
    const struct Case {
        const char* what;
        std::vector<PlotSatellites> updates;
        std::vector<bool> changed;
        std::map<int, int> lowered; // azimuth -> elevation; every other entry stays reset
    } cases[] = {
        {"a used satellite lowers its entry; a higher one later starts nothing, not even for a "
         "lower unused one",
         {Slots({Sat(7, 123, 20, 1, 45)}), Slots({Sat(7, 123, 30, 1, 45), Sat(8, 50, 10, 0, 45)})},
         {true, false},
         {{123, 20}}},
        {"unused satellites alone change nothing; one used satellite below the mask lets them "
         "lower theirs too",
         {Slots({Sat(7, 10, 20, 0, 50), Sat(8, 200, 5, 0, 50)}),
          Slots({Sat(7, 10, 20, 0, 50), Sat(8, 200, 5, 0, 50), Sat(9, 300, 60, 1, 41)})},
         {false, true},
         {{10, 20}, {200, 5}, {300, 60}}},
        {"below the threshold counts for neither the test nor the update",
         {Slots({Sat(7, 10, 20, 1, 39), Sat(8, 20, 20, 0, 39)}),
          Slots({Sat(7, 10, 20, 1, 40), Sat(8, 20, 20, 0, 39)})},
         {false, true},
         {{10, 20}}},
        {"azimuth and elevation both zero is no position",
         {Slots({Sat(7, 0, 0, 1, 45)}), Slots({Sat(7, 0, 12, 1, 45)})},
         {false, true},
         {{0, 12}}},
        {"azimuths outside 0..359 never address the mask",
         {Slots({Sat(7, 360, 10, 1, 45), Sat(8, -1, 10, 1, 45), Sat(9, 100000, 10, 1, 45)})},
         {false},
         {}},
        {"exactly at the mask is not below it",
         {Slots({Sat(7, 10, 76, 1, 45)}), Slots({Sat(7, 10, 20, 1, 45)}),
          Slots({Sat(8, 10, 20, 1, 45)})},
         {false, true, false},
         {{10, 20}}},
        {"the lowest of two satellites at one azimuth stays",
         {Slots({Sat(7, 45, 30, 1, 45), Sat(8, 45, 20, 1, 45), Sat(9, 45, 25, 0, 45)})},
         {true},
         {{45, 20}}},
    };
    for (const Case& c : cases) {
        PhysicalMask mask;
        for (size_t i = 0; i < c.updates.size(); ++i)
            EXPECT_EQ(mask.Update(c.updates[i], 40), c.changed[i]) << c.what << ", update " << i;
        for (int az = 0; az < kMaskEntries; ++az) {
            const bool lowered = c.lowered.contains(az);
            const MaskEntry expected{az, lowered ? c.lowered.at(az) : 76, lowered};
            EXPECT_EQ(mask.Entries()[static_cast<size_t>(az)], expected) << c.what << ", " << az;
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
    EXPECT_FALSE(IsDrawable(trails.Last(3)));
    trails.Clear();
    EXPECT_EQ(trails.Point(3, 1), TrailPoint{});
}

TEST(PolarGeometry, NorthUpClockwiseZenithAtTheCentreInsideTheClientArea) {
    const PolarGeometry wide = PolarGeometry::ForClient(515, 301); // the smaller side decides
    EXPECT_EQ(wide.Map(0, 90), (PlotPoint{7 + 501 / 2, 7 + 287 / 2}));
    EXPECT_DOUBLE_EQ(wide.Radius(), 143.5);
    EXPECT_DOUBLE_EQ(PolarGeometry::ForClient(10, 10).Radius(), 0); // too small: no plot

    const PolarGeometry g(200, 150, 143.5);
    const double k = 143.5 * 0.011111111111111112;
    const struct {
        double azimuth, elevation;
        PlotPoint expected;
    } cases[] = {
        {0, 0, {200, 150 - static_cast<int>(k * 90)}},
        {180, 0, {200, 150 + static_cast<int>(k * 90)}},
        {270, 30, {200 - static_cast<int>(k * 60), 150}},
        {22.5,
         0,
         {200 + static_cast<int>(k * 90 * std::sin(M_PI / 8)),
          150 - static_cast<int>(k * 90 * std::cos(M_PI / 8))}},
        {123, 90, {200, 150}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(g.Map(c.azimuth, c.elevation), c.expected) << c.azimuth << "/" << c.elevation;
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
    EXPECT_EQ(CommentText(read.comment), std::string(511, 'c'));
    read.comment.fill('z'); // no terminator in a foreign file
    EXPECT_EQ(CommentText(read.comment), std::string(2048, 'z'));
}

} // namespace
