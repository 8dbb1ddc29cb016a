#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

struct PositionCase {
    const char* name;
    Geodetic where;
};

class SimOutputPositions : public testing::TestWithParam<PositionCase> {};

// A simulated minute, through the application's decoders, shows the
// configured place whichever hemispheres it is in, and a consistent sky.
TEST_P(SimOutputPositions, MinuteDecodesToTheConfiguredFix) {
    SimConfig config = TestConfig();
    config.position = GetParam().where;
    SimReceiver sim(config);
    Decoder d;
    std::vector<uint64_t> milliseconds;
    for (int second = 0; second < 60; ++second) {
        const std::string out = sim.Tick(1);
        d.Feed(out);
        milliseconds.push_back(std::stoull(FieldsOf(out, "POLYT").at(8)));
        EXPECT_EQ(FieldsOf(out, "POLYP").at(6), "G3");
    }
    EXPECT_EQ(d.framer.ChecksumErrors(), 0u);
    EXPECT_EQ(d.framer.Dropped(), 0u);
    for (size_t i = 1; i < milliseconds.size(); ++i) {
        EXPECT_EQ(milliseconds[i] - milliseconds[i - 1], 1000u) << "second " << i;
    }

    const NavGroup nav = d.state.CopyNav();
    const Geodetic& truth = config.position;
    EXPECT_LT(DistanceMetres(truth.latitude, truth.longitude, nav.latitude, nav.longitude), 12.0);
    EXPECT_NEAR(nav.altitude, truth.height, 20.0); // GGA's sea level height plus the geoid
    EXPECT_EQ(nav.fixQuality, 1);
    EXPECT_GT(nav.horizontalError, 0); // from RRE and POLYP
    EXPECT_GT(nav.verticalError, 0);
    const DopGroup dop = d.state.CopyDop();
    EXPECT_EQ(dop.fixMode, 3);
    EXPECT_GT(dop.hdop, 0.3);
    EXPECT_LT(dop.hdop, 4.0);

    const SatGroup sat = d.state.CopySat();
    ASSERT_EQ(sat.satellitesInView, config.satellites);
    int used = 0;
    for (int i = 0; i < sat.satellitesInView; ++i) {
        const SatelliteInfo& row = sat.satellites[i];
        EXPECT_EQ(row.usedInFix, dop.usedByPrn[row.prn]) << "GSA and POLYS disagree on " << row.prn;
        EXPECT_TRUE(row.snr > 0 || !row.usedInFix) << "PRN " << row.prn;
        used += row.usedInFix;
    }
    EXPECT_GE(used, 4);
}

INSTANTIATE_TEST_SUITE_P(Hemispheres, SimOutputPositions,
                         testing::Values(PositionCase{"NorthEast", {48.1173, 11.5167, 592.3}},
                                         PositionCase{"SouthEast", {-33.8568, 151.2153, 40}},
                                         PositionCase{"SouthWest", {-34.6037, -58.3816, 25}},
                                         PositionCase{"NorthWest", {61.2181, -149.9003, 30}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --noise is a standard deviation in metres per horizontal axis.
TEST(SimOutput, PositionsSpreadByTheConfiguredNoise) {
    struct Case {
        double noise, minSpread, maxSpread;
    };
    for (const Case c : {Case{0, 0, 0.2}, Case{3, 1.2, 6}, Case{20, 8, 40}}) {
        SimConfig config = TestConfig(5);
        config.noise = c.noise;
        SimReceiver sim(config);
        Decoder d;
        double sumSquares = 0;
        const int seconds = 900;
        for (int i = 0; i < seconds; ++i) {
            d.Feed(sim.Tick(1));
            const double north =
                DistanceMetres(config.position.latitude, 0, d.state.CopyNav().latitude, 0);
            sumSquares += north * north;
        }
        const double spread = std::sqrt(sumSquares / seconds);
        EXPECT_GE(spread, c.minSpread) << "noise " << c.noise;
        EXPECT_LE(spread, c.maxSpread) << "noise " << c.noise;
    }
}

// A sky plot learns the mask from where satellites have no signal: blocked
// ones are listed, without signal and unused. The others are heard, the
// higher the better.
TEST(SimOutput, MaskedSatellitesAreSilentAndOthersHeardByElevation) {
    SimConfig config = TestConfig(3);
    config.satellites = 14;
    config.horizon.SetElevation(10);
    config.horizon.AddSector({90, 270, 50});
    SimReceiver sim(config);
    Decoder d;
    int blocked = 0;
    std::vector<int> low, high; // signals below 20 and above 60 degrees
    for (int minute = 0; minute < 240; ++minute) {
        d.Feed(sim.Tick(60));
        const SatGroup sat = d.state.CopySat();
        for (int i = 0; i < sat.satellitesInView; ++i) {
            const SatelliteInfo& s = sat.satellites[i];
            const double limit = (s.azimuth >= 90 && s.azimuth <= 270) ? 50 : 10;
            if (std::abs(s.elevation - limit) <= 1 || std::abs(s.azimuth - 90) <= 1 ||
                std::abs(s.azimuth - 270) <= 1) {
                continue; // rounded to whole degrees: too close to tell
            }
            const bool hidden = s.elevation < limit;
            blocked += hidden;
            EXPECT_EQ(s.snr == 0, hidden) << "PRN " << s.prn << " az " << s.azimuth << " el "
                                          << s.elevation << " SNR " << s.snr;
            EXPECT_FALSE(hidden && s.usedInFix) << "PRN " << s.prn;
            if (!hidden && s.elevation < 20) low.push_back(s.snr);
            if (!hidden && s.elevation > 60) high.push_back(s.snr);
        }
    }
    EXPECT_GT(blocked, 50);
    ASSERT_FALSE(low.empty() || high.empty());
    EXPECT_GT(*std::min_element(high.begin(), high.end()),
              *std::max_element(low.begin(), low.end()));
}

} // namespace
