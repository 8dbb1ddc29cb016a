#pragma once

#include <chrono>
#include <mutex>

// One group lock of the receiver state. A wait is bounded: after about three
// seconds the caller gives up and must not touch the group.
class StateLock {
public:
    static constexpr std::chrono::milliseconds kMaxWait{3010};

    bool Acquire() {
        // The fast path avoids a clock read when the lock is free, which is
        // nearly always.
        return mutex.try_lock() || mutex.try_lock_for(kMaxWait);
    }
    void Release() { mutex.unlock(); }

private:
    std::timed_mutex mutex;
};

// Holds one lock for a scope; test `Held()` before touching the group.
class StateLockGuard {
public:
    explicit StateLockGuard(StateLock& lock) : lock(lock), held(lock.Acquire()) {}
    ~StateLockGuard() {
        if (held) lock.Release();
    }
    StateLockGuard(const StateLockGuard&) = delete;
    StateLockGuard& operator=(const StateLockGuard&) = delete;

    bool Held() const { return held; }

private:
    StateLock& lock;
    bool held;
};
