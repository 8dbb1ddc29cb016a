#include "CommandLine.h"
#include "Dop.h"
#include "Sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <set>

namespace {

TEST(Dop, GeometryDecidesTheDilution) {
    const std::vector<LineOfSight> spread = {{0, 80},   {0, 20},   {90, 30},
                                             {180, 25}, {270, 35}, {45, 50}};
    const Dops good = ComputeDops(spread, false);
    EXPECT_GT(good.hdop, 0.5);
    EXPECT_LT(good.hdop, 2.0);
    EXPECT_GT(good.pdop, good.hdop);
    EXPECT_LT(good.pdop, 3.0);

    const std::vector<LineOfSight> bunched = {{10, 40}, {10, 40}, {10, 40}, {10, 40}};
    EXPECT_EQ(ComputeDops(bunched, false).pdop, kNoDop);
    const std::vector<LineOfSight> three = {{0, 30}, {120, 30}, {240, 30}};
    EXPECT_EQ(ComputeDops(three, false).hdop, kNoDop);
    EXPECT_LT(ComputeDops(three, true).hdop, 4.0); // a held height makes three enough
}

double ArcDegrees(const SkySatellite& a, const SkySatellite& b) {
    constexpr double kDeg = std::numbers::pi / 180;
    const double c = std::sin(a.elevation * kDeg) * std::sin(b.elevation * kDeg) +
                     std::cos(a.elevation * kDeg) * std::cos(b.elevation * kDeg) *
                         std::cos((a.azimuth - b.azimuth) * kDeg);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDeg;
}

// Satellites crawl across the sky at about half a degree a minute, stay
// above the horizon, and are replaced when they set.
TEST(Sky, SatellitesCrawlAndAreReplacedWhenTheySet) {
    Rng rng(42);
    Sky sky(10, rng);
    std::map<int, SkySatellite> previous;
    std::set<int> seen;
    for (const SkySatellite& s : sky.Positions())
        previous[s.prn] = s;
    for (int minute = 1; minute <= 12 * 60; ++minute) {
        sky.Advance(60, rng);
        const auto now = sky.Positions();
        ASSERT_EQ(now.size(), 10u);
        for (const SkySatellite& s : now) {
            seen.insert(s.prn);
            EXPECT_GE(s.elevation, -0.01);
            EXPECT_LE(s.elevation, 90);
            EXPECT_GE(s.azimuth, 0);
            EXPECT_LT(s.azimuth, 360);
            if (previous.count(s.prn)) {
                const double moved = ArcDegrees(previous[s.prn], s);
                EXPECT_GE(moved, 0.39) << "PRN " << s.prn;
                EXPECT_LE(moved, 0.61) << "PRN " << s.prn;
            }
        }
        previous.clear();
        for (const SkySatellite& s : now)
            previous[s.prn] = s;
    }
    EXPECT_GT(seen.size(), 15u);
}

struct ArgsCase {
    std::vector<std::string_view> args;
    bool valid;
};

TEST(CommandLine, OptionsAreCheckedAndApplied) {
    const std::vector<ArgsCase> cases = {
        {{}, true},
        {{"--position", "-33.9,151.2,40", "--noise=0.5", "--satellites", "14"}, true},
        {{"--mask", "10", "--mask-sector", "90-180:40", "--mask-sector", "300-20:15"}, true},
        {{"--start", "cold", "--ttff-cold", "60", "--ttff-spread", "0"}, true},
        {{"--loader-code", "3@5", "--loader-code", "7@1", "--bad-checksum-rate", "0.1"}, true},
        {{"--silent", "--drop-replies", "--no-polyn", "--seed", "9", "--speed", "50"}, true},
        {{"--position", "48,11"}, false},
        {{"--satellites", "15"}, false},
        {{"--satellites", "0"}, false},
        {{"--speed", "0"}, false},
        {{"--start", "lukewarm"}, false},
        {{"--loader-code", "3"}, false},
        {{"--loader-code", "3@0"}, false},
        {{"--bad-checksum-rate", "1.5"}, false},
        {{"--mask-sector", "90-180"}, false},
        {{"--mask-sector", "90:30"}, false},
        {{"--mask-sector", "400-10:5"}, false},
        {{"--mask-sector", "10-20:95"}, false},
        {{"--noise"}, false},
        {{"--silent=yes"}, false},
        {{"--frobnicate"}, false},
    };
    for (const ArgsCase& c : cases) {
        CliOptions options;
        std::string error;
        EXPECT_EQ(ParseCommandLine(c.args, options, error), c.valid)
            << (c.args.empty() ? "" : c.args[0]) << " " << error;
        EXPECT_EQ(error.empty(), c.valid);
    }

    CliOptions o;
    std::string error;
    const std::vector<std::string_view> args = {"--position",    "-33.9,151.2,40", "--start",
                                                "warm",          "--loader-code",  "3@5",
                                                "--mask-sector", "300-20:15",      "--speed=50"};
    ASSERT_TRUE(ParseCommandLine(args, o, error));
    EXPECT_EQ(o.sim.position.latitude, -33.9);
    EXPECT_EQ(o.sim.position.height, 40);
    EXPECT_EQ(o.sim.startKind, ResetKind::Warm);
    ASSERT_EQ(o.sim.loaderFaults.size(), 1u);
    EXPECT_EQ(o.sim.loaderFaults[0].code, "3");
    EXPECT_EQ(o.sim.loaderFaults[0].record, 5);
    EXPECT_TRUE(o.sim.horizon.Blocks(10, 14)); // the sector spans north
    EXPECT_TRUE(o.sim.horizon.Blocks(310, 14));
    EXPECT_FALSE(o.sim.horizon.Blocks(180, 14));
    EXPECT_EQ(o.speed, 50);
}

} // namespace
