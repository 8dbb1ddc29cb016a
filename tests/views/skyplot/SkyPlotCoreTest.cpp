#include "views/skyplot/MaskFile.h"
#include "views/skyplot/PhysicalMask.h"
#include "views/skyplot/PolarGeometry.h"
#include "views/skyplot/SatelliteTrails.h"
#include "views/skyplot/SkyPlotModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// prn, azimuth, elevation, used, snr
PlotSatellite Sat(int prn, int azimuth, int elevation, int used, int snr) {
    return {prn, azimuth, elevation, used, snr, 0};
}

PlotSatellites Slots(std::initializer_list<PlotSatellite> satellites) {
    PlotSatellites slots{};
    size_t i = 0;
    for (const PlotSatellite& s : satellites)
        slots[i++] = s;
    return slots;
}

TEST(SkyPlotSlots, RowsInViewFillTheSlotsInTableOrderCappedAtTheTable) {
    SatelliteTable table{};
    for (int i = 0; i < kMaxSatellites; ++i)
        table[static_cast<size_t>(i)] = {40 - i, 30, 31, 100 + i, 20, 1, i % 2};
    for (int inView : {-3, 0, 2, 33, 99}) {
        const PlotSatellites slots = SlotsFromTable(table, inView);
        const int filled = std::clamp(inView, 0, kMaxSatellites);
        for (int i = 0; i < kPlotSlots; ++i) {
            const PlotSatellite expected =
                i < filled ? PlotSatellite{40 - i, 100 + i, 20, i % 2, 30, 31} : PlotSatellite{};
            EXPECT_EQ(slots[static_cast<size_t>(i)], expected) << inView << " slot " << i;
        }
    }
}

TEST(PhysicalMask, StartsAtSeventySixDegreesUnobserved) {
    PhysicalMask mask;
    for (int i = 0; i < kMaskEntries; ++i)
        ASSERT_EQ(mask.Entries()[static_cast<size_t>(i)], (MaskEntry{i, 76, 0}));
}

TEST(PhysicalMask, UpdateRule) {
    struct Lowered {
        int azimuth;
        int elevation;
    };
    const struct Case {
        const char* what;
        std::vector<PlotSatellites> updates;
        std::vector<bool> changed;
        std::vector<Lowered> lowered; // every other entry stays reset
    } cases[] = {
        {"a used satellite lowers its entry; a higher one later does not",
         {Slots({Sat(7, 123, 20, 1, 45)}), Slots({Sat(7, 123, 25, 1, 45)})},
         {true, false},
         {{123, 20}}},
        {"unused satellites alone change nothing",
         {Slots({Sat(7, 10, 20, 0, 50), Sat(8, 200, 5, 0, 50)})},
         {false},
         {}},
        {"one used satellite below the mask lets the unused ones lower theirs too",
         {Slots({Sat(7, 10, 20, 0, 50), Sat(8, 200, 5, 0, 50), Sat(9, 300, 60, 1, 41)})},
         {true},
         {{10, 20}, {200, 5}, {300, 60}}},
        {"a used satellite that lowers nothing starts nothing",
         {Slots({Sat(7, 123, 20, 1, 45)}), Slots({Sat(7, 123, 30, 1, 45), Sat(8, 50, 10, 0, 45)})},
         {true, false},
         {{123, 20}}},
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
        {"the lowest of two satellites at one azimuth stays",
         {Slots({Sat(7, 45, 30, 1, 45), Sat(8, 45, 20, 1, 45), Sat(9, 45, 25, 0, 45)})},
         {true},
         {{45, 20}}},
    };
    for (const Case& c : cases) {
        PhysicalMask mask;
        for (size_t i = 0; i < c.updates.size(); ++i)
            EXPECT_EQ(mask.Update(c.updates[i], 40), c.changed[i]) << c.what << ", update " << i;
        PhysicalMask expected;
        MaskEntries entries = expected.Entries();
        for (const Lowered& l : c.lowered)
            entries[static_cast<size_t>(l.azimuth)] = {l.azimuth, l.elevation, 1};
        EXPECT_EQ(mask.Entries(), entries) << c.what;
    }
}

