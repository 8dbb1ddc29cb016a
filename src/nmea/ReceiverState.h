#pragma once

#include "nmea/StateLock.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

constexpr int kMaxSatellites = 33;
constexpr int kMaxPrn = 32;
// Room for the replies to a whole list of initialisation strings and more.
constexpr int kMaxQueuedReplies = 64;

// Copied as one block; field order matters to the views that read it.
struct SatelliteInfo {
    int32_t prn = 0;
    int32_t snr = 0;
    int32_t snrAux = 0;
    int32_t azimuth = 0;
    int32_t elevation = 0;
    int32_t tracked = 0;
    int32_t usedInFix = 0;

    bool operator==(const SatelliteInfo&) const = default;
};

using SatelliteTable = std::array<SatelliteInfo, kMaxSatellites>;

struct NavGroup {
    double latitude = 0;
    double longitude = 0;
    double altitude = 0; // metres; above the ellipsoid when GGA carries the geoid separation
    int32_t fixQuality = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    int32_t positionUpdateCount = 0;
    int32_t differentialStation = 0;
    double differentialAge = 0;
    double horizontalError = 0;
    double verticalError = 0;
    double speedKnots = 0;
    double heading = 0;

    bool operator==(const NavGroup&) const = default;
};

struct SatGroup {
    int32_t satellitesInView = 0; // as sent; may exceed the table size
    SatelliteTable satellites{};

    bool operator==(const SatGroup&) const = default;
};

struct DopGroup {
    double pdop = 0;
    double hdop = 0;
    double vdop = 0;
    int32_t fixMode = 0;                          // 0 not set, 1 no fix, 2 2D, 3 3D
    std::array<int32_t, kMaxPrn + 1> usedByPrn{}; // index 0 is never set

    bool operator==(const DopGroup&) const = default;
};

struct ClockGroup {
    double gpsTime = 0;
    double clockDrift = 0; // ns/s
    double receiverMilliseconds = 0;

    bool operator==(const ClockGroup&) const = default;
};

// One position fix as the survey stores it: the values of one receiver epoch
// (the sentences that share a time of day), taken as the epoch's sentences
// arrive.
struct FixSnapshot {
    uint32_t epoch = 0;    // 1, 2, ... in arrival order
    uint32_t revision = 0; // raised by every sentence that adds to the epoch
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
    double pdop = 0;
    double hdop = 0;
    double vdop = 0;
    double horizontalError = 0;
    int32_t fixQuality = 0;
    int32_t fixMode = 0;

    bool operator==(const FixSnapshot&) const = default;
};

// Recent epochs, so that a reader polling every 100 ms sees every fix of a
// 10 Hz receiver and each one once (a position count only says "something
// changed", and GGA, POLYA and PASHR POS of one epoch each raise it).
constexpr uint32_t kFixRingSize = 256;

enum class StateGroup : unsigned { Nav = 1, Sat = 2, Dop = 4, Clock = 8 };

