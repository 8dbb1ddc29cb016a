// The TTFF controller against the simulated receiver's model, its output
// through the application's framer and decoders, in step with a hand-driven
// clock.

#include "tools/SimTestSupport.h"

#include "link/SentenceTap.h"
#include "nmea/NmeaChecksum.h"
#include "ttff/TtffController.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

struct ManualClock : TtffClock {
    int64_t NowMs() const override { return now; }
    int64_t now = 0;
};

// The receiver's side of the link: commands go to the model, its answers and
// its seconds through the framer, whose sentences pass the tap.
struct Bench : TtffLink, TtffObserver {
    explicit Bench(const SimConfig& config, TtffSettings s, TtffTiming timing = {})
        : sim(config), settings(s),
          controller(state, *this, clock, settings, truth, timing, [] { return 0u; }) {
        framer.SetObserver([this](std::string_view a, std::string_view d) { tap.Offer(a, d); });
        controller.SetObserver(this);
    }
    bool SendReset(std::string_view command) override {
        commands.emplace_back(command);
        watch.emplace(tap, "$POLYN,RSET");
        framer.Feed(sim.OnInput(std::string(command) + "\r\n"));
        return true;
    }
    bool TakeRestartNotice() override { return watch && watch->Take(); }
    // A modal box inside a tick lets the timer call again: it must do nothing.
    void MilestoneRecorded(int, const TtffData&) override { controller.Tick(); }

    // Quarter seconds add up exactly, so no reset lands on the model's whole
    // second and its count never restarts at 0 by chance.
    void Run(double seconds) {
        for (int i = 0; i < seconds * 4 && !controller.Finished(); ++i) {
            clock.now += 250;
            framer.Feed(sim.Tick(0.25));
            controller.Tick();
        }
    }
    void Feed(std::initializer_list<std::string_view> bodies) {
        for (std::string_view body : bodies)
            framer.Feed(NmeaSentence(body));
    }
    void Tick(int64_t ms) {
        clock.now += ms;
        controller.Tick();
    }
    const TtffData& Data() const { return controller.Results().Data(); }

    SimReceiver sim;
    ReceiverState state;
    DecodeSettings decode;
    NmeaFramer framer{state, decode};
    SentenceTap tap;
    std::optional<SentenceTap::Watch> watch;
    ManualClock clock;
    TtffSettings settings;
    TruthPosition truth;
    std::vector<std::string> commands;
    TtffController controller;
};

// Restarted, timed out, failed: one test of a run.
std::vector<std::array<bool, 3>> Outcomes(const std::vector<TtffRunRecord>& runs) {
    std::vector<std::array<bool, 3>> out;
    for (const TtffRunRecord& r : runs)
        out.push_back({r.restarted, r.timedOut, r.Failed()});
    return out;
}

