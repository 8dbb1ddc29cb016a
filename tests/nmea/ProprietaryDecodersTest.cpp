#include "support/Feed.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

namespace {

// A POLYP body with the given status, horizontal error, speed and HDOP.
std::string Polyp(const std::string& status, const std::string& herr, const std::string& hdop) {
    return "POLYP,123519.00,4807.0380,N,01131.0000,E,592.3," + status + "," + herr +
           ",22.0,100,54.7,0,1.0," + hdop + ",1.9,2.2,,";
}

// Quality -1: unchanged from the 9 set before (mode 3 before each). An empty status between
// commas reads "0".
TEST(PolypDecoder, StatusTableSetsQualityAndMode) {
    const std::tuple<const char*, int, int> cases[] = {
        {"NF", 0, 0},  {"TT", 1, 3},  {"G2", 1, 2}, {"G3", 1, 3}, {"GX", 1, 0},
        {"D2", 2, 2},  {"D3", 2, 3},  {"DR", 6, 1}, {"DX", 2, 0}, {"NX", -1, 0},
        {"TX", -1, 0}, {"Q3", -1, 0}, {"", -1, 0},
    };
    for (const auto& [status, quality, mode] : cases) {
        ReceiverState state;
        Feed(state, {"GPGGA,1,,,,,9", "GPGSA,A,3", Polyp(status, "15.0", "1.2")});
        EXPECT_EQ(state.GetFixQuality(), quality < 0 ? 9 : quality) << status;
        EXPECT_EQ(state.GetFixMode(), mode) << status;
    }
}

// The monitor shows NF with a checksum that fits it; the log keeps what the
// receiver sent, so it replays to the same state.
TEST(PolypDecoder, QualityFilterRejectsHighHdopOrErrorAndShowsNoFix) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"15", "1.2", false},  {"15", "4.5", true},    {"15", "4.0", false},
        {"600", "1.2", false}, {"600.1", "1.2", true},
    };
    for (const auto& [herr, hdop, rejected] : cases) {
        RecordingFramer r;
        const std::string received = NmeaSentence(Polyp("G3", herr, hdop));
        r.framer.Feed(received);
        // The status table's mode stays, and the fix counts as an update.
        EXPECT_EQ(std::tuple(r.state.GetFixQuality(), r.state.GetFixMode(),
                             r.state.GetPositionUpdateCount()),
                  std::tuple(rejected ? 0 : 1, 3, 1))
            << herr << " " << hdop;
        const std::string shown = r.monitor.All();
        EXPECT_EQ(shown.find(",NF,") != std::string::npos, rejected);
        EXPECT_EQ(shown, NmeaSentence(shown.substr(1, shown.size() - 6)));
        EXPECT_EQ(r.log.contents, received);
    }
}

// NavGroup in order: latitude, longitude, altitude, quality, hour, minute, second,
// updates, differential station and age, errors, knots, heading.
TEST(PolypDecoder, FieldsSpeedInKnotsAndRepeatedTime) {
    ReceiverState state;
    Feed(state, {Polyp("G3", "15.0", "1.2"), Polyp("G3", "15.0", "1.2")});
    const NavGroup expected{48.1173, 11.516666666666667, 592.3, 1, 12, 35, 19, 1, 0, 1.0, 15.0,
                            22.0,    53.99568034557235,  54.7};
    EXPECT_EQ(Rounded(state.CopyNav(), expected), expected);
    EXPECT_EQ(state.CopyDop(), (DopGroup{2.2, 1.2, 1.9, 3, {}}));

    // Ending before the speed field leaves the speed alone.
    Feed(state, {"POLYP,123600.00,4807.0380,N,01131.0000,E,592.3,G3,15.0"});
    EXPECT_NEAR(state.CopyNav().speedKnots, 53.99568034557235, 1e-12);
}

// POLYA: a row of the position decoders' table.
TEST(PolysDecoder, RowsUsedAndTrackedFlags) {
    ReceiverState state;
    state.SetRestartNotified(1);
    Feed(state, {"POLYS,3,05,U,123,45,42,0,12,e,300,10,31,0,40,t,10,5,20,0"});
    const SatGroup sat = state.CopySat();
    // PRN 40 is outside 0..32: its row stays.
    EXPECT_EQ(std::tuple(sat.satellitesInView, sat.satellites[0], sat.satellites[1],
                         sat.satellites[2], state.CopyDop().usedByPrn[5],
                         state.GetRestartNotified()),
              std::tuple(3, SatelliteInfo{5, 42, 42, 123, 45, 1, 1},
                         SatelliteInfo{12, 31, 31, 300, 10, 0, 0}, SatelliteInfo{}, 1, 0));

    // A count outside 1..32 clears the flags but writes no row.
    for (const std::string count : {"0", "33"}) {
        ReceiverState state;
        Feed(state,
             {"POLYS,2,05,U,123,45,42,0,12,t,300,10,31,0", "POLYS," + count + ",07,U,1,1,1,0"});
        const SatGroup sat = state.CopySat();
        EXPECT_EQ(sat.satellitesInView, std::stoi(count));
        EXPECT_EQ(sat.satellites[0], (SatelliteInfo{5, 42, 0, 123, 45, 1, 0}));
        EXPECT_EQ(state.CopyDop().usedByPrn, (std::array<int32_t, kMaxPrn + 1>{}));
    }
}

