#include "support/Feed.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
                  kPolya = "POLYA,123519.00,4807.0380,S,01131.0000,W,2,08,0.9,592.3,M,46.9,M,"
                           "1.5,0012,3.5,5.1",
                  kRmc = "GPRMC,225446,V,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E";

// NavGroup in order: latitude, longitude, altitude, quality, hour, minute, second,
// updates, differential station and age, errors, knots, heading. A repeated
// time counts as one update (not for RMC and POLYA). RMC decoding is on here.
TEST(PositionDecoders, GgaPolyaAndRmcFillTheNavigationGroup) {
    const std::pair<std::vector<std::string>, NavGroup> cases[] = {
        // Ordinary values: the corpus test. A repeated time is one update; empty fields read
        // zero, west is negative, an empty geoid separation adds 0.
        {{kGga, kGga, "GPGGA,123520,,N,01131.000,W,2,08,0.9,100.0,M,,M,3.5,0012"},
         {0, -11.516666666666667, 100, 2, 12, 35, 20, 2, 12, 3.5}},
        // An empty time reads 00:00:00, as the zeroed state holds: no update; the station
        // missing at the end stays.
        {{"GPGGA,,4807.038,N"}, {48.1173, 0, 0, 0, 0, 0, 0, 0, 77}},
        {{"GPGGA,"}, {0, 0, 0, 0, 0, 0, 0, 1, 77}}, // a missing time never compares
        // POLYA: no geoid correction of the altitude.
        {{kPolya, kPolya},
         {-48.1173, -11.516666666666667, 592.3, 2, 12, 35, 19, 2, 12, 1.5, 3.5, 5.1}},
        // RMC: a void fix is decoded too.
        {{kRmc, kRmc},
         {49.274166666666666, -123.18533333333333, 0, 0, 22, 54, 46, 2, 77, 0, 0, 0, 0.5, 54.7}},
    };
    DecodeSettings rmcOn;
    rmcOn.useRMC = 1;
    for (const auto& [bodies, expected] : cases) {
        ReceiverState state;
        StateWriter(state, StateGroup::Nav).Nav().differentialStation = 77;
        Feed(state, bodies, rmcOn);
        EXPECT_EQ(Rounded(state.CopyNav(), expected), expected) << bodies.back();
    }
}

TEST(GsaDecoder, SetsModeUsedPrnsAndDopsAndAModeOtherThanTwoOrThreeIsNoFix) {
    ReceiverState state;
    state.SetRestartNotified(1);
    Feed(state, {"GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"});
    DopGroup expected{2.5, 1.3, 2.1, 3, {}};
    for (int prn : {4, 5, 9, 12, 24})
        expected.usedByPrn[prn] = 1;
    EXPECT_EQ(state.CopyDop(), expected);
    EXPECT_EQ(state.GetRestartNotified(), 0);

    // The used flags are replaced each time.
    const std::pair<const char*, int> cases[] = {
        {"GPGSA,A,1", 1}, {"GPGSA,A,", 1}, {"GPGSA,A", 1}, {"GPGSA,A,2,33,65", 2}, {"GPGSA,A,7", 1},
    };
    for (const auto& [body, mode] : cases) {
        ReceiverState state;
        Feed(state, {"GPGSA,A,3,04,05", body});
        EXPECT_EQ(state.CopyDop().fixMode, mode) << body;
        EXPECT_EQ(state.CopyDop().usedByPrn, (std::array<int32_t, kMaxPrn + 1>{})) << body;
    }
}

TEST(GsvDecoder, MessagesFillTheirRowsWithUsedFlagsFromGsa) {
    const struct {
        std::vector<std::string> bodies;
        int inView;
        std::map<size_t, SatelliteInfo> rows;
    } steps[] = {
        // The short last message writes zero rows after its satellites.
        {{"GPGSA,A,3,14,16,,,,,,,,,,,2.5,1.3,2.1",
          "GPGSV,3,1,10,01,10,100,30,02,20,200,31,03,30,300,32,04,40,040,33",
          "GPGSV,3,2,10,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00",
          "GPGSV,3,3,10,20,05,010,20,21,06,011,21"},
         10,
         // Elevation, azimuth and SNR: the corpus test; here the flags and the short end.
         {{4, {14, 0, 0, 170, 25, 1, 1}}, {5, {16, 39, 0, 208, 57, 1, 1}}, {10, {}}, {11, {}}}},
        // Tracked is never cleared; bad message numbers are ignored.
        {{"GPGSA,A,3,01", "GPGSV,1,1,01,01,10,100,30", "GPGSA,A,3,02", "GPGSV,1,1,01,01,11,101,31",
          "GPGSV,1,0,05,09,9,9,9", "GPGSV,1,X,05,09,9,9,9", "GPGSV,1,,05,09,9,9,9"},
         1,
         {{0, {1, 31, 0, 101, 11, 1, 0}}}},
        // PRNs beyond 32 keep their flags (and snrAux); rows beyond the table are skipped.
        {{"GPGSV,9,9,40,65,10,100,30,66,11,101,31"}, 40, {{32, {65, 30, 7, 100, 10, 1, 1}}}},
    };
    ReceiverState state;
    StateWriter(state, StateGroup::Sat).Sat().satellites[32] = {7, 7, 7, 7, 7, 1, 1};
    for (const auto& step : steps) {
        Feed(state, step.bodies);
        const SatGroup sat = state.CopySat();
        EXPECT_EQ(sat.satellitesInView, step.inView);
        for (const auto& [row, expected] : step.rows)
            EXPECT_EQ(sat.satellites[row], expected) << step.bodies.back() << ", row " << row;
    }
}

TEST(RreDecoder, ErrorEstimatesOnlyWithMoreThanFourSatellites) {
    for (const auto& [body, horizontal, vertical] :
         {std::tuple{"GPRRE,04,01,1.0,02,1.0,03,1.0,04,1.0,7.5,9.5", 0.0, 0.0},
          {"GPRRE,05,01,1.0,02,1.0,03,1.0,04,1.0,05,1.0,7.5,9.5", 7.5, 9.5},
          {"GPRRE,999999999,1,2", 0.0, 0.0}}) {
        ReceiverState state;
        Feed(state, {body});
        EXPECT_EQ(std::pair(state.GetHorizontalError(), state.GetVerticalError()),
                  std::pair(horizontal, vertical))
            << body;
    }
}

} // namespace