TEST(SatelliteTrails, APointOnlyWhenTheSlotMoves) {
    SatelliteTrails trails;
    EXPECT_EQ(trails.Append(0, PlotSatellite{}), TrailAppend::Unchanged); // empty, as the ring
    EXPECT_EQ(trails.Append(3, Sat(7, 100, 30, 1, 44)), TrailAppend::Added);
    EXPECT_EQ(trails.Append(3, Sat(7, 100, 30, 0, 12)), TrailAppend::Unchanged); // same place
    EXPECT_EQ(trails.Append(3, Sat(7, 101, 30, 1, 44)), TrailAppend::Added);     // one degree
    EXPECT_EQ(trails.Append(3, Sat(9, 101, 30, 1, 44)), TrailAppend::Added);     // another PRN
    EXPECT_EQ(trails.NextIndex(3), 3);
    EXPECT_EQ(trails.Point(3, 1), (TrailPoint{7, 101, 30, 1, 44}));
    // The slot empties: a zero point marks it, and is never drawn.
    EXPECT_EQ(trails.Append(3, PlotSatellite{}), TrailAppend::Added);
    EXPECT_FALSE(IsDrawable(trails.Last(3)));
    for (int slot = 0; slot < kPlotSlots; ++slot)
        EXPECT_EQ(trails.NextIndex(slot), slot == 3 ? 4 : 0);

    trails.Clear();
    EXPECT_EQ(trails.NextIndex(3), 0);
    EXPECT_EQ(trails.Point(3, 1), TrailPoint{});
}

TEST(SatelliteTrails, RingOfFiveHundredOverwritesTheOldest) {
    SatelliteTrails trails;
    for (int i = 0; i < kTrailPoints; ++i)
        ASSERT_EQ(trails.Append(1, Sat(4, i % 360, 10 + i / 360, 1, 40)), TrailAppend::Added);
    EXPECT_EQ(trails.NextIndex(1), 0);
    EXPECT_EQ(trails.Last(1), (TrailPoint{4, 139, 11, 1, 40})); // index 499
    // Staying at the last point (index 499) adds nothing even though the index wrapped.
    EXPECT_EQ(trails.Append(1, Sat(4, 139, 11, 1, 40)), TrailAppend::Unchanged);
    EXPECT_EQ(trails.Append(1, Sat(4, 200, 50, 1, 40)), TrailAppend::Replaced);
    EXPECT_EQ(trails.Point(1, 0), (TrailPoint{4, 200, 50, 1, 40}));
    EXPECT_EQ(trails.NextIndex(1), 1);
    int drawn = 0;
    trails.ForEachDrawable([&](const TrailPoint&) { ++drawn; });
    EXPECT_EQ(drawn, kTrailPoints);
}

TEST(PolarGeometry, ClientAreaInsideMarginAndBorder) {
    const PolarGeometry square = PolarGeometry::ForClient(400, 400);
    EXPECT_EQ(square.CenterX(), 200);
    EXPECT_EQ(square.CenterY(), 200);
    EXPECT_DOUBLE_EQ(square.Radius(), 193);
    const PolarGeometry wide = PolarGeometry::ForClient(515, 301);
    EXPECT_EQ(wide.CenterX(), 7 + 501 / 2);
    EXPECT_EQ(wide.CenterY(), 7 + 287 / 2);
    EXPECT_DOUBLE_EQ(wide.Radius(), 143.5);
    EXPECT_DOUBLE_EQ(PolarGeometry::ForClient(10, 10).Radius(), 0); // too small: no plot
}

