#pragma once

#include "nmea/EchoSinks.h"

#include <atomic>
#include <cstdio>
#include <string>

class MessageSink;

// The NMEA log: exactly the text the framer echoes (or the raw text in debug
// mode), nothing else. Written by the receive thread, opened and closed by the
// UI thread under the receive thread's pass lock. Flushed at the end of every
// pass, so a crash loses at most one pass; a write error stops logging and is
// reported once.
class NmeaLogFile : public LogSink {
public:
    explicit NmeaLogFile(MessageSink& messages) : messages(messages) {}
    ~NmeaLogFile() override { Close(); }
    NmeaLogFile(const NmeaLogFile&) = delete;
    NmeaLogFile& operator=(const NmeaLogFile&) = delete;

    // Creates the file new (an existing one is emptied). False when it cannot
    // be created; the reason is reported.
    bool Create(const std::string& path);
    void Close();
    // Any thread: the UI shows it while the receive thread may stop logging.
    bool IsOpen() const { return open.load(std::memory_order_relaxed); }
    const std::string& FileName() const { return fileName; }

    void Write(std::string_view text) override;
    void Flush();

private:
    void Failed(int error);

    MessageSink& messages;
    std::FILE* file = nullptr;
    std::atomic<bool> open{false};
    std::string fileName = "Untitled.txt";
};
