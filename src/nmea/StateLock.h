#pragma once

#include <chrono>
#include <mutex>
#include <thread>

// One group lock of the receiver state. A wait is bounded: after about three
// seconds the caller gives up and must not touch the group. Holders keep it
// for one sentence or one copy, so waiting first spins briefly, then looks
// again every millisecond.
class StateLock {
public:
    static constexpr std::chrono::milliseconds kMaxWait{3010};

    bool Acquire() {
        if (mutex.try_lock()) return true;
        for (int i = 0; i < 64; ++i) {
            std::this_thread::yield();
            if (mutex.try_lock()) return true;
        }
        const auto deadline = std::chrono::steady_clock::now() + kMaxWait;
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (mutex.try_lock()) return true;
        }
        return false;
    }
    void Release() { mutex.unlock(); }

private:
    std::mutex mutex;
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
