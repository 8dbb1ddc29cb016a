#include "support/Feed.h"

#include <gtest/gtest.h>

namespace {

const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

TEST(GgaDecoder, DecodesTimePositionHeightAboveEllipsoidAndDifferentialData) {
    ReceiverState state;
    {
        StateWriter w(state, StateGroup::Nav);
        w.Nav().differentialStation = 77;
    }
    Feed(state, {kGga});
    const NavGroup nav = state.CopyNav();
    EXPECT_EQ(nav.hour, 12);
    EXPECT_EQ(nav.minute, 35);
    EXPECT_EQ(nav.second, 19);
    EXPECT_NEAR(nav.latitude, 48.1173, 1e-12);
    EXPECT_NEAR(nav.longitude, 11.516666666666667, 1e-12);
    EXPECT_EQ(nav.fixQuality, 1);
    EXPECT_NEAR(nav.altitude, 592.3, 1e-9);
    EXPECT_EQ(nav.differentialAge, 0.0);    // empty between commas reads 0
    EXPECT_EQ(nav.differentialStation, 77); // missing at the end: unchanged
    EXPECT_EQ(nav.positionUpdateCount, 1);
}

TEST(GgaDecoder, RepeatedTimeCountsOnce) {
    struct Case {
        std::initializer_list<std::string> bodies;
        int updates;
    };
    const Case cases[] = {
        {{kGga, kGga}, 1},
        {{kGga, "GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"}, 2},
        // An empty time reads 00:00:00, which the zeroed state already holds.
        {{"GPGGA,,4807.038,N"}, 0},
        // A missing time never compares.
        {{"GPGGA,"}, 1},
    };
    for (const Case& c : cases) {
        ReceiverState state;
        Feed(state, c.bodies);
        EXPECT_EQ(state.GetPositionUpdateCount(), c.updates) << *c.bodies.begin();
    }
}

TEST(GgaDecoder, EmptyFieldsReadZeroAndSouthWestAreNegative) {
    ReceiverState state;
    Feed(state, {kGga, "GPGGA,123520,,N,01131.000,W,2,08,0.9,100.0,M,,M,3.5,0012"});
    const NavGroup nav = state.CopyNav();
    EXPECT_EQ(nav.latitude, 0.0);
    EXPECT_NEAR(nav.longitude, -11.516666666666667, 1e-12);
    EXPECT_EQ(nav.altitude, 100.0); // empty geoid separation adds 0
    EXPECT_EQ(nav.fixQuality, 2);
    EXPECT_EQ(nav.differentialAge, 3.5);
    EXPECT_EQ(nav.differentialStation, 12);
}

TEST(GsaDecoder, SetsModeUsedPrnsAndDops) {
    ReceiverState state;
    state.SetRestartNotified(1);
    Feed(state, {"GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"});
    const DopGroup dop = state.CopyDop();
    EXPECT_EQ(dop.fixMode, 3);
    std::array<int32_t, kMaxPrn + 1> used{};
    for (int prn : {4, 5, 9, 12, 24})
        used[prn] = 1;
    EXPECT_EQ(dop.usedByPrn, used);
    EXPECT_EQ(dop.pdop, 2.5);
    EXPECT_EQ(dop.hdop, 1.3);
    EXPECT_EQ(dop.vdop, 2.1);
    EXPECT_EQ(state.GetRestartNotified(), 0);
}

TEST(GsaDecoder, ModeOtherThanTwoOrThreeMeansNoFixAndUsedFlagsAreReplaced) {
    struct Case {
        std::string body;
        int mode;
    };
    const Case cases[] = {{"GPGSA,A,1", 1},
                          {"GPGSA,A,", 1},
                          {"GPGSA,A", 1},
                          {"GPGSA,A,2,33,65", 2},
                          {"GPGSA,A,7", 1}};
    for (const Case& c : cases) {
        ReceiverState state;
        Feed(state, {"GPGSA,A,3,04,05", c.body});
        const DopGroup dop = state.CopyDop();
        EXPECT_EQ(dop.fixMode, c.mode) << c.body;
        EXPECT_EQ(dop.usedByPrn, (std::array<int32_t, kMaxPrn + 1>{})) << c.body;
    }
}

TEST(GsvDecoder, MessagesFillTheirRowsAndUsedFlagsComeFromGsa) {
    ReceiverState state;
    Feed(state, {"GPGSA,A,3,14,16,,,,,,,,,,,2.5,1.3,2.1",
                 "GPGSV,3,1,10,01,10,100,30,02,20,200,31,03,30,300,32,04,40,040,33",
                 "GPGSV,3,2,10,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00",
                 "GPGSV,3,3,10,20,05,010,20,21,06,011,21"});
    const SatGroup sat = state.CopySat();
    EXPECT_EQ(sat.satellitesInView, 10);
    EXPECT_EQ(sat.satellites[0], (SatelliteInfo{1, 30, 0, 100, 10, 0, 0}));
    EXPECT_EQ(sat.satellites[4], (SatelliteInfo{14, 0, 0, 170, 25, 1, 1}));
    EXPECT_EQ(sat.satellites[5], (SatelliteInfo{16, 39, 0, 208, 57, 1, 1}));
    EXPECT_EQ(sat.satellites[7], (SatelliteInfo{19, 0, 0, 246, 40, 0, 0}));
    EXPECT_EQ(sat.satellites[9], (SatelliteInfo{21, 21, 0, 11, 6, 0, 0}));
    // The short last message writes zero rows after its satellites.
    EXPECT_EQ(sat.satellites[10], SatelliteInfo{});
    EXPECT_EQ(sat.satellites[11], SatelliteInfo{});
}

TEST(GsvDecoder, TrackedIsNeverClearedAndBadMessageNumbersAreIgnored) {
    ReceiverState state;
    Feed(state,
         {"GPGSA,A,3,01", "GPGSV,1,1,01,01,10,100,30", "GPGSA,A,3,02", "GPGSV,1,1,01,01,11,101,31",
          "GPGSV,1,0,05,09,9,9,9", "GPGSV,1,X,05,09,9,9,9", "GPGSV,1,,05,09,9,9,9"});
    const SatGroup sat = state.CopySat();
    EXPECT_EQ(sat.satellitesInView, 1);
    EXPECT_EQ(sat.satellites[0], (SatelliteInfo{1, 31, 0, 101, 11, 1, 0}));
}

TEST(GsvDecoder, HighPrnsKeepTheirFlagsAndRowsBeyondTheTableAreSkipped) {
    ReceiverState state;
    {
        StateWriter w(state, StateGroup::Sat);
        w.Sat().satellites[32] = {7, 7, 7, 7, 7, 1, 1};
    }
    Feed(state, {"GPGSV,9,9,40,65,10,100,30,66,11,101,31"});
    const SatGroup sat = state.CopySat();
    EXPECT_EQ(sat.satellitesInView, 40);
    EXPECT_EQ(sat.satellites[32], (SatelliteInfo{65, 30, 7, 100, 10, 1, 1})); // snrAux untouched
}

TEST(RmcDecoder, OffByDefaultAndDecodesVoidFixesWhenOn) {
    const std::string rmc = "GPRMC,225446,V,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E";
    ReceiverState off;
    Feed(off, {rmc});
    EXPECT_EQ(off.CopyNav(), NavGroup{});

    DecodeSettings settings;
    settings.useRMC = 1;
    ReceiverState on;
    Feed(on, {rmc, rmc}, settings);
    const NavGroup nav = on.CopyNav();
    EXPECT_EQ(nav.hour, 22);
    EXPECT_NEAR(nav.latitude, 49.274166666666666, 1e-12);
    EXPECT_NEAR(nav.longitude, -123.18533333333333, 1e-12);
    EXPECT_EQ(nav.speedKnots, 0.5);
    EXPECT_EQ(nav.heading, 54.7);
    EXPECT_EQ(nav.positionUpdateCount, 2); // no repeated-time check
}

TEST(RreDecoder, ErrorEstimatesOnlyWithMoreThanFourSatellites) {
    ReceiverState four;
    Feed(four, {"GPRRE,04,01,1.0,02,1.0,03,1.0,04,1.0,7.5,9.5"});
    EXPECT_EQ(four.GetHorizontalError(), 0.0);
    ReceiverState five;
    Feed(five, {"GPRRE,05,01,1.0,02,1.0,03,1.0,04,1.0,05,1.0,7.5,9.5"});
    EXPECT_EQ(five.GetHorizontalError(), 7.5);
    EXPECT_EQ(five.GetVerticalError(), 9.5);
    ReceiverState huge;
    Feed(huge, {"GPRRE,999999999,1,2"});
    EXPECT_EQ(huge.GetHorizontalError(), 0.0);
}

} // namespace
