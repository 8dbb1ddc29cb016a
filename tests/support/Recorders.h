#pragma once

#include "nmea/DecodeSettings.h"
#include "nmea/EchoSinks.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <numeric>
#include <string>
#include <vector>

// Keeps everything the framer echoes, call by call.
struct RecordingMonitor : MonitorSink {
    std::vector<std::string> texts;
    std::vector<int> flags;
    void AppendText(std::string_view text, int flag) override {
        texts.emplace_back(text);
        flags.push_back(flag);
    }
    std::string All() const { return std::accumulate(texts.begin(), texts.end(), std::string()); }
};

struct RecordingLog : LogSink {
    std::string contents;
    void Write(std::string_view text) override { contents.append(text); }
};

// A framer over a state of its own, with everything it echoes and the address
// of every sentence it dispatches recorded.
struct RecordingFramer {
    RecordingFramer() {
        framer.SetMonitor(&monitor);
        framer.SetLog(&log);
        framer.SetObserver([this](std::string_view address, std::string_view) {
            addresses.emplace_back(address);
        });
    }
    RecordingFramer(const RecordingFramer&) = delete;
    RecordingFramer& operator=(const RecordingFramer&) = delete;

    ReceiverState state;
    DecodeSettings settings;
    RecordingMonitor monitor;
    RecordingLog log;
    NmeaFramer framer{state, settings};
    std::vector<std::string> addresses;
};
