#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// What one second of output says about the fix, read from the raw sentences
// (the decoders turn a fix they distrust into "NF").
struct Epoch {
    int second = 0;
    int gsaMode = 0;
    std::string status;
    double horizontalError = 0;
    uint64_t milliseconds = 0;
    std::map<int, int> trackedElevation; // by PRN
};

Epoch Summarise(int second, std::string_view out) {
    Epoch e;
    e.second = second;
    e.gsaMode = std::stoi(FieldsOf(out, "GPGSA").at(1));
    const auto polyp = FieldsOf(out, "POLYP");
    e.status = polyp.at(6);
    e.horizontalError = polyp.at(7).empty() ? 0 : std::stod(polyp.at(7));
    e.milliseconds = std::stoull(FieldsOf(out, "POLYT").at(8));
    const auto polys = FieldsOf(out, "POLYS");
    for (size_t b = 1; b + 3 < polys.size(); b += 6) {
        if (polys[b + 1] != "e") e.trackedElevation[std::stoi(polys[b])] = std::stoi(polys[b + 3]);
    }
    return e;
}

int Rank(const std::string& status) {
    return status == "NF" ? 0 : status == "G2" ? 1 : 2;
}

struct ResetCase {
    const char* name;
    const char* command;
    const char* resetLine;
    ResetKind kind;
};

class SimReset : public testing::TestWithParam<ResetCase> {
protected:
    // Settles, resets half-way through a second, then records 90 s of output.
    std::vector<Epoch> ResetAndRecord() {
        d.Feed(sim.Tick(20.5));
        millisecondsBefore = d.state.CopyClock().receiverMilliseconds;
        burst = sim.OnInput(std::string(GetParam().command) + "\r\n");
        d.Feed(burst);
        std::vector<Epoch> epochs;
        for (int s = 1; s <= 90; ++s) {
            const std::string out = sim.Tick(1);
            d.Feed(out);
            epochs.push_back(Summarise(s, out));
        }
        return epochs;
    }

    SimConfig config = TestConfig();
    SimReceiver sim{config};
    Decoder d;
    double millisecondsBefore = 0;
    std::string burst;
};

// The reply, then the burst (the reset line, then notices for what was
// kept); the fix drops at once and comes back stage by stage: the millisecond
// count restarts at 0, status and error estimate only ever improve, and the
// 50 m fix arrives at the configured pace.
TEST_P(SimReset, FixDropsAndConvergesAtTheConfiguredPace) {
    const std::vector<Epoch> epochs = ResetAndRecord();

    EXPECT_TRUE(burst.starts_with("$PZEKR,RSET,OK*")) << burst.substr(0, 20);
    const std::string firstNotice = burst.substr(burst.find("$POLYN"));
    EXPECT_TRUE(firstNotice.starts_with(std::string("$POLYN,RSET,") + GetParam().resetLine));

    EXPECT_EQ(epochs[0].status, "NF");
    EXPECT_EQ(epochs[0].gsaMode, 1);
    EXPECT_EQ(epochs[0].milliseconds, 500u); // reset half a second earlier
    EXPECT_LT(epochs[0].milliseconds, millisecondsBefore);
    for (size_t i = 1; i < epochs.size(); ++i) {
        const Epoch& was = epochs[i - 1];
        const Epoch& is = epochs[i];
        EXPECT_EQ(is.milliseconds - was.milliseconds, 1000u);
        EXPECT_GE(Rank(is.status), Rank(was.status)) << "second " << is.second;
        EXPECT_TRUE(was.status == "NF" || is.horizontalError <= was.horizontalError) << is.second;
    }
    const auto fine = std::find_if(epochs.begin(), epochs.end(), [](const Epoch& e) {
        return e.status == "G3" && e.horizontalError <= 50;
    });
    ASSERT_NE(fine, epochs.end());
    const double nominal = config.pace.Nominal(GetParam().kind);
    EXPECT_GE(fine->second + 0.5, nominal * (1 - config.pace.spread));
    EXPECT_LE(fine->second - 0.5, nominal * (1 + config.pace.spread) + 1);
    EXPECT_LT(epochs.back().horizontalError, 50);
}

