#include "ttff/TtffController.h"

#include "link/MessageSink.h"
#include "nmea/ReceiverState.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double kMetresPerDegree = 111194.92664455897;
constexpr double kRadiansPerDegree = 0.017453292519943334;
// After 2D-50m the 3D-50m milestone gets this long before the test is given up.
constexpr double kAfter2D50mSeconds = 60.0;
constexpr int kMaxCounted = 5; // satellites: 5SV is the last milestone

// |a - b| in degrees of longitude, across the 180th meridian too.
double LongitudeDifference(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TtffController::RandomSource DefaultRandom() {
    return [engine = std::minstd_rand(std::random_device{}())]() mutable {
        return static_cast<uint32_t>(engine());
    };
}

// Clears a flag when the scope ends, however it ends.
struct Busy {
    explicit Busy(bool& flag) : flag(flag) { flag = true; }
    ~Busy() { flag = false; }
    bool& flag;
};

} // namespace

int64_t SteadyTtffClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TtffController::TtffController(ReceiverState& state, TtffLink& link, const TtffClock& clock,
                               TtffSettings& settings, const TruthPosition& truth,
                               TtffTiming timing, RandomSource random)
    : state(state), link(link), clock(clock), settings(settings), truth(truth), timing(timing),
      random(random ? std::move(random) : DefaultRandom()) {}

void TtffController::SetDebugFile(const std::string& path, MessageSink* sink) {
    debugFile.reset();
    if (!path.empty()) debugFile.emplace(path);
    messages = sink;
    debugFailureShown = false;
}

bool TtffController::Start() {
    if (settings.mode < kModeHot || settings.mode > kModeCold) return false;
    results.Clear();
    runs.clear();
    unmeasured = 0;
    testMode = settings.mode;
    reached.fill(true); // nothing is awaited until the first reset
    armed = false;
    startMs = previousMs = 0;
    elapsed = 0;
    error2D = error3D = 0;
    errorKnown = false;
    state.ClearFix();
    resetDue = clock.NowMs() + timing.firstResetDelay.count();
    pauseSeconds = static_cast<int>(timing.firstResetDelay.count() / 1000);
    phase = TtffPhase::Pause;
    return true;
}

void TtffController::Tick() {
    if (ticking) return;
    const Busy busy(ticking);
    const int64_t wall = clock.NowMs();
    const bool testing = settings.mode >= kModeHot && settings.mode <= kModeCold;
    if (testing && pendingLoad) {
        results.Load(*pendingLoad);
        pendingLoad.reset();
    }
    // The notice first: the decoder has cleared the count by the time the
    // notice is offered, so a count read after it is never from before the
    // restart.
    const bool notice = phase == TtffPhase::WaitingForRestart && link.TakeRestartNotice();
    ReadReceiver();
    if (testing) {
        switch (phase) {
        case TtffPhase::Pause:
            if (wall >= resetDue) SendReset(wall, false);
            break;
        case TtffPhase::WaitingForRestart:
            AwaitRestart(wall, notice);
            break;
        case TtffPhase::Timing:
            TimeTest(wall);
            break;
        case TtffPhase::Stopped:
        case TtffPhase::Finished:
            break;
        }
    }
    previousMs = nowMs;
}

void TtffController::ReadReceiver() {
    state.GetFixTime(gpsHour, gpsMinute, gpsSecond);
    state.GetGpsTime(gpsTime);
    state.GetReceiverMilliseconds(nowMs);
    state.GetPosition(latitude, longitude, altitude);
    fixMode = state.GetFixMode();
    restartNotified = state.GetRestartNotified();
    ephemerisNotices = almanacNotices = 0;
    for (int prn = 1; prn <= kMaxPrn; ++prn) {
        ephemerisNotices += state.GetEphemerisNotice(prn) == 1;
        almanacNotices += state.GetAlmanacNotice(prn) == 1;
    }
}

// The command goes out first and the restart is watched for afterwards:
// waiting for the notice before sending would wait for a restart that only
// the command can bring.
void TtffController::SendReset(int64_t wall, bool resend) {
    if (!resend) {
        testMode = settings.mode;
        current = {};
        current.n = static_cast<int>(runs.size()) + 1;
        current.mode = testMode;
        testStart = wall;
        reached.fill(false);
        reachedAt.fill(0);
    }
    armed = false;
    countAtReset = nowMs;
    const bool written = link.SendReset(TtffResetCommand(testMode));
    ForgetFix();
    lastSend = wall;
    current.resets += 1;
    phase = TtffPhase::WaitingForRestart;
    if (observer) observer->ResetSent(current.n, current.resets, written);
}