TEST(PolytDecoder, ClockFieldsZeroWhenAbsent) {
    ReceiverState state;
    state.SetRestartNotified(1);
    Feed(state, {"POLYT,123519.00,071206,2,1432,345519.000,18,-12.345,0,5123456"});
    EXPECT_EQ(state.CopyClock(), (ClockGroup{345519.0, -12.345, 5123456}));
    EXPECT_EQ(state.GetRestartNotified(), 0);
    Feed(state, {"POLYT,1,2,3,4,99"});
    EXPECT_EQ(state.CopyClock(), (ClockGroup{99, 0, 0}));
}

TEST(PolynDecoder, FirstNoticeOfABurstClearsTheFixOnce) {
    ReceiverState state;
    Feed(state, {"GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", "GPGSA,A,3,04",
                 "GPGSV,1,1,01,04,10,100,30", "POLYT,1,2,3,4,5,6,7,8,5000", "POLYN,EPH,04"});
    // Restart flag, satellites, mode, receiver time, latitude, the notice.
    EXPECT_EQ(std::tuple(state.GetRestartNotified(), state.GetSatellitesInView(),
                         state.GetFixMode(), state.CopyClock().receiverMilliseconds,
                         state.CopyNav().latitude, state.GetEphemerisNotice(4)),
              std::tuple(1, 0, 0, 0.0, 0.0, 1));

    // Later notices of the same burst keep what came since.
    Feed(state, {"GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", "POLYN,ALM,7",
                 "POLYN,EPH,33", "POLYN,XYZ,5"});
    EXPECT_NEAR(state.CopyNav().latitude, 48.1173, 1e-12);
    EXPECT_EQ(std::tuple(state.GetEphemerisNotice(4), state.GetAlmanacNotice(7),
                         state.GetEphemerisNotice(5)),
              std::tuple(1, 1, 0));

    // POLYT re-arms: the next notice clears again, tables included.
    Feed(state, {"POLYT,1,2,3,4,5,6,7,8,9", "POLYN,RSET"});
    EXPECT_EQ(std::tuple(state.CopyNav().latitude, state.GetEphemerisNotice(4),
                         state.GetAlmanacNotice(7)),
              std::tuple(0.0, 0, 0));
}

TEST(PolyiDecoder, LevelTwoPlacesAfterTheFirstMarker) {
    const std::pair<const char*, int> cases[] = {
        {"POLYI,J,27", 27}, {"POLYI,N,05", 5}, {"POLYI,X,", 0}, {"POLYI,A", 0}, {"POLYI,A,12,3", 2},
    };
    for (const auto& [body, level] : cases) {
        ReceiverState state;
        state.SetPolyiLevel(99);
        Feed(state, {body});
        EXPECT_EQ(state.GetPolyiLevel(), level) << body;
    }
}

TEST(PashrDecoder, PositionModeAndQualityFromSatellitesUsed) {
    const auto pos = [](const std::string& mode, const std::string& used) {
        return "PASHR,POS," + mode + "," + used +
               ",214414.00,4337.8262,N,01126.8717,E,0034.51,,088.5,000.4,-000.1,02.3,01.3,01.9,00";
    };
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {"03", "1", 2, 2}, {"06", "0", 3, 1}, {"02", "1", 1, 0}, {"", "1", 1, 0}, {"05", "", 3, 1},
    };
    for (const auto& [used, mode, fixMode, quality] : cases) {
        ReceiverState state;
        Feed(state, {pos(mode, used)});
        EXPECT_EQ(std::pair(state.GetFixMode(), state.GetFixQuality()), std::pair(fixMode, quality))
            << used << "/" << mode;
    }
    ReceiverState state;
    Feed(state, {pos("0", "06")});
    const NavGroup expected{
        43.63043666666667, 11.447861666666667, 34.51, 1, 21, 44, 14, 1, 0, 0, 0, 0, 0.4, 88.5};
    EXPECT_EQ(Rounded(state.CopyNav(), expected), expected);
    // The corpus's PASHR,POS have PDOP equal to HDOP: only this tells them apart.
    EXPECT_EQ(std::tuple(state.GetPDOP(), state.GetHDOP(), state.GetVDOP()),
              std::tuple(2.3, 1.3, 1.9));
}

// Attitude and other kinds leave the whole state alone.
TEST(PashrDecoder, SatellitesAndOtherKindsIgnored) {
    ReceiverState state;
    Feed(state, {"PASHR,123456.000,090.0,T,1.0,2.0,0.0,0.1,0.1,0.1,1,1", "PASHR,XYZ,1,2,3"});
    EXPECT_EQ(std::tuple(state.CopyNav(), state.CopySat(), state.CopyDop(), state.CopyClock()),
              std::tuple(NavGroup{}, SatGroup{}, DopGroup{}, ClockGroup{}));
    Feed(state, {"PASHR,SAT,02,03,103,56,50,U,23,225,61,52,a"});
    const SatGroup sat = state.CopySat();
    EXPECT_EQ(sat.satellitesInView, 2);
    EXPECT_EQ(sat.satellites[0], (SatelliteInfo{3, 50, 0, 103, 56, 1, 1}));
    EXPECT_EQ(sat.satellites[1], (SatelliteInfo{23, 52, 0, 225, 61, 0, 0}));
}

} // namespace
