#include "nmea/ReceiverState.h"

#include <algorithm>

namespace {

constexpr unsigned Bit(StateGroup g) {
    return static_cast<unsigned>(g);
}

// Copies one value out of a group under its lock and remembers it; the
// remembered value when the lock cannot be had.
template <typename T, typename Read>
T ReadLocked(StateLock& lock, std::atomic<T>& last, Read read) {
    StateLockGuard guard(lock);
    if (!guard.Held()) return last.load(std::memory_order_relaxed);
    const T value = read();
    last.store(value, std::memory_order_relaxed);
    return value;
}

template <typename Group, typename Last>
Group CopyLocked(StateLock& lock, const Group& group, Last& last) {
    StateLockGuard guard(lock);
    std::lock_guard remembered(last.mutex);
    if (guard.Held()) last.value = group;
    return last.value;
}

bool ValidPrn(int prn) {
    return prn >= 1 && prn <= kMaxPrn;
}

} // namespace

StateWriter::StateWriter(ReceiverState& s, StateGroup groups) : state(s) {
    const unsigned want = static_cast<unsigned>(groups);
    StateLock* order[] = {&state.navLock, &state.satLock, &state.dopLock, &state.clockLock};
    const unsigned bits[] = {Bit(StateGroup::Nav), Bit(StateGroup::Sat), Bit(StateGroup::Dop),
                             Bit(StateGroup::Clock)};
    for (int i = 0; i < 4; ++i) {
        if (!(want & bits[i])) continue;
        if (!order[i]->Acquire()) {
            ReleaseAll(); // hold nothing rather than part of the set
            return;
        }
        held |= bits[i];
    }
}

StateWriter::~StateWriter() {
    ReleaseAll();
}

void StateWriter::ReleaseAll() {
    if (held & Bit(StateGroup::Nav)) state.navLock.Release();
    if (held & Bit(StateGroup::Sat)) state.satLock.Release();
    if (held & Bit(StateGroup::Dop)) state.dopLock.Release();
    if (held & Bit(StateGroup::Clock)) state.clockLock.Release();
    held = 0;
}

NavGroup& StateWriter::Nav() {
    return state.nav;
}
SatGroup& StateWriter::Sat() {
    return state.sat;
}
DopGroup& StateWriter::Dop() {
    return state.dop;
}
ClockGroup& StateWriter::Clock() {
    return state.clock;
}

void ReceiverState::GetPosition(double& latitude, double& longitude, double& altitude) const {
    StateLockGuard guard(navLock);
    if (!guard.Held()) return;
    latitude = nav.latitude;
    longitude = nav.longitude;
    altitude = nav.altitude;
}

void ReceiverState::GetSpeed(double& knots) const {
    StateLockGuard guard(navLock);
    if (guard.Held()) knots = nav.speedKnots;
}

void ReceiverState::GetHeading(double& heading) const {
    StateLockGuard guard(navLock);
    if (guard.Held()) heading = nav.heading;
}

void ReceiverState::GetFixTime(int& hour, int& minute, int& second) const {
    StateLockGuard guard(navLock);
    if (!guard.Held()) return;
    hour = nav.hour;
    minute = nav.minute;
    second = nav.second;
}

int ReceiverState::GetPositionUpdateCount() const {
    return ReadLocked(navLock, last.positionUpdateCount,
                      [this] { return nav.positionUpdateCount; });
}
double ReceiverState::GetHorizontalError() const {
    return ReadLocked(navLock, last.horizontalError, [this] { return nav.horizontalError; });
}
double ReceiverState::GetVerticalError() const {
    return ReadLocked(navLock, last.verticalError, [this] { return nav.verticalError; });
}
int ReceiverState::GetFixQuality() const {
    return ReadLocked(navLock, last.fixQuality, [this] { return nav.fixQuality; });
}
int ReceiverState::GetDifferentialStation() const {
    return ReadLocked(navLock, last.differentialStation,
                      [this] { return nav.differentialStation; });
}
double ReceiverState::GetDifferentialAge() const {
    return ReadLocked(navLock, last.differentialAge, [this] { return nav.differentialAge; });
}
double ReceiverState::GetPDOP() const {
    return ReadLocked(dopLock, last.pdop, [this] { return dop.pdop; });
}
double ReceiverState::GetHDOP() const {
    return ReadLocked(dopLock, last.hdop, [this] { return dop.hdop; });
}
double ReceiverState::GetVDOP() const {
    return ReadLocked(dopLock, last.vdop, [this] { return dop.vdop; });
}
int ReceiverState::GetFixMode() const {
    return ReadLocked(dopLock, last.fixMode, [this] { return dop.fixMode; });
}
int ReceiverState::GetSatellitesInView() const {
    return ReadLocked(satLock, last.satellitesInView, [this] { return sat.satellitesInView; });
}

void ReceiverState::CopySatelliteTable(SatelliteTable& out) const {
    StateLockGuard guard(satLock);
    if (guard.Held()) out = sat.satellites;
}

void ReceiverState::GetGpsTime(double& value) const {
    StateLockGuard guard(clockLock);
    if (guard.Held()) value = clock.gpsTime;
}

void ReceiverState::GetClockDrift(double& value) const {
    StateLockGuard guard(clockLock);
    if (guard.Held()) value = clock.clockDrift;
}

