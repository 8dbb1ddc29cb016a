#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lets the UI thread (or a tool) watch for sentences as the receive thread
// frames them, so waiting for a receiver's notice never reads the port
// beside the receive thread: the sentence still reaches the decoders, the
// log and the monitor. A watch collects only what arrives while it exists.
class SentenceTap {
public:
    // Collects every sentence beginning with `prefix` ("$POLYN,RSET") from
    // its creation until it goes.
    class Watch {
    public:
        Watch(SentenceTap& tap, std::string prefix);
        ~Watch();
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;

        // The oldest collected sentence, waiting up to `timeout`; nothing on
        // time-out or once `cancelled` says so (asked every 20 ms).
        std::optional<std::string> Wait(std::chrono::milliseconds timeout,
                                        const std::function<bool()>& cancelled = {});
        // The oldest collected sentence, if any, at once.
        std::optional<std::string> Take();

    private:
        friend class SentenceTap;
        SentenceTap& tap;
        std::string prefix;
        std::deque<std::string> lines; // under tap.mutex
    };

    // The receive thread: one framed sentence, "$" + address + "," + data.
    void Offer(std::string_view address, std::string_view data);

private:
    static constexpr size_t kMaxQueued = 256; // a forgotten watch cannot grow without end

    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<Watch*> watches;
    std::atomic<size_t> watching{0}; // read without the lock on every sentence
};
