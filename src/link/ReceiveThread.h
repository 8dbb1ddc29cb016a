#pragma once

#include "link/NmeaLogFile.h"
#include "link/ReceiveSettings.h"
#include "link/SentenceTap.h"
#include "nmea/NmeaFramer.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class CReceiverPort;
class MessageSink;
class MonitorSink;
class ReceiverState;

// The one worker that moves bytes from the receiver (port, capture file or
// network text) into the framer, and echoes them to the monitor and the log.
// The UI controls it through the state's flags (paused, running), the
// settings, and LockPass() while it swaps the port, the log or the monitor.
class ReceiveThread {
public:
    static constexpr std::chrono::milliseconds kStartDelay{3000};
    static constexpr std::chrono::milliseconds kPassSleep{50};
    static constexpr std::chrono::milliseconds kPausedSleep{250};
    static constexpr size_t kReadSize = 1000;
    static constexpr size_t kMaxNetworkText = 12999;
    static constexpr std::chrono::milliseconds kRetryPeriod{2000};

    ReceiveThread(ReceiverState& state, CReceiverPort& port, const DecodeSettings& decode,
                  MessageSink& messages);
    ~ReceiveThread();
    ReceiveThread(const ReceiveThread&) = delete;
    ReceiveThread& operator=(const ReceiveThread&) = delete;

    void Start(std::chrono::milliseconds startDelay = kStartDelay);
    // Clears the running flag and waits for the thread: it notices at once,
    // even in the middle of a sleep or a read.
    void Stop();

    // Held by the UI while it changes the port, the log file or the monitor;
    // a running pass gives up its wait for data so the lock comes quickly.
    std::unique_lock<std::mutex> LockPass();
    // Pauses and returns once no pass is running, so the caller has the port
    // to itself until Resume(): no byte is read in between.
    void Pause();
    void Resume();
    // The UI closed the port and could not open it again (a USB receiver
    // still rebooting after a firmware upgrade): the thread looks for the
    // device as for one that went away, and opens it once it is back.
    void LookFor(const std::string& device, unsigned baud);

    // Under LockPass(): null when no monitor window is open.
    void SetMonitor(MonitorSink* sink) { monitor = sink; }
    NmeaLogFile& Log() { return log; }
    // Every framed sentence passes here, for waits on a receiver's notices.
    SentenceTap& Tap() { return tap; }
    ReceiveSettings& Settings() { return settings; }

    // From the network link: replaces the pending text, with a carriage return
    // added so the framer sees the sentence end.
    void SetNetworkText(std::string_view text);

    // One pass: read once, echo, frame. Public for tests; the thread calls it.
    void ProcessReceivedData();

    // How often a receiver that went away has been opened again by itself;
    // the status bar tells the user when it grows.
    unsigned Reconnects() const { return reconnects.load(); }

private:
    void Main(std::chrono::milliseconds startDelay);
    bool Sleep(std::chrono::milliseconds duration); // false when stopping
    size_t TakeInput(bool network);
    bool StillWanted() const;
    bool Reconnected();
    void Pace(unsigned sentenceCount);

    ReceiverState& state;
    CReceiverPort& port;
    MessageSink& messages;
    NmeaFramer framer;
    NmeaLogFile log;
    SentenceTap tap;
    ReceiveSettings settings;
    MonitorSink* monitor = nullptr;
    std::atomic<int> pacingOwedMs{0}; // owed by a pass, slept after it

    // The device that went away, while it is looked for again (pass lock).
    std::string lostDevice;
    unsigned lostBaud = 0;
    std::chrono::steady_clock::time_point nextRetry;
    std::atomic<unsigned> reconnects{0};

    std::mutex passMutex;
    std::atomic<int> lockWaiters{0};
    std::mutex networkMutex;
    std::string networkText;

    std::mutex sleepMutex;
    std::condition_variable wake;
    std::atomic<bool> stopRequested{false};
    std::thread worker;

    std::array<char, 13000> buffer{};
};
