#pragma once

#include "nmea/SentenceDispatcher.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class LogSink;
class MonitorSink;

// Finds NMEA sentences in a byte stream that may arrive in pieces, checks
// their checksums, dispatches them to the decoders and echoes each one to the
// monitor and the log. Owned and fed by the receive thread only.
class NmeaFramer {
public:
    static constexpr size_t kMaxAddress = 6;
    static constexpr size_t kMaxData = 249;

    // Called after every counted sentence with the new sentence count; demo
    // playback sleeps there to pace itself.
    using PacingHook = std::function<void(unsigned sentenceCount)>;
    // Called after every dispatched sentence (tools and tests look at the
    // state there).
    using SentenceObserver = std::function<void(std::string_view address, std::string_view data)>;

    NmeaFramer(ReceiverState& state, const DecodeSettings& settings);

    void Feed(std::string_view bytes);

    // Null switches an echo off (no monitor window, logging stopped).
    void SetMonitor(MonitorSink* sink) { monitor = sink; }
    void SetLog(LogSink* sink) { log = sink; }
    void SetPacing(PacingHook hook) { pacing = std::move(hook); }
    void SetObserver(SentenceObserver hook) { observer = std::move(hook); }

    unsigned ChecksumErrors() const { return checksumErrors; }
    unsigned Dropped() const { return dropped; }

private:
    enum class Stage { Hunt, Address, Data, Checksum1, Checksum2 };

    const char* ScanData(const char* p, const char* end);
    void EndWithChecksum();
    void EndWithoutChecksum();
    bool Accept(); // true when a decoder rewrote the data
    void ReportMismatch(unsigned received);
    void BuildEcho(bool withChecksum);
    void ResealEcho();
    void LogAsReceived(bool withChecksum);
    void Drop();

    ReceiverState& state;
    const DecodeSettings& settings;
    SentenceDispatcher dispatcher;
    MonitorSink* monitor = nullptr;
    LogSink* log = nullptr;
    PacingHook pacing;
    SentenceObserver observer;

    Stage stage = Stage::Hunt;
    std::array<char, kMaxAddress + 1> address{};
    std::array<char, kMaxData + 1> data{};
    size_t length = 0; // of the address or the data, by stage
    size_t addressLength = 0;
    std::array<char, 2> checksumText{};
    uint8_t running = 0;
    std::string echo;

    unsigned checksumErrors = 0;
    unsigned dropped = 0;
};