void ReceiverState::GetReceiverMilliseconds(double& value) const {
    StateLockGuard guard(clockLock);
    if (guard.Held()) value = clock.receiverMilliseconds;
}

NavGroup ReceiverState::CopyNav() const {
    return CopyLocked(navLock, nav, lastNav);
}
SatGroup ReceiverState::CopySat() const {
    return CopyLocked(satLock, sat, lastSat);
}
DopGroup ReceiverState::CopyDop() const {
    return CopyLocked(dopLock, dop, lastDop);
}
ClockGroup ReceiverState::CopyClock() const {
    return CopyLocked(clockLock, clock, lastClock);
}

std::vector<std::string> ReceiverState::TakeReplies() {
    std::vector<std::string> taken;
    StateLockGuard guard(replyLock);
    if (!guard.Held()) return taken;
    taken.assign(replies.begin(), replies.begin() + replyCount);
    replyCount = 0;
    return taken;
}

void ReceiverState::PostReply(std::string_view sentence) {
    StateLockGuard guard(replyLock);
    if (!guard.Held()) return;
    replies[replyCount].assign(sentence);
    replyCount = std::min(replyCount + 1, kMaxQueuedReplies);
}

// The fix values of nav and dop, each group under its own lock; false when a
// lock could not be had (nothing is recorded then rather than stale values).
bool ReceiverState::ReadFix(FixSnapshot& fix) const {
    {
        StateLockGuard guard(navLock);
        if (!guard.Held()) return false;
        fix.latitude = nav.latitude;
        fix.longitude = nav.longitude;
        fix.altitude = nav.altitude;
        fix.horizontalError = nav.horizontalError;
        fix.fixQuality = nav.fixQuality;
    }
    StateLockGuard guard(dopLock);
    if (!guard.Held()) return false;
    fix.pdop = dop.pdop;
    fix.hdop = dop.hdop;
    fix.vdop = dop.vdop;
    fix.fixMode = dop.fixMode;
    return true;
}

void ReceiverState::RecordFix(std::optional<double> time) {
    FixSnapshot fix;
    if (!ReadFix(fix)) return;
    StateLockGuard guard(fixLock);
    if (!guard.Held()) return;
    const bool same = newestEpoch != 0 && time && newestEpochTime && *time == *newestEpochTime;
    newestEpochTime = time;
    if (!same) ++newestEpoch;
    FixSnapshot& slot = fixes[newestEpoch % kFixRingSize];
    fix.epoch = newestEpoch;
    fix.revision = same ? slot.revision + 1 : 1;
    slot = fix;
}

void ReceiverState::RefreshFix() {
    FixSnapshot fix;
    if (!ReadFix(fix)) return;
    StateLockGuard guard(fixLock);
    if (!guard.Held() || newestEpoch == 0) return;
    FixSnapshot& slot = fixes[newestEpoch % kFixRingSize];
    fix.epoch = slot.epoch;
    fix.revision = slot.revision + 1;
    slot = fix;
}

void ReceiverState::CopyFixesAfter(uint32_t afterEpoch, std::vector<FixSnapshot>& out) const {
    out.clear();
    StateLockGuard guard(fixLock);
    if (!guard.Held() || afterEpoch >= newestEpoch) return;
    const uint32_t kept = std::min(newestEpoch - afterEpoch, kFixRingSize);
    for (uint32_t epoch = newestEpoch - kept + 1; epoch <= newestEpoch; ++epoch)
        out.push_back(fixes[epoch % kFixRingSize]);
}

uint32_t ReceiverState::NewestFixEpoch() const {
    StateLockGuard guard(fixLock);
    return guard.Held() ? newestEpoch : 0;
}

void ReceiverState::ClearFix() {
    StateWriter w(*this, StateGroup::Nav | StateGroup::Sat | StateGroup::Dop);
    if (!w) return;
    w.Sat().satellitesInView = 0;
    w.Dop().fixMode = 0;
    w.Nav().latitude = 0;
    w.Nav().longitude = 0;
    w.Nav().altitude = 0;
    // Receivers leave these fields empty until they fix again, so without
    // this a value from before a reset would look like the new fix's.
    w.Nav().horizontalError = 0;
    w.Nav().verticalError = 0;
    for (SatelliteInfo& row : w.Sat().satellites)
        row.snrAux = row.usedInFix = 0;
}

int ReceiverState::GetEphemerisNotice(int prn) const {
    return ValidPrn(prn) ? ephemerisNoticeByPrn[prn].load(std::memory_order_relaxed) : 0;
}
int ReceiverState::GetAlmanacNotice(int prn) const {
    return ValidPrn(prn) ? almanacNoticeByPrn[prn].load(std::memory_order_relaxed) : 0;
}
void ReceiverState::SetEphemerisNotice(int prn) {
    if (ValidPrn(prn)) ephemerisNoticeByPrn[prn].store(1, std::memory_order_relaxed);
}
void ReceiverState::SetAlmanacNotice(int prn) {
    if (ValidPrn(prn)) almanacNoticeByPrn[prn].store(1, std::memory_order_relaxed);
}
void ReceiverState::ClearNotices() {
    for (int prn = 1; prn <= kMaxPrn; ++prn) {
        ephemerisNoticeByPrn[prn].store(0, std::memory_order_relaxed);
        almanacNoticeByPrn[prn].store(0, std::memory_order_relaxed);
    }
}