// The decoder flags ephemeris and almanac notices by PRN.
std::vector<int> NoticeTable(const ReceiverState& state) {
    std::vector<int> table;
    for (int prn = 1; prn <= 32; ++prn)
        table.push_back(state.GetEphemerisNotice(prn) + 2 * state.GetAlmanacNotice(prn));
    return table;
}

// The application takes the first $POLYN after any other sentence for a
// restart and zeroes the fix, so notices may come only in the burst right
// after the reset. Fed line by line (a later sentence of the same second
// would hide a zeroed fix) for as long as a cold start takes to read a whole
// almanac, the output restarts the decoder exactly once, the 3D fix once
// reached is never dropped, and the notice tables keep what the burst
// announced: ephemerides after a hot start, almanacs unless cold.
TEST_P(SimReset, DecoderSeesOneRestartAndKeepsTheFix) {
    int restarts = 0;
    bool fix3D = false;      // seen since the restart
    int linesWithoutFix = 0; // after that
    const auto feedByLine = [&](std::string_view out) {
        while (!out.empty()) {
            const size_t end = std::min(out.find('\n'), out.size() - 1) + 1;
            const int was = d.state.GetRestartNotified();
            d.Feed(out.substr(0, end));
            out.remove_prefix(end);
            restarts += was == 0 && d.state.GetRestartNotified() == 1;
            const bool held = d.state.GetFixMode() == 3 && d.state.CopyNav().latitude != 0;
            linesWithoutFix += fix3D && !held;
            fix3D = fix3D || (held && restarts > 0);
        }
    };
    feedByLine(sim.Tick(20.5));
    const int inView = d.state.CopySat().satellitesInView;
    feedByLine(sim.OnInput(std::string(GetParam().command) + "\r\n"));
    EXPECT_EQ(restarts, 1);
    const std::vector<int> burstNotices = NoticeTable(d.state);
    int ephemerides = 0, almanacs = 0;
    for (int flags : burstNotices) {
        ephemerides += flags & 1;
        almanacs += flags >> 1;
    }
    EXPECT_EQ(ephemerides, GetParam().kind == ResetKind::Hot ? inView : 0);
    EXPECT_EQ(almanacs, GetParam().kind == ResetKind::Cold ? 0 : 32);

    int firstFix3D = 0;
    constexpr int kSeconds = 800; // a whole almanac is broadcast in 12.5 minutes
    for (int s = 1; s <= kSeconds; ++s) {
        feedByLine(sim.Tick(1));
        if (!firstFix3D && fix3D) firstFix3D = s;
    }
    EXPECT_EQ(restarts, 1);
    ASSERT_GT(firstFix3D, 0);
    EXPECT_LE(firstFix3D, kSeconds - 60);
    EXPECT_EQ(linesWithoutFix, 0);
    EXPECT_EQ(NoticeTable(d.state), burstNotices);
}

// Warm and cold starts are slow enough to show every stage, with satellites
// found one at a time, highest first. (A hot start may pass a stage within
// one second.)
class SimSlowReset : public SimReset {};

TEST_P(SimSlowReset, ShowsEveryStage) {
    const std::vector<Epoch> epochs = ResetAndRecord();
    std::vector<double> errors;
    std::vector<int> foundAt; // elevation of each satellite when found
    for (size_t i = 0; i < epochs.size(); ++i) {
        const Epoch& e = epochs[i];
        if (e.status != "NF" && (errors.empty() || errors.back() != e.horizontalError)) {
            errors.push_back(e.horizontalError);
        }
        EXPECT_TRUE(e.status != "G2" || e.gsaMode == 2) << "second " << e.second;
        if (i == 0) continue;
        const auto& was = epochs[i - 1].trackedElevation;
        EXPECT_LE(e.trackedElevation.size(), was.size() + 1) << "second " << e.second;
        for (const auto& [prn, elevation] : e.trackedElevation) {
            if (!was.count(prn)) foundAt.push_back(elevation);
        }
    }
    ASSERT_GE(errors.size(), 5u);
    EXPECT_EQ(std::vector<double>(errors.begin(), errors.begin() + 4),
              (std::vector<double>{10000, 600, 100, 50}));
    EXPECT_GE(foundAt.size(), 5u);
    for (size_t i = 1; i < foundAt.size(); ++i)
        EXPECT_LE(foundAt[i], foundAt[i - 1] + 1);
}