void TtffController::AwaitRestart(int64_t wall, bool notice) {
    if (notice || nowMs == 0 || nowMs < previousMs) armed = true;
    if (armed && nowMs > 0) {
        // A count below the one at the reset started again from the restart:
        // it is the receiver's own time since then. Otherwise the receiver
        // keeps counting through restarts and timing starts from here.
        startMs = nowMs < countAtReset ? 0 : nowMs;
        armed = false;
        timingStart = wall;
        current.restarted = true;
        ForgetFix(); // what was decoded before the restart is not this test's
        phase = TtffPhase::Timing;
        if (observer) observer->RestartSeen(current.n);
        return;
    }
    if (static_cast<double>(wall - testStart) > TimeLimit() * 1000) {
        EndTest(wall, true);
    } else if (!armed && wall - lastSend >= timing.resetWait.count()) {
        SendReset(wall, true); // armed: restarted, only its count is still awaited
    }
}

// No fix, no estimates, no satellites until the receiver reports them again:
// a value left from before the reset must not record a milestone.
void TtffController::ForgetFix() {
    state.ClearFix();
    error2D = error3D = 0;
    errorKnown = false;
}

void TtffController::TimeTest(int64_t wall) {
    if (nowMs < previousMs) { // the receiver restarted by itself: its count is the time again
        startMs = 0;
        ForgetFix();
    }
    double elapsedMs = nowMs - startMs;
    if (elapsedMs < 0) {
        startMs = nowMs;
        elapsedMs = 0;
    }
    const double t = elapsedMs * 0.001;
    elapsed = t;
    for (int k = 0; k < kFixMilestones; ++k)
        if (!reached[k]) results.ShowFixTime(k, t);
    for (int j = 0; j < kAcquisitionMilestones; ++j)
        if (!reached[k3SV + j]) results.ShowAcquisitionTime(j, t);

    // The PC's clock ends a test whose receiver has gone quiet.
    const double limit = TimeLimit();
    const bool timedOut =
        (reached[k2D50m] && reachedAt[k2D50m] + kAfter2D50mSeconds < t) || t > limit ||
        static_cast<double>(wall - timingStart) > limit * 1000 + timing.resetWait.count();
    if (fixMode > 1) { // a 2D or 3D fix
        ComputeErrors();
        CheckFixMilestones(t);
    }
    CheckAcquisitions(t);

    const bool single = settings.testCount == kSingleTest;
    if (std::all_of(reached.begin(), reached.end(), [](bool r) { return r; }) ||
        (single && reached[k3D50m])) {
        EndTest(wall, false);
    } else if (timedOut) {
        ForceRemaining();
        EndTest(wall, true);
    }
}

void TtffController::ComputeErrors() {
    deltaNorth = std::fabs(latitude - truth.latitude) * kMetresPerDegree;
    deltaEast = LongitudeDifference(longitude, truth.longitude) *
                std::cos(latitude * kRadiansPerDegree) * kMetresPerDegree;
    deltaUp = std::fabs(altitude - truth.altitude);
    if (truth.use) {
        error2D = std::hypot(deltaNorth, deltaEast);
        error3D = std::hypot(error2D, deltaUp);
        errorKnown = std::isfinite(error3D);
        return;
    }
    // 0 (or anything not positive) is a receiver without an estimate.
    const double horizontal = state.GetHorizontalError();
    const double vertical = state.GetVerticalError();
    errorKnown = std::isfinite(horizontal) && horizontal > 0;
    error2D = errorKnown ? horizontal : 0;
    error3D = errorKnown ? std::hypot(horizontal, std::isfinite(vertical) ? vertical : 0) : 0;
}

void TtffController::CheckFixMilestones(double t) {
    if (!errorKnown) return;
    const bool fix3D = fixMode == 3;
    const std::array<bool, kFixMilestones> met{
        error2D < 10000.0 || error3D < 10000.0,
        error2D < 600.0 || error3D < 600.0,
        error2D < 100.0,
        fix3D && error3D < 100.0,
        error2D < 50.0,
        fix3D && error3D < 50.0,
    };
    for (int k = 0; k < kFixMilestones; ++k)
        if (!reached[k] && met[k]) RecordFix(k, t);
}

void TtffController::RecordFix(int k, double t) {
    results.RecordFix(k, std::min(t, kMaxRecorded));
    reached[k] = true;
    reachedAt[k] = t;
    current.times[k] = t;
    Store(k);
    if (k == k3D50m) state.TakeReplies(); // nobody else wants them during a test
}

