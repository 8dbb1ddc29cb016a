#include "CommandLine.h"
#include "Dop.h"
#include "TextUtil.h"

#include <gtest/gtest.h>

namespace {

// Spread satellites give a small dilution; bunched ones, or three without a
// held height, none at all.
TEST(Dop, GeometryDecidesTheDilution) {
    const Dops good = ComputeDops(
        std::vector<LineOfSight>{{0, 80}, {0, 20}, {90, 30}, {180, 25}, {270, 35}, {45, 50}},
        false);
    EXPECT_TRUE(good.hdop > 0.5 && good.hdop < 2.0) << good.hdop;
    EXPECT_TRUE(good.pdop > good.hdop && good.pdop < 3.0) << good.pdop;
    EXPECT_EQ(ComputeDops(std::vector<LineOfSight>(4, {10, 40}), false).pdop, kNoDop);
    const std::vector<LineOfSight> three = {{0, 30}, {120, 30}, {240, 30}};
    EXPECT_EQ(ComputeDops(three, false).hdop, kNoDop);
    EXPECT_LT(ComputeDops(three, true).hdop, 4.0);
}

// Options as one line, split at spaces.
bool Parse(std::string_view line, CliOptions& options) {
    std::string error;
    const auto args = line.empty() ? std::vector<std::string_view>{} : Split(line, ' ');
    const bool valid = ParseCommandLine(args, options, error);
    EXPECT_EQ(error.empty(), valid) << line << ": " << error;
    return valid;
}

TEST(CommandLine, OptionsAreCheckedAndApplied) {
    CliOptions o;
    for (const char* good :
         {"", "--noise=0.5 --satellites 14 --mask 10 --mask-sector 90-180:40 --start cold",
          "--ttff-cold 60 --ttff-spread 0 --loader-code 7@1 --bad-checksum-rate 0.1",
          "--silent --drop-replies --no-polyn --ignore-resets --no-estimates --seed 9",
          "--loader-silence 4:2 --loader-stall exe --loader-final OK --loader-erase-fails"})
        EXPECT_TRUE(Parse(good, o)) << good;
    for (const char* bad :
         {"--position 48,11", "--satellites 15", "--speed 0", "--start lukewarm", "--loader-code 3",
          "--loader-code 3@0", "--loader-code 3@2:0", "--loader-stall copy",
          "--bad-checksum-rate 1.5", "--mask-sector 90-180", "--mask-sector 400-10:5",
          "--mask-sector 10-20:95", "--noise", "--silent=yes", "--frobnicate"})
        EXPECT_FALSE(Parse(bad, o)) << bad;

    o = {};
    ASSERT_TRUE(Parse("--position -33.9,151.2,40 --start warm --loader-code 3@5:2 "
                      "--mask-sector 300-20:15 --speed=50",
                      o));
    ASSERT_EQ(o.sim.loader.faults.size(), 1u);
    EXPECT_EQ(std::tuple(o.sim.position.latitude, o.sim.position.height, o.sim.startKind,
                         o.sim.loader.faults[0].code, o.sim.loader.faults[0].record,
                         o.sim.loader.faults[0].times, o.speed),
              std::tuple(-33.9, 40, ResetKind::Warm, "3", 5, 2, 50));
    // The sector spans north.
    EXPECT_EQ(std::tuple(o.sim.horizon.Blocks(10, 14), o.sim.horizon.Blocks(310, 14),
                         o.sim.horizon.Blocks(180, 14)),
              std::tuple(true, true, false));
}

} // namespace
