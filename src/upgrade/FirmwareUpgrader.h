#pragma once

#include "upgrade/SRecord.h"
#include "upgrade/UpgradeLink.h"
#include "upgrade/UpgradeTexts.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

// How long each wait of the exchange may take, and the clock that measures
// it (monotonic; tests shorten the waits).
struct UpgradeTiming {
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using ms = std::chrono::milliseconds;

    ms loaderReply{3000};   // for each form of the loader command
    ms loaderPrompt{10000}; // for "~E" on the line reopened at 38400 baud
    ms upperErase{120000};  // for the upper block's erase result
    ms recordReply{2000};   // for each record's code
    ms lowerEraseStart{30000};
    ms lowerErase{15000};
    ms copy{120000};         // for the final reply
    ms reopenSettle{500};    // between closing the line and opening it at 38400
    ms earlySettle{500};     // restoring the line after a failure before the final stages
    ms finalSettle{100};     // restoring it after the final stages
    int timeoutsInRow = 3;   // record replies missed in a row that are sent again; one more fails
    int sendsPerRecord = 10; // a record the receiver keeps asking for fails after this many
    Clock now = [] { return std::chrono::steady_clock::now(); };
};

enum class UpgradeResult {
    Complete,        // "Flash Upgrade Complete", after every record was taken
    Refused,         // nothing was sent: the file or the port was refused
    Failed,          // the receiver refused, the line failed or a wait timed out
    Cancelled,       // "User Quit"
    UnknownResponse, // the final reply meant neither success nor failure
};

struct UpgradeOutcome {
    UpgradeResult result = UpgradeResult::Failed;
    std::string message;       // the message box text; the reply itself for UnknownResponse
    std::string caption;       // "UPGRADE", "ERROR" or "UNKNOWN RESPONSE"
    std::string detail;        // why, for the log or standard error; may be empty
    size_t records = 0;        // taken by the receiver
    bool linkRestored = false; // the port is open again at its speed

    bool Ok() const { return result == UpgradeResult::Complete; }
};

// What a progress dialog shows; a copy, safe to take from any thread.
struct UpgradeProgress {
    std::string status; // one of UpgradeText's stages
    int percent = 0;    // of the records taken, 0 to 100
    size_t recordsTaken = 0, recordsTotal = 0;
    bool running = false;
    bool finished = false;
    UpgradeOutcome outcome; // once finished
};

// The S-record firmware upgrade, on a worker thread of its own so the window
// stays live (and can offer Cancel) while it runs:
//
//   FirmwareUpgrader upgrade(port, receiveThread);
//   if (!upgrade.Start(path)) { show upgrade.Snapshot().outcome; return; }
//   every 100 ms: UpgradeProgress p = upgrade.Snapshot(); show p.status and
//                 p.percent; Cancel pressed -> upgrade.Cancel();
//                 once p.finished: show p.outcome (message, caption) and close
//
// The receiver hears nothing unless the whole file passed the check. From
// start to finish the receive thread is paused; after any outcome the port
// is opened again at the device and speed that were in use (and the receive
// thread runs again), or, when it will not open, left to the receive thread
// to find. The owner must outlive the upgrade: the destructor cancels it and
// waits for the worker.
class FirmwareUpgrader {
public:
    FirmwareUpgrader(CReceiverPort& port, ReceiveThread& receiver, UpgradeTiming timing = {});
    explicit FirmwareUpgrader(UpgradeLink& link, UpgradeTiming timing = {});
    ~FirmwareUpgrader();
    FirmwareUpgrader(const FirmwareUpgrader&) = delete;
    FirmwareUpgrader& operator=(const FirmwareUpgrader&) = delete;

    // Reads and checks the file, then starts the upgrade. False, with nothing
    // sent and the reason in Snapshot().outcome ("Error opening File",
    // "Incorrect File Format" with a detail, no serial port open), or when an
    // upgrade is already running.
    bool Start(const std::string& path);
    bool Start(SRecordImage image);
    // Ends the upgrade at its next look (within about 100 ms, or once a
    // running reopen is over) with "User Quit"; the port is restored as after
    // any outcome. Cancel before the receiver switched to its loader skips
    // the loader command's second form.
    void Cancel() { cancelled = true; }
    UpgradeProgress Snapshot() const;
    // Until the worker has ended; its outcome.
    UpgradeOutcome Wait();

    // Whether an upgrade can start on this port: a serial device is open.
    static bool Possible(const CReceiverPort& port);

private:
    enum class Reply { Line, Timeout, Cancelled, Gone };

    void Run();
    UpgradeOutcome Exchange();
    UpgradeOutcome Records();
    UpgradeOutcome FinalStages(bool endedEarly);
    Reply WaitFor(std::string_view prefix, std::chrono::milliseconds timeout, std::string& reply);
    void SetStatus(std::string_view status);
    void SetTaken(size_t records);
    bool Refuse(std::string_view message, std::string detail);

    std::unique_ptr<UpgradeLink> ownLink;
    UpgradeLink& link;
    UpgradeTiming timing;
    SRecordImage image;
    std::string pending; // received, not yet looked at: bytes that came together are kept
    std::atomic<bool> cancelled{false};
    bool finalStages = false; // the worker's: the receiver got past the records

    mutable std::mutex progressMutex;
    UpgradeProgress progress;
    std::thread worker;
};
