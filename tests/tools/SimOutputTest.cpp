#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Metres along a meridian, or along a parallel at this latitude.
double Metres(double degrees, double latitude = 0) {
    constexpr double kRad = std::numbers::pi / 180.0;
    return degrees * kRad * 6378137.0 * std::cos(latitude * kRad);
}

// A quarter of an hour, through the application's decoders, shows the
// configured place whichever hemispheres it is in, spread by --noise (a
// standard deviation in metres per horizontal axis), and a consistent sky.
TEST(SimOutput, DecodesToTheConfiguredFixInEveryHemisphere) {
    for (const auto& [truth, noise] : {std::pair{Geodetic{48.1173, 11.5167, 592.3}, 0.0},
                                       {{-33.8568, 151.2153, 40}, 2.0},
                                       {{-34.6037, -58.3816, 25}, 3.0},
                                       {{61.2181, -149.9003, 30}, 20.0}}) {
        SCOPED_TRACE(testing::Message() << truth.latitude << "," << truth.longitude);
        SimConfig config = TestConfig();
        config.position = truth;
        config.noise = noise;
        SimReceiver sim(config);
        Decoder d;
        double sumSquares = 0, heightSum = 0;
        constexpr int kSeconds = 900;
        // The clock's steps and a 3D fix held every second are the reset
        // test's; here the place and the spread.
        for (int second = 1; second <= kSeconds; ++second) {
            const std::string out = sim.Tick(1);
            d.Feed(out);
            const NavGroup nav = d.state.CopyNav();
            sumSquares += std::pow(Metres(nav.latitude - truth.latitude), 2) +
                          std::pow(Metres(nav.longitude - truth.longitude, truth.latitude), 2);
            const auto gga = FieldsOf(out, "GPGGA"); // height above sea level, then the geoid
            heightSum += std::stod(gga.at(8)) + std::stod(gga.at(10));
        }
        EXPECT_EQ(d.framer.Dropped(), 0u); // checksums are the fault test's
        const double spread = std::sqrt(sumSquares / (2 * kSeconds));
        EXPECT_NEAR(spread, noise, std::max(0.2, noise / 2));
        EXPECT_NEAR(heightSum / kSeconds, truth.height, 20);

        const NavGroup nav = d.state.CopyNav(); // errors from RRE and POLYP
        EXPECT_TRUE(nav.fixQuality == 1 && nav.horizontalError > 0 && nav.verticalError > 0)
            << nav.fixQuality << " " << nav.horizontalError << " " << nav.verticalError;
        const double hdop = d.state.CopyDop().hdop; // the 3D fix is the reset test's
        EXPECT_TRUE(hdop > 0.3 && hdop < 4.0) << hdop;
        // Only heard satellites are used, and all are listed: the mask and fault tests.
        const SatGroup sat = d.state.CopySat();
        EXPECT_GE(std::count_if(sat.satellites.begin(), sat.satellites.end(),
                                [](const SatelliteInfo& s) { return s.usedInFix == 1; }),
                  4);
    }
}

// Three satellites give a 2D fix at best, fewer none, whatever the stage.
TEST(SimOutput, FixNeedsEnoughSatellites) {
    for (const auto& [satellites, status] : {std::pair{2, "NF"}, {3, "G2"}, {4, "G3"}}) {
        SimConfig config = TestConfig();
        config.satellites = satellites;
        SimReceiver sim(config);
        sim.OnInput("$PZEKS,MASK,0\r\n");
        sim.Tick(60);
        EXPECT_EQ(FieldsOf(sim.Tick(1), "POLYP").at(6), status) << satellites << " satellites";
    }
}

// Blocked satellites are listed without signal (the sky plot's simulator
// test learns the horizon from that) and never used; the others are heard,
// the higher the better.
TEST(SimOutput, OnlyHeardSatellitesAreUsedAndHigherOnesAreHeardBetter) {
    SimConfig config = TestConfig(3);
    config.satellites = 14;
    config.horizon.SetElevation(10);
    config.horizon.AddSector({90, 270, 50});
    SimReceiver sim(config);
    Decoder d;
    int silent = 0, lowBest = 0, highWorst = 99; // signals below 20 and above 60 degrees
    for (int minute = 0; minute < 240; ++minute) {
        d.Feed(sim.Tick(60));
        const SatGroup sat = d.state.CopySat();
        for (int i = 0; i < sat.satellitesInView; ++i) {
            const SatelliteInfo& s = sat.satellites[i];
            EXPECT_GE(s.elevation, 0);
            silent += s.snr == 0;
            EXPECT_FALSE(s.snr == 0 && s.usedInFix) << "PRN " << s.prn;
            if (s.snr > 0 && s.elevation < 20) lowBest = std::max(lowBest, s.snr);
            if (s.snr > 0 && s.elevation > 60) highWorst = std::min(highWorst, s.snr);
        }
    }
    EXPECT_GT(silent, 50);
    EXPECT_GT(highWorst, lowBest);
}

} // namespace
