#pragma once

#include "survey/TruthPosition.h"
#include "ttff/TtffDebugFile.h"
#include "ttff/TtffReport.h"
#include "ttff/TtffResults.h"
#include "ttff/TtffRunRecord.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MessageSink;
class ReceiverState;

// Steady milliseconds: the PC's time, for pauses, resends and the limits that
// must hold when the receiver says nothing. Tests step it by hand.
class TtffClock {
public:
    virtual ~TtffClock() = default;
    virtual int64_t NowMs() const = 0;
};

class SteadyTtffClock final : public TtffClock {
public:
    int64_t NowMs() const override;
};

// The controller's way to the receiver.
class TtffLink {
public:
    virtual ~TtffLink() = default;
    // Sends one reset command, adding CR LF; true when every byte went out.
    // From then on the link watches for the receiver's restart notice.
    virtual bool SendReset(std::string_view command) = 0;
    // True once for each "$POLYN,RSET" notice that arrived since the last
    // SendReset.
    virtual bool TakeRestartNotice() = 0;
};

struct TtffTiming {
    std::chrono::milliseconds tickPeriod{200}; // how often the owner calls Tick
    std::chrono::milliseconds firstResetDelay{2000};
    int pauseMinSeconds = 5; // between the tests of a run, drawn anew each time
    int pauseMaxSeconds = 34;
    std::chrono::milliseconds resetWait{10000}; // for a restart, before the reset is resent
    std::array<double, 4> timeLimitSeconds = kTimeLimitSeconds; // by mode
    std::array<int, 4> testLimits = kTestLimits;                // by test count setting
};

enum class TtffPhase {
    Stopped,           // not started
    Pause,             // the next reset is due at a set time
    WaitingForRestart, // a reset went out; the restart has not been seen
    Timing,            // the receiver restarted; milestones are being timed
    Finished           // the single test is over, or the run reached its limit
};

// What the controller tells its owner, from inside Tick.
class TtffObserver {
public:
    virtual ~TtffObserver() = default;
    virtual void ResetSent(int /*test*/, int /*attempt*/, bool /*written*/) {}
    virtual void RestartSeen(int /*test*/) {}
    // After every recorded milestone, forced ones included: the results as
    // the document keeps them.
    virtual void MilestoneRecorded(int /*milestone*/, const TtffData& /*results*/) {}
    virtual void TestFinished(const TtffRunRecord& /*run*/) {}
};

// One TTFF window's run: resets the receiver, sees it restart, times the
// nine milestones in receiver time and records them, pauses, and starts the
// next test, until the run's number of tests is reached. Tick() does all of
// it; the window's timer and harrowctl's loop call it every tick period.
// Every test ends: at all nine milestones, or as failed at its time limit
// (also when the receiver never restarts, never fixes or goes silent).
// One thread only: the one that calls Tick.
class TtffController {
public:
    using RandomSource = std::function<uint32_t()>;

    // `settings`, `truth` and `state` are read at every tick; `settings.mode`
    // goes to 0 when a single test is over.
    TtffController(ReceiverState& state, TtffLink& link, const TtffClock& clock,
                   TtffSettings& settings, const TruthPosition& truth, TtffTiming timing = {},
                   RandomSource random = {});

    void SetObserver(TtffObserver* observer) { this->observer = observer; }
    // A debug file written at every recorded milestone (none by default); a
    // failure to write it is reported once through `messages`.
    void SetDebugFile(const std::string& path, MessageSink* messages);

    // The window opened: results cleared, the first reset due after the
    // first reset delay. False, doing nothing, while no mode is selected.
    bool Start();
    // Never runs inside itself (an observer or a message box calling back).
    void Tick();
    // Results read from a file, taken over at the next tick that runs a test;
    // the run then counts on from them.
    void LoadResults(const TtffData& data) { pendingLoad = data; }

    TtffPhase Phase() const { return phase; }
    bool Running() const { return phase == TtffPhase::Timing; }
    bool Finished() const { return phase == TtffPhase::Finished; }
    int PauseSeconds() const { return pauseSeconds; }
    double ElapsedSeconds() const { return elapsed; }
    int TestMode() const { return testMode; }
    bool Reached(int milestone) const { return reached[milestone]; }
    const TtffResults& Results() const { return results; }
    // What the document keeps, marked with the mode of the test.
    TtffData DocumentData() const { return results.ToData(testMode); }
    const std::vector<TtffRunRecord>& Runs() const { return runs; }
    int FailedTests() const;
    TtffReportInputs ReportInputs() const;
    const TtffTiming& TimingSettings() const { return timing; }

private:
    void ReadReceiver();
    void SendReset(int64_t wall, bool resend);
    void AwaitRestart(int64_t wall, bool notice);
    void ForgetFix();
    void TimeTest(int64_t wall);
    void ComputeErrors();
    void CheckFixMilestones(double t);
    void CheckAcquisitions(double t);
    void RecordFix(int milestone, double t);
    void ForceRemaining();
    void Store(int milestone);
    void EndTest(int64_t wall, bool timedOut);
    double TimeLimit() const;
    int TestLimit() const;

    ReceiverState& state;
    TtffLink& link;
    const TtffClock& clock;
    TtffSettings& settings;
    const TruthPosition& truth;
    TtffTiming timing;
    RandomSource random;
    TtffObserver* observer = nullptr;
    std::optional<TtffDebugFile> debugFile;
    MessageSink* messages = nullptr;
    bool debugFailureShown = false;

    bool ticking = false;
    TtffPhase phase = TtffPhase::Stopped;
    TtffResults results;
    std::optional<TtffData> pendingLoad;
    std::vector<TtffRunRecord> runs;
    TtffRunRecord current;
    int unmeasured = 0; // tests that ended without a restart: nothing recorded
    int testMode = kModeNone;

    std::array<bool, kMilestones> reached{};
    std::array<double, kMilestones> reachedAt{};
    bool armed = false;
    int pauseSeconds = 0;
    int64_t resetDue = 0, testStart = 0, lastSend = 0, timingStart = 0; // wall ms
    double startMs = 0, previousMs = 0, nowMs = 0, countAtReset = 0;    // receiver ms
    double elapsed = 0;

    // The receiver as the last tick read it.
    int gpsHour = 0, gpsMinute = 0, gpsSecond = 0;
    double gpsTime = 0, latitude = 0, longitude = 0, altitude = 0;
    int fixMode = 0, restartNotified = 0, ephemerisNotices = 0, almanacNotices = 0;
    double deltaNorth = 0, deltaEast = 0, deltaUp = 0;
    double error2D = 0, error3D = 0;
    bool errorKnown = false; // error2D and error3D come from this test's fix
};