// A cold start has no almanac, so any signal counts as acquired and counts
// before a fix; otherwise a satellite counts once the fix uses it.
void TtffController::CheckAcquisitions(double t) {
    const bool cold = testMode == kModeCold;
    SatelliteTable table{};
    state.CopySatelliteTable(table);
    int count = 0;
    for (const SatelliteInfo& row : table)
        count += cold ? row.snrAux > 2 : row.usedInFix == 1;
    count = std::min(count, kMaxCounted);
    if (t <= 0 || !(reached[k2D600m] || cold)) return;
    const double accuracy = errorKnown ? std::min(error2D, kMaxRecorded) : kMaxRecorded;
    for (int j = count - 3; j >= 0; --j) {
        if (reached[k3SV + j]) continue;
        results.RecordAcquisition(j, t, accuracy);
        reached[k3SV + j] = true;
        reachedAt[k3SV + j] = t;
        current.times[k3SV + j] = t;
        current.accuracies[j] = accuracy;
        Store(k3SV + j);
    }
}

// A test given up still counts in the statistics, at the last bin, as the
// file format has always kept it; the run record says it was not reached.
void TtffController::ForceRemaining() {
    for (int k = 0; k < kMilestones; ++k) {
        if (reached[k]) continue;
        reached[k] = true;
        if (k >= kFixMilestones) continue; // an acquisition that never came has no time
        results.RecordFix(k, kMaxRecorded);
        Store(k);
    }
}

void TtffController::Store(int milestone) {
    if (debugFile) {
        TtffDebugLine line{gpsTime, results.Data().fixTime, deltaEast, deltaNorth, error2D, deltaUp,
                           error3D};
        std::string reason;
        if (debugFile->Append(line, reason)) {
            debugFailureShown = false;
        } else if (!debugFailureShown && messages) {
            debugFailureShown = true; // once, not at every milestone of an unattended run
            messages->ShowMessage("Could Not Open Debug File\n" + debugFile->Path() + ": " + reason,
                                  "ERROR", MessageIcon::Stop);
        }
    }
    if (observer) observer->MilestoneRecorded(milestone, results.ToData(testMode));
}

void TtffController::EndTest(int64_t wall, bool timedOut) {
    current.timedOut = timedOut;
    reached.fill(true);
    runs.push_back(current);
    if (!current.restarted) ++unmeasured;
    if (observer) observer->TestFinished(current);
    if (settings.testCount == kSingleTest) {
        settings.mode = kModeNone; // a single test is over; the window only shows it now
        phase = TtffPhase::Finished;
        return;
    }
    if (results.Data().fixCount[k2D10km] + unmeasured >= TestLimit()) {
        phase = TtffPhase::Finished;
        return;
    }
    const int low = std::max(0, timing.pauseMinSeconds);
    const int span = std::max(0, timing.pauseMaxSeconds - low) + 1;
    pauseSeconds = low + static_cast<int>(random() % static_cast<uint32_t>(span));
    resetDue = wall + int64_t{pauseSeconds} * 1000;
    phase = TtffPhase::Pause;
}

double TtffController::TimeLimit() const {
    return timing.timeLimitSeconds[static_cast<size_t>(std::clamp(testMode, 0, 3))];
}

int TtffController::TestLimit() const {
    return timing.testLimits[static_cast<size_t>(std::clamp(settings.testCount, 0, 3))];
}

int TtffController::FailedTests() const {
    return static_cast<int>(
        std::count_if(runs.begin(), runs.end(), [](const TtffRunRecord& r) { return r.Failed(); }));
}

TtffReportInputs TtffController::ReportInputs() const {
    TtffReportInputs in;
    in.gpsHour = gpsHour;
    in.gpsMinute = gpsMinute;
    in.gpsSecond = gpsSecond;
    in.status = phase == TtffPhase::Timing     ? TtffStatus::Timing
                : phase == TtffPhase::Finished ? TtffStatus::Complete
                : phase == TtffPhase::Pause    ? TtffStatus::Pause
                : restartNotified != 0         ? TtffStatus::SkyFeed
                                               : TtffStatus::WaitingForData;
    in.elapsed = elapsed;
    in.pauseSeconds = pauseSeconds;
    in.ephemerisNotices = ephemerisNotices;
    in.almanacNotices = almanacNotices;
    in.latitude = latitude;
    in.longitude = longitude;
    in.truth = truth;
    in.error2D = error2D;
    in.error3D = error3D;
    in.fixMode = fixMode;
    in.single = settings.testCount == kSingleTest;
    in.mode = testMode;
    in.results = results;
    in.testsRun = static_cast<int>(runs.size());
    in.failedTests = FailedTests();
    return in;
}
