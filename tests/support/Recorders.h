#pragma once

#include "nmea/EchoSinks.h"

#include <string>
#include <vector>

// Keeps everything the framer echoes, call by call.
struct RecordingMonitor : MonitorSink {
    std::vector<std::string> texts;
    void AppendText(std::string_view text, int flag) override {
        texts.emplace_back(text);
        flags.push_back(flag);
    }
    std::string All() const {
        std::string all;
        for (const auto& t : texts)
            all += t;
        return all;
    }
    std::vector<int> flags;
};

struct RecordingLog : LogSink {
    std::string contents;
    void Write(std::string_view text) override { contents.append(text); }
};