TEST(PolarGeometry, NorthUpClockwiseZenithAtTheCentre) {
    const PolarGeometry g(200, 150, 143.5);
    const double k = 143.5 * 0.011111111111111112;
    const struct {
        double azimuth, elevation;
        PlotPoint expected;
    } cases[] = {
        {90, 45, {200 + static_cast<int>(k * 45), 150}},
        {0, 0, {200, 150 - static_cast<int>(k * 90)}},
        {180, 0, {200, 150 + static_cast<int>(k * 90)}},
        {270, 30, {200 - static_cast<int>(k * 60), 150}},
        {45,
         60,
         {200 + static_cast<int>(k * 30 * std::sin(M_PI / 4)),
          150 - static_cast<int>(k * 30 * std::cos(M_PI / 4))}},
        {123, 90, {200, 150}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(g.Map(c.azimuth, c.elevation), c.expected) << c.azimuth << "/" << c.elevation;
    // Whole degrees (looked up) and fractions (computed) follow one formula.
    for (double azimuth : {0.0, 1.0, 37.0, 123.0, 359.0, 12.5, 359.5, 400.0, -30.0}) {
        const double angle = azimuth * 0.017453292519943334;
        const double r = k * (90 - 33);
        const PlotPoint expected{200 + static_cast<int>(r * std::sin(angle)),
                                 150 + static_cast<int>(r * -std::cos(angle))};
        EXPECT_EQ(g.Map(azimuth, 33), expected) << azimuth;
    }
    // Nonsense from a file stays a (far away) point instead of overflowing.
    const PlotPoint far = g.Map(180, -2147483648.0);
    EXPECT_GT(far.y, 1000000);
}

TEST(MaskFile, RoundTripKeepsEverySavedByte) {
    MaskFileContent content;
    for (int i = 0; i < kMaskEntries; ++i)
        content.mask[static_cast<size_t>(i)] = {i, (i * 7) % 91 - 5, i % 3 == 0};
    SetCommentText(content.comment, std::string(1500, 'x'));
    SetCommentText(content.comment, std::string(511, 'c')); // the tail of the longer one stays
    const std::string bytes = EncodeMaskFile(content);
    EXPECT_EQ(bytes[511], '\0');
    EXPECT_EQ(bytes[512], 'x');
    MaskFileContent read;
    std::string error;
    ASSERT_TRUE(DecodeMaskFile(bytes, read, error)) << error;
    EXPECT_EQ(read, content);
    EXPECT_EQ(CommentText(read.comment), std::string(511, 'c'));
    // Trailing bytes past the file's size are not part of it.
    ASSERT_TRUE(DecodeMaskFile(bytes + "trailing", read, error));
    EXPECT_EQ(read, content);
}

TEST(MaskFile, CommentTextStopsAtTheFirstZeroOrTheBufferEnd) {
    CommentBuffer buffer{};
    EXPECT_EQ(CommentText(buffer), "");
    buffer.fill('z');
    EXPECT_EQ(CommentText(buffer), std::string(2048, 'z')); // no terminator in a foreign file
    SetCommentText(buffer, std::string(5000, 'y'));         // too long: cut to fit
    EXPECT_EQ(CommentText(buffer), std::string(2047, 'y'));
}

TEST(SkyPlotModel, UpdateReportsNewTrailPointsReplacementsAndMaskChanges) {
    SkyPlotModel model;
    model.Options().snrThreshold = 40;
    SatelliteTable table{};
    table[0] = {12, 45, 0, 100, 20, 1, 1};
    table[1] = {33, 30, 0, 200, 50, 1, 0};
    SkyPlotChanges changes = model.Update(table, 2);
    ASSERT_EQ(changes.addedTrailPoints.size(), 2u);
    EXPECT_EQ(changes.addedTrailPoints[1], (TrailPoint{33, 200, 50, 0, 30}));
    EXPECT_FALSE(changes.trailPointReplaced);
    EXPECT_TRUE(changes.maskChanged);
    EXPECT_EQ(model.Mask().Entries()[100], (MaskEntry{100, 20, 1}));
    EXPECT_EQ(model.Mask().Entries()[200], (MaskEntry{200, 76, 0})); // snr 30 < 40

    changes = model.Update(table, 2);
    EXPECT_TRUE(changes.addedTrailPoints.empty());
    EXPECT_FALSE(changes.maskChanged);
    for (int i = 1; i < kTrailPoints; ++i) {
        table[0].azimuth = 100 + i % 200;
        table[0].elevation = 20 + i / 200;
        ASSERT_FALSE(model.Update(table, 2).trailPointReplaced) << i;
    }
    table[0].elevation = 80;
    changes = model.Update(table, 2);
    EXPECT_TRUE(changes.trailPointReplaced);
    EXPECT_EQ(changes.addedTrailPoints.size(), 1u);
}

} // namespace
