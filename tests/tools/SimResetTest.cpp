#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// What one second of output says about the fix, read from the raw sentences
// (the decoders turn a fix they distrust into "NF").
struct Epoch {
    int gsaMode = 0, status = 0, tracked = 0; // status NF, G2, G3: 0, 1, 2; satellites tracked
    double error = 0;
    uint64_t milliseconds = 0;
    std::set<std::string> used, listed; // PRNs flagged used in POLYS, listed in GSA
};

Epoch Summarise(std::string_view out) {
    const auto gsa = FieldsOf(out, "GPGSA"), polyp = FieldsOf(out, "POLYP");
    const auto polys = FieldsOf(out, "POLYS");
    Epoch e;
    e.gsaMode = std::stoi(gsa.at(1));
    e.listed = {gsa.begin() + 2, gsa.begin() + 14};
    e.listed.erase("");
    e.status = (polyp.at(6) == "G2") + 2 * (polyp.at(6) == "G3");
    e.error = polyp.at(7).empty() ? 0 : std::stod(polyp.at(7));
    e.milliseconds = std::stoull(FieldsOf(out, "POLYT").at(8));
    for (size_t i = 2; i < polys.size(); i += 6) {
        e.tracked += polys[i] != "e";
        if (polys[i] == "U") e.used.insert(polys[i - 1]);
    }
    return e;
}

// The reply, then the burst: the reset line and notices for what was kept
// (ephemerides after a hot start, almanacs unless cold). The application
// takes the first $POLYN after any other sentence for a restart, so for as
// long as a cold start takes to read a whole almanac (12.5 minutes) it must
// see exactly one: a later notice would be another. The fix drops at once,
// the millisecond count restarts, and the fix comes back stage by stage at
// the configured pace and, once 3D, stays. Warm and cold starts show every
// stage and find satellites one at a time. Returns the second of the first
// 3D fix within 50 m.
int ResetAndFollow(std::string_view command, std::string_view resetLine, ResetKind kind,
                   uint64_t seed) {
    const SimConfig config = TestConfig(seed);
    SimReceiver sim(config);
    Decoder d;
    int restarts = 0;
    bool fix3D = false;      // seen since the restart
    int linesWithoutFix = 0; // after that
    // Line by line: a later sentence of the same second would hide a zeroed fix.
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
    const std::string burst = sim.OnInput(std::string(command) + "\r\n");
    feedByLine(burst);
    EXPECT_TRUE(burst.starts_with("$PZEKR,RSET,OK*")) << burst.substr(0, 20);
    EXPECT_TRUE(burst.substr(burst.find('\n') + 1)
                    .starts_with("$POLYN,RSET," + std::string(resetLine) + "*"));
    EXPECT_EQ(restarts, 1);
    std::vector<int> notices; // as the decoder flags them by PRN: 1 ephemeris, 2 almanac
    for (int prn = 1; prn <= 32; ++prn)
        notices.push_back(d.state.GetEphemerisNotice(prn) + 2 * d.state.GetAlmanacNotice(prn));
    const auto count = [&](int flags) { return std::count(notices.begin(), notices.end(), flags); };
    EXPECT_EQ(count(3), kind == ResetKind::Hot ? inView : 0);
    EXPECT_EQ(count(3) + count(kind == ResetKind::Cold ? 0 : 2), 32);

    int firstFix3D = 0, fine = 0;             // seconds to the 3D fix, to the one within 50 m
    int stages = 0;                           // error estimates shown up to that
    const bool slow = kind != ResetKind::Hot; // a hot start may pass a stage within a second
    Epoch was;
    for (int s = 1; s <= 800; ++s) {
        const std::string out = sim.Tick(1);
        feedByLine(out);
        if (!firstFix3D && fix3D) firstFix3D = s;
        if (s > 90) continue;
        const Epoch is = Summarise(out);
        SCOPED_TRACE(testing::Message() << "second " << s);
        if (s == 1) { // the reset came half a second earlier
            EXPECT_EQ(std::tuple(is.status, is.gsaMode, is.milliseconds), std::tuple(0, 1, 500u));
        } else {
            EXPECT_EQ(is.milliseconds - was.milliseconds, 1000u);
            EXPECT_GE(is.status, was.status);
            EXPECT_TRUE(was.status == 0 || is.error <= was.error);
        }
        EXPECT_TRUE(is.status != 1 || is.gsaMode == 2);
        EXPECT_EQ(is.listed, is.used);
        stages += !fine && is.status && is.error != was.error;
        if (!fine && is.status == 2 && is.error <= 50) fine = s;
        EXPECT_TRUE(!slow || is.tracked <= was.tracked + 1) << "found together";
        was = is;
    }
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(firstFix3D > 0 && firstFix3D <= 800 - 60) << firstFix3D;
    EXPECT_EQ(linesWithoutFix, 0);
    const double nominal = config.pace.Nominal(kind); // give or take the spread and a second
    EXPECT_NEAR(fine, nominal, nominal * config.pace.spread + 1.5);
    EXPECT_TRUE(!slow || stages >= 4) << stages << " stages";
    return fine;
}

TEST(SimReset, EveryKindRestartsOnceAndConvergesColdSlowerThanWarmSlowerThanHot) {
    const std::tuple<const char*, const char*, ResetKind> cases[] = {
        {"$PZEKS,RSET", "HOT", ResetKind::Hot},
        {"$PZEKS,RSET,EPH", "WARM", ResetKind::Warm},
        {"$PZEKS,RSET,CONFIG", "COLD", ResetKind::Cold},
        {"$PZEKS,RSET,EPH,ALM", "COLD", ResetKind::Cold}};
    for (uint64_t seed : {7, 8, 9}) {
        std::map<ResetKind, int> fine;
        for (const auto& [command, resetLine, kind] : cases) {
            SCOPED_TRACE(testing::Message() << command << ", seed " << seed);
            fine[kind] = ResetAndFollow(command, resetLine, kind, seed);
        }
        EXPECT_LT(fine[ResetKind::Hot], fine[ResetKind::Warm]) << "seed " << seed;
        EXPECT_LT(fine[ResetKind::Warm], fine[ResetKind::Cold]) << "seed " << seed;
    }
}

TEST(SimResetStart, StartingColdBeginsWithTheBurstAndNoFix) {
    SimConfig config = TestConfig();
    config.startKind = ResetKind::Cold;
    const std::string first = SimReceiver(config).Tick(1);
    EXPECT_TRUE(first.starts_with("$POLYN,RSET,COLD*")) << first.substr(0, 40);
    EXPECT_EQ(FieldsOf(first, "POLYP").at(6), "NF");
    EXPECT_EQ(FieldsOf(first, "POLYT").at(8), "1000");
}

} // namespace
