#pragma once

#include <chrono>
#include <functional>
#include <string_view>

class CReceiverPort;
class ReceiveThread;
class ReceiverState;

enum class ResetKind { Hot, Warm, Cold };

// The command each reset writes (followed by CR LF).
std::string_view ResetCommand(ResetKind kind);

// What the user sees while the restart is awaited.
class ResetProgress {
public:
    virtual ~ResetProgress() = default;
    virtual void Begin() = 0; // "Waiting for Data", Cancel enabled
    virtual void Step() = 0;
    virtual bool Cancelled() = 0;
};

struct ResetTiming {
    std::chrono::milliseconds firstNotice{5000}; // for the burst to begin
    std::chrono::milliseconds nextNotice{1000};  // between notices of the burst
    int maxWaits = 100;
};

struct ResetOutcome {
    bool written = false;   // every byte of the command went out
    bool restarted = false; // the receiver's restart notice came
    int notices = 0;        // of the burst, the first included
};

// Resets the receiver and waits while it reports its restart. The command
// is written with the receive thread paused (nothing else on the port
// meanwhile); the wait then watches the framed sentences, so the $POLYN
// burst is decoded (clearing the fix), logged and shown as usual. The wait
// ends when the burst stops, the receiver's time moves on (it is navigating
// again), Cancel is pressed or after `maxWaits` notices.
ResetOutcome ResetReceiver(ResetKind kind, CReceiverPort& port, ReceiveThread& receiver,
                           ReceiverState& state, ResetProgress& progress,
                           const ResetTiming& timing = {});