constexpr StateGroup operator|(StateGroup a, StateGroup b) {
    return static_cast<StateGroup>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

class ReceiverState;

// Write access to one or more groups, their locks taken in the fixed order
// Nav, Sat, Dop, Clock. Only decoders (receive thread) and ClearFix use it.
// When a lock cannot be had in time, nothing is held and `operator bool` is
// false: the writer must skip its work.
class StateWriter {
public:
    StateWriter(ReceiverState& state, StateGroup groups);
    ~StateWriter();
    StateWriter(const StateWriter&) = delete;
    StateWriter& operator=(const StateWriter&) = delete;

    explicit operator bool() const { return held != 0; }
    NavGroup& Nav();
    SatGroup& Sat();
    DopGroup& Dop();
    ClockGroup& Clock();

private:
    void ReleaseAll();

    ReceiverState& state;
    unsigned held = 0;
};

// What the receiver last reported. Written by the decoders on the receive
// thread; everyone else reads copies through the accessors, each of which
// holds one group lock for its copy. An accessor that cannot get its lock
// leaves its out-arguments as they were, or returns the last value it read:
// never a fresh zero that a poller would take for news.
class ReceiverState {
public:
    void GetPosition(double& latitude, double& longitude, double& altitude) const;
    void GetSpeed(double& knots) const;
    void GetHeading(double& heading) const;
    void GetFixTime(int& hour, int& minute, int& second) const;
    int GetPositionUpdateCount() const;
    double GetHorizontalError() const;
    double GetVerticalError() const;
    int GetFixQuality() const;
    int GetDifferentialStation() const;
    double GetDifferentialAge() const;

    double GetPDOP() const;
    double GetHDOP() const;
    double GetVDOP() const;
    int GetFixMode() const;

    int GetSatellitesInView() const;
    void CopySatelliteTable(SatelliteTable& out) const;

    void GetGpsTime(double& value) const;
    void GetClockDrift(double& value) const;
    void GetReceiverMilliseconds(double& value) const;

    // Whole groups copied out under their lock (the last copy made when the
    // lock cannot be had): for readers that want a consistent set of fields.
    NavGroup CopyNav() const;
    SatGroup CopySat() const;
    DopGroup CopyDop() const;
    ClockGroup CopyClock() const;

    // Returns the queued replies, oldest first, and empties the queue.
    std::vector<std::string> TakeReplies();
    // Decoders only. At most kMaxQueuedReplies are kept for TakeReplies;
    // while that many are queued, further replies are lost.
    void PostReply(std::string_view sentence);

    // Receive thread, after a position sentence was decoded. `time` is its
    // time of day as hhmmss.ss; a position with the time of the newest
    // epoch belongs to that epoch, anything else (no time at all included)
    // starts a new one.
    void RecordFix(std::optional<double> time);
    // Receive thread, after DOPs or the error estimate changed: the newest
    // epoch takes them.
    void RefreshFix();
    // The epochs after `afterEpoch`, oldest first; only the newest
    // kFixRingSize are kept. The newest may still grow (RecordFix and
    // RefreshFix of the same epoch); all others are complete.
    void CopyFixesAfter(uint32_t afterEpoch, std::vector<FixSnapshot>& out) const;
    uint32_t NewestFixEpoch() const;

    // Zeroes satellites in view, fix mode, position, the error estimates and
    // each satellite's signal and use in the fix (before a test reset).
    void ClearFix();

    // Single-word flags and counters, no lock.
    unsigned GetSentenceCount() const { return sentenceCount.load(std::memory_order_relaxed); }
    unsigned AddSentence() { return sentenceCount.fetch_add(1, std::memory_order_relaxed) + 1; }
    void SetReceivePaused(int paused) { receivePaused.store(paused); }
    int GetReceivePaused() const { return receivePaused.load(); }
    int GetThreadRunning() const { return threadRunning.load(); }
    void SetThreadRunning(int running) { threadRunning.store(running); }
    int GetRestartNotified() const { return restartNotified.load(); }
    void SetRestartNotified(int value) { restartNotified.store(value); }
    int GetPolyiLevel() const { return polyiLevel.load(std::memory_order_relaxed); }
    void SetPolyiLevel(int level) { polyiLevel.store(level, std::memory_order_relaxed); }

    // Notice flags by PRN 1..32; set since the last restart notice.
    int GetEphemerisNotice(int prn) const;
    int GetAlmanacNotice(int prn) const;
    void SetEphemerisNotice(int prn);
    void SetAlmanacNotice(int prn);
    void ClearNotices();

private:
    friend class StateWriter;

    mutable StateLock navLock, satLock, dopLock, clockLock, replyLock;
    NavGroup nav;
    SatGroup sat;
    DopGroup dop;
    ClockGroup clock;

    // What the accessors last read, for when a lock cannot be had.
    template <typename T>
    struct LastCopy {
        std::mutex mutex;
        T value{};
    };
    struct LastValues {
        std::atomic<int> positionUpdateCount{0}, fixQuality{0}, differentialStation{0}, fixMode{0},
            satellitesInView{0};
        std::atomic<double> horizontalError{0}, verticalError{0}, differentialAge{0}, pdop{0},
            hdop{0}, vdop{0};
    };
    mutable LastValues last;
    mutable LastCopy<NavGroup> lastNav;
    mutable LastCopy<SatGroup> lastSat;
    mutable LastCopy<DopGroup> lastDop;
    mutable LastCopy<ClockGroup> lastClock;

    bool ReadFix(FixSnapshot& fix) const;

    // Fix ring, under fixLock; never taken together with a group lock.
    mutable StateLock fixLock;
    std::array<FixSnapshot, kFixRingSize> fixes{};
    uint32_t newestEpoch = 0;
    std::optional<double> newestEpochTime;

    std::array<std::string, kMaxQueuedReplies + 1> replies;
    int replyCount = 0;

    std::atomic<uint32_t> sentenceCount{0};
    std::atomic<int32_t> receivePaused{0};
    std::atomic<int32_t> threadRunning{1};
    std::atomic<int32_t> restartNotified{0};
    std::atomic<int32_t> polyiLevel{0};
    std::array<std::atomic<int32_t>, kMaxPrn + 1> ephemerisNoticeByPrn{};
    std::array<std::atomic<int32_t>, kMaxPrn + 1> almanacNoticeByPrn{};
};