TEST(TtffController, RunsEndAtTheirMilestonesOrAtTheirLimits) {
    const struct {
        const char* name;
        TtffSettings settings;
        std::function<void(SimConfig&, TtffTiming&)> setUp;
        int loadedTests; // 2D-10km results in a file opened before the run
        std::vector<std::array<bool, 3>> runs;
        std::function<void(const Bench&)> check;
    } cases[] = {
        {"a single test ends at 3D-50m; the 5th satellite never comes",
         {kModeHot, kSingleTest},
         [](SimConfig& c, TtffTiming&) { c.satellites = 4; },
         0,
         {{true, false, true}},
         [](const Bench& b) {
             const TtffRunRecord& run = b.controller.Runs()[0];
             // Converged at 1.25 x 5 s; the model reports once a second.
             EXPECT_NEAR(run.times[k3D50m].value_or(0), 6.25, 1.2);
             EXPECT_TRUE(run.times[k4SV] && !run.times[k5SV]);
             EXPECT_EQ(b.settings.mode, kModeNone); // the window only shows the test now
             EXPECT_EQ(b.controller.DocumentData().savedMode, kModeHot);
             EXPECT_EQ(b.commands, std::vector<std::string>{"$PZEKS,RSET"});
         }},
        {"the restart seen through the falling count alone",
         {kModeWarm, kContinuousTests},
         [](SimConfig& c, TtffTiming& t) {
             c.noPolyn = true;
             t.testLimits[kContinuousTests] = 2;
         },
         0,
         {{true, false, false}, {true, false, false}},
         [](const Bench& b) {
             EXPECT_NEAR(b.controller.Runs()[1].times[k3D50m].value_or(0), 37.5, 1.2);
             EXPECT_EQ(b.Data().fixCount[k3D50m], 2);
         }},
        {"a cold test acquires satellites before any fix",
         {kModeCold, kSingleTest},
         {},
         0,
         {{true, false, false}},
         [](const Bench& b) {
             const TtffRunRecord& run = b.controller.Runs()[0];
             EXPECT_LT(*run.times[k5SV], *run.times[k2D10km]);
             EXPECT_EQ(b.commands, std::vector<std::string>{"$PZEKS,RSET,EPH,ALM,CONFIG"});
         }},
        {"a reset that brings no restart is sent again; the test fails at its limit",
         {kModeHot, kContinuousTests},
         [](SimConfig& c, TtffTiming& t) {
             c.ignoreResets = true;
             t.testLimits[kContinuousTests] = 2;
             t.timeLimitSeconds[kModeHot] = 25;
         },
         0,
         {{false, true, true}, {false, true, true}},
         [](const Bench& b) {
             EXPECT_EQ(b.commands.size(), 6u); // at 0, 10 and 20 s of each test
             EXPECT_EQ(b.Data().fixCount[k2D10km], 0);
         }},
        {"without estimates nothing is reached: the test fails at its limit",
         {kModeHot, kSingleTest},
         [](SimConfig& c, TtffTiming& t) {
             c.noEstimates = true;
             t.timeLimitSeconds[kModeHot] = 20;
         },
         0,
         {{true, true, true}},
         [](const Bench& b) {
             EXPECT_EQ(b.Data().fixCount, (std::array<int32_t, 6>{1, 1, 1, 1, 1, 1}));
             EXPECT_EQ(b.Data().fixMin[k2D10km], kMaxRecorded);
             EXPECT_EQ(b.controller.Results().AcquisitionCount(0), 0);
             EXPECT_NEAR(b.controller.ElapsedSeconds(), 20, 1.2);
         }},
        {"the test limit counts loaded results",
         {kModeHot, 2},
         {},
         99,
         {{true, false, false}},
         [](const Bench& b) { EXPECT_EQ(b.Data().fixCount[k2D10km], 100); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimConfig config = TestConfig(11);
        config.pace.spread = 0;
        TtffTiming timing;
        timing.pauseMinSeconds = timing.pauseMaxSeconds = 1;
        if (c.setUp) c.setUp(config, timing);
        Bench b(config, c.settings, timing);
        b.Run(5); // navigating, with a count to fall from
        ASSERT_TRUE(b.controller.Start());
        TtffData file;
        file.fixCount[k2D10km] = c.loadedTests;
        file.fixHistogram[k2D10km][10] = c.loadedTests;
        if (c.loadedTests > 0) b.controller.LoadResults(file);
        b.Run(400);
        EXPECT_TRUE(b.controller.Finished());
        EXPECT_EQ(Outcomes(b.controller.Runs()), c.runs);
        c.check(b);
    }
}

// What the decoders held before the restart - an estimate of a fix that
// came in just after the reset went out - records nothing; the receiver's
// notice alone starts the test even when its count keeps running; offsets
// from the truth are measured the short way round.
TEST(TtffController, AfterTheRestartOnlyNewEstimatesCount) {
    SimConfig silent = TestConfig();
    silent.silent = true;
    Bench b(silent, {kModeHot, kSingleTest});
    const std::string_view fix3D = "GPGSA,A,3,04,05,09,12,,,,,,,,,2.5,1.3,2.1";
    const std::string_view goodFix =
        "POLYP,120001.00,4807.0380,N,01131.0000,E,592.3,G3,3.0,4.0,0.5,54.7,0,,1.0,1.2,1.9,,";
    b.Feed({"POLYT,120000.00,071206,2,1432,345519.000,18,-12.3,0,50000", fix3D, goodFix});
    ASSERT_TRUE(b.controller.Start());
    b.Tick(2000);
    ASSERT_EQ(b.commands.size(), 1u);
    b.Feed({goodFix, "POLYN,RSET,HOT", "POLYT,120002.00,071206,1,1432,345521.000,18,0,0,51000"});
    b.Tick(200);
    ASSERT_TRUE(b.controller.Running());
    b.Feed({fix3D, "POLYT,120004.00,071206,1,1432,345523.000,18,0,0,53000"});
    b.Tick(200);
    EXPECT_EQ(b.Data().fixCount, (std::array<int32_t, 6>{}));
    b.Feed({"POLYP,120004.00,4807.0380,N,01131.0000,E,592.3,G2,8000.0,9000.0,0.5,54.7,0,,1.0,"
            "1.2,1.9,,"});
    b.Tick(200);
    EXPECT_EQ(b.Data().fixCount, (std::array<int32_t, 6>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(b.Data().fixTime[k2D10km], 2.0);

    // Against the truth, 13 m away across the 180th meridian.
    b.truth = {48.1173, 179.9999, 592.3, true};
    b.Feed({"POLYP,120005.00,4807.0380,N,17959.9960,W,592.3,G3,,,0.5,54.7,0,,1.0,1.2,1.9,,"});
    b.Tick(200);
    EXPECT_EQ(b.Data().fixCount, (std::array<int32_t, 6>{1, 1, 1, 1, 1, 1}));
}

} // namespace
