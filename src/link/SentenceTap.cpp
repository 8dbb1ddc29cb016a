#include "link/SentenceTap.h"

#include <algorithm>

SentenceTap::Watch::Watch(SentenceTap& tap, std::string prefix)
    : tap(tap), prefix(std::move(prefix)) {
    std::lock_guard lock(tap.mutex);
    tap.watches.push_back(this);
    tap.watching = tap.watches.size();
}

SentenceTap::Watch::~Watch() {
    std::lock_guard lock(tap.mutex);
    std::erase(tap.watches, this);
    tap.watching = tap.watches.size();
}

std::optional<std::string> SentenceTap::Watch::Take() {
    std::lock_guard lock(tap.mutex);
    if (lines.empty()) return std::nullopt;
    std::string line = std::move(lines.front());
    lines.pop_front();
    return line;
}

std::optional<std::string> SentenceTap::Watch::Wait(std::chrono::milliseconds timeout,
                                                    const std::function<bool()>& cancelled) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + timeout;
    while (true) {
        if (auto line = Take()) return line;
        if (cancelled && cancelled()) return std::nullopt;
        const auto now = steady_clock::now();
        if (now >= deadline) return std::nullopt;
        std::unique_lock lock(tap.mutex);
        tap.arrived.wait_for(lock, std::min<steady_clock::duration>(deadline - now, 20ms),
                             [this] { return !lines.empty(); });
    }
}

void SentenceTap::Offer(std::string_view address, std::string_view data) {
    if (watching.load(std::memory_order_relaxed) == 0) return; // nearly always
    std::lock_guard lock(mutex);
    std::string sentence;
    for (Watch* watch : watches) {
        if (sentence.empty()) sentence.append("$").append(address).append(",").append(data);
        if (!sentence.starts_with(watch->prefix) || watch->lines.size() >= kMaxQueued) continue;
        watch->lines.push_back(sentence);
    }
    arrived.notify_all();
}
