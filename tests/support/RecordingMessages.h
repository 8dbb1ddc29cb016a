#pragma once

#include "link/MessageSink.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

// Keeps every message the core reports, from any thread.
struct RecordingMessages : MessageSink {
    struct Message {
        std::string text, caption;
        MessageIcon icon;
    };

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        std::lock_guard lock(mutex);
        messages.push_back({std::string(text), std::string(caption), icon});
    }
    void Beep() override { ++beeps; }
    std::vector<Message> All() {
        std::lock_guard lock(mutex);
        return messages;
    }

    std::mutex mutex;
    std::vector<Message> messages;
    std::atomic<int> beeps = 0;
};