const ResetCase kHot{"Hot", "$PZEKS,RSET", "HOT", ResetKind::Hot};
const ResetCase kWarm{"Warm", "$PZEKS,RSET,EPH", "WARM", ResetKind::Warm};
const ResetCase kCold{"Cold", "$PZEKS,RSET,EPH,ALM", "COLD", ResetKind::Cold};
const ResetCase kColdConfig{"ColdConfig", "$PZEKS,RSET,CONFIG", "COLD", ResetKind::Cold};

void PrintTo(const ResetCase& c, std::ostream* os) {
    *os << c.name;
}

std::string CaseName(const testing::TestParamInfo<ResetCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, SimReset, testing::Values(kHot, kWarm, kCold, kColdConfig),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Kinds, SimSlowReset, testing::Values(kWarm, kCold), CaseName);

// Seconds from a reset command to the first 3D fix within 50 m.
int TimeToFineFix(SimConfig config, std::string_view command) {
    SimReceiver sim(config);
    sim.Tick(10);
    sim.OnInput(std::string(command) + "\r\n");
    for (int s = 1; s <= 600; ++s) {
        const auto polyp = FieldsOf(sim.Tick(1), "POLYP");
        if (polyp.at(6) == "G3" && std::stod(polyp.at(7)) <= 50) return s;
    }
    return -1;
}

TEST(SimResetPace, ColdIsSlowerThanWarmIsSlowerThanHotAtAnyPace) {
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        const int hot = TimeToFineFix(TestConfig(seed), "$PZEKS,RSET");
        const int warm = TimeToFineFix(TestConfig(seed), "$PZEKS,RSET,EPH");
        const int cold = TimeToFineFix(TestConfig(seed), "$PZEKS,RSET,ALM");
        EXPECT_GT(hot, 0);
        EXPECT_LT(hot, warm) << "seed " << seed;
        EXPECT_LT(warm, cold) << "seed " << seed;
    }
    SimConfig config = TestConfig();
    config.pace = {2, 12, 200, 0};
    EXPECT_EQ(TimeToFineFix(config, "$PZEKS,RSET"), 2);
    EXPECT_EQ(TimeToFineFix(config, "$PZEKS,RSET,EPH"), 12);
    EXPECT_EQ(TimeToFineFix(config, "$PZEKS,RSET,ALM"), 200);
}

// Three satellites give a 2D fix at best, fewer none, whatever the stage.
TEST(SimFewSatellites, FixNeedsEnoughSatellites) {
    for (const auto& [satellites, status] : {std::pair{2, "NF"}, {3, "G2"}, {4, "G3"}}) {
        SimConfig config = TestConfig();
        config.satellites = satellites;
        SimReceiver sim(config);
        sim.OnInput("$PZEKS,MASK,0\r\n");
        sim.Tick(60);
        EXPECT_EQ(FieldsOf(sim.Tick(1), "POLYP").at(6), status) << satellites << " satellites";
    }
}

TEST(SimResetStart, StartingColdBeginsWithTheBurstAndNoFix) {
    SimConfig config = TestConfig();
    config.startKind = ResetKind::Cold;
    SimReceiver sim(config);
    const std::string first = sim.Tick(1);
    EXPECT_TRUE(first.starts_with("$POLYN,RSET,COLD*")) << first.substr(0, 40);
    EXPECT_EQ(FieldsOf(first, "POLYP").at(6), "NF");
    EXPECT_EQ(FieldsOf(first, "POLYT").at(8), "1000");
}

} // namespace
