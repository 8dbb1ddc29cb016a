#include "config/ReceiverReset.h"

#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "link/SentenceTap.h"
#include "nmea/ReceiverState.h"

#include <string>

std::string_view ResetCommand(ResetKind kind) {
    switch (kind) {
    case ResetKind::Hot:
        return "$PZEKS,RSET";
    case ResetKind::Warm:
        return "$PZEKS,RSET,EPH";
    case ResetKind::Cold:
        return "$PZEKS,RSET,ALM,EPH,CONFIG";
    }
    return {};
}

namespace {

struct FixTime {
    int hour = 0, minute = 0, second = 0;
    bool operator==(const FixTime&) const = default;
};

FixTime ReadFixTime(const ReceiverState& state) {
    FixTime t;
    state.GetFixTime(t.hour, t.minute, t.second);
    return t;
}

} // namespace

ResetOutcome ResetReceiver(ResetKind kind, CReceiverPort& port, ReceiveThread& receiver,
                           ReceiverState& state, ResetProgress& progress,
                           const ResetTiming& timing) {
    ResetOutcome outcome;
    // Watching before the command goes out: the first notice cannot slip by.
    SentenceTap::Watch notices(receiver.Tap(), "$POLYN,");
    receiver.Pause();
    outcome.written = port.WriteString(std::string(ResetCommand(kind)).append("\r\n"));
    receiver.Resume();

    const FixTime before = ReadFixTime(state);
    progress.Begin();
    const auto cancelled = [&progress] { return progress.Cancelled(); };
    if (!notices.Wait(timing.firstNotice, cancelled)) return outcome;
    outcome.restarted = true;
    outcome.notices = 1;
    for (int waits = 1; waits <= timing.maxWaits; ++waits) {
        if (!notices.Wait(timing.nextNotice, cancelled)) break;
        ++outcome.notices;
        progress.Step();
        if (progress.Cancelled() || ReadFixTime(state) != before) break;
    }
    return outcome;
}
