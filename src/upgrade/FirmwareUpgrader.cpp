#include "upgrade/FirmwareUpgrader.h"

#include "link/ReceiverPort.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

using namespace std::chrono_literals;
namespace Text = UpgradeText;

constexpr std::string_view kLoaderCommand = "$PZEKS,UPGM,SREC\r\n";
constexpr std::string_view kLoaderCommandSecondForm = "$PSYMS,UPGM,SREC\r\n";
constexpr unsigned kLoaderBaud = 38400;
constexpr size_t kMaxReply = 100;   // characters after the prefix without a line feed
constexpr auto kCancelLook = 100ms; // the longest a wait goes without looking at Cancel

// The receiver's codes that end the upgrade, and what the user reads.
std::optional<std::string_view> ErrorFor(int code) {
    switch (code) {
    case 2:
        return Text::kEraseFailed;
    case 4:
        return Text::kProgrammingFailed;
    case 5:
        return Text::kIncorrectFormat;
    case 9:
        return Text::kTooManyRetries;
    default:
        return std::nullopt;
    }
}

// A code is decimal digits and nothing else (the reply's CR aside): a
// garbled code must never read as 0, "record taken".
std::optional<int> ReadCode(std::string_view reply) {
    while (reply.ends_with('\r'))
        reply.remove_suffix(1);
    int code = 0;
    const auto [end, ec] = std::from_chars(reply.data(), reply.data() + reply.size(), code);
    if (reply.empty() || ec != std::errc() || end != reply.data() + reply.size() ||
        reply.front() == '-')
        return std::nullopt;
    return code;
}

UpgradeOutcome Ending(UpgradeResult result, std::string_view message, std::string detail = {}) {
    UpgradeOutcome outcome;
    outcome.result = result;
    outcome.message = message;
    outcome.caption = result == UpgradeResult::Complete          ? Text::kCaptionComplete
                      : result == UpgradeResult::UnknownResponse ? Text::kCaptionUnknown
                                                                 : Text::kCaptionError;
    outcome.detail = std::move(detail);
    return outcome;
}

UpgradeOutcome Failure(std::string_view message, std::string detail = {}) {
    return Ending(message == Text::kUserQuit ? UpgradeResult::Cancelled : UpgradeResult::Failed,
                  message, std::move(detail));
}

} // namespace

bool FirmwareUpgrader::Possible(const CReceiverPort& port) {
    return port.IsOpen() && !port.IsDemoFile();
}

FirmwareUpgrader::FirmwareUpgrader(CReceiverPort& port, ReceiveThread& receiver,
                                   UpgradeTiming timing)
    : ownLink(std::make_unique<PortUpgradeLink>(port, receiver)), link(*ownLink),
      timing(std::move(timing)) {}

FirmwareUpgrader::FirmwareUpgrader(UpgradeLink& link, UpgradeTiming timing)
    : link(link), timing(std::move(timing)) {}

FirmwareUpgrader::~FirmwareUpgrader() {
    Cancel();
    if (worker.joinable()) worker.join();
}

bool FirmwareUpgrader::Refuse(std::string_view message, std::string detail) {
    std::lock_guard lock(progressMutex);
    progress = {};
    progress.finished = true;
    progress.outcome = Ending(UpgradeResult::Refused, message, std::move(detail));
    return false;
}

bool FirmwareUpgrader::Start(const std::string& path) {
    if (Snapshot().running) return false;
    SRecordImage read = ReadSRecordFile(path);
    if (!read.Ok()) return Refuse(read.error, read.detail);
    return Start(std::move(read));
}

bool FirmwareUpgrader::Start(SRecordImage checked) {
    if (Snapshot().running) return false;
    if (!checked.Ok()) return Refuse(checked.error, checked.detail);
    if (!link.Ready())
        return Refuse(Text::kNoPort, "the firmware goes to a receiver on a serial port; open "
                                     "the receiver's port first (not a capture file or the "
                                     "network link)");
    if (worker.joinable()) worker.join(); // the last upgrade's, already ended
    image = std::move(checked);
    pending.clear();
    cancelled = false;
    finalStages = false;
    {
        std::lock_guard lock(progressMutex);
        progress = {};
        progress.running = true;
        progress.recordsTotal = image.records.size();
        progress.status = Text::kInitializing;
    }
    worker = std::thread([this] { Run(); });
    return true;
}

UpgradeProgress FirmwareUpgrader::Snapshot() const {
    std::lock_guard lock(progressMutex);
    return progress;
}

UpgradeOutcome FirmwareUpgrader::Wait() {
    if (worker.joinable()) worker.join();
    return Snapshot().outcome;
}

void FirmwareUpgrader::SetStatus(std::string_view status) {
    std::lock_guard lock(progressMutex);
    progress.status = status;
}

void FirmwareUpgrader::SetTaken(size_t records) {
    std::lock_guard lock(progressMutex);
    progress.recordsTaken = records;
    const size_t total = std::max<size_t>(progress.recordsTotal, 1);
    progress.percent = static_cast<int>(std::min<size_t>(100, records * 100 / total));
}

void FirmwareUpgrader::Run() {
    link.Acquire();
    UpgradeOutcome outcome = Exchange();
    // Before the final stages the line gets 500 ms to settle each way, 100
    // ms after them.
    outcome.linkRestored = link.Restore(finalStages ? timing.finalSettle : timing.earlySettle);
    if (!outcome.linkRestored) {
        if (!outcome.detail.empty()) outcome.detail += "; ";
        outcome.detail += link.Describe() + " did not open again; the receive thread opens it "
                                            "once it is back";
    }
    std::lock_guard lock(progressMutex);
    outcome.records = progress.recordsTaken;
    progress.running = false;
    progress.finished = true;
    progress.outcome = std::move(outcome);
}

FirmwareUpgrader::Reply FirmwareUpgrader::WaitFor(std::string_view prefix,
                                                  std::chrono::milliseconds timeout,
                                                  std::string& reply) {
    const auto deadline = timing.now() + timeout;
    size_t matched = 0;
    bool collecting = false;
    reply.clear();
    for (;;) {
        for (size_t used = 0; used < pending.size();) {
            const char c = pending[used++];
            if (collecting && c == '\n') {
                pending.erase(0, used); // what came after the reply waits for the next wait
                return Reply::Line;
            }
            if (collecting) {
                reply += c;
                if (reply.size() < kMaxReply) continue;
                pending.erase(0, used);
                return Reply::Timeout; // no line feed in sight: noise, not a reply
            }
            // A byte that breaks the match may itself begin the prefix.
            matched = c == prefix[matched] ? matched + 1 : c == prefix[0] ? 1 : 0;
            collecting = matched == prefix.size();
        }
        pending.clear();
        if (cancelled) return Reply::Cancelled;
        const auto now = timing.now();
        if (now >= deadline) return Reply::Timeout;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        if (link.Read(pending, std::min(left + 1ms, std::chrono::milliseconds(kCancelLook))) ==
            UpgradeLink::ReadStatus::Gone)
            return Reply::Gone;
    }
}

UpgradeOutcome FirmwareUpgrader::Exchange() {
    std::string reply;
    Reply answer =
        link.Write(kLoaderCommand) ? WaitFor("$PZEKR,", timing.loaderReply, reply) : Reply::Gone;
    // A Cancel in the first wait must not switch the receiver after all.
    if (answer == Reply::Timeout)
        answer = link.Write(kLoaderCommandSecondForm)
                     ? WaitFor("$PSYMR,", timing.loaderReply, reply)
                     : Reply::Gone;
    if (answer == Reply::Cancelled) return Failure(Text::kUserQuit);
    if (answer == Reply::Timeout) return Failure(Text::kNoAcknowledgement);
    if (answer == Reply::Gone)
        return Failure(Text::kCommunicationsError, link.Describe() + " stopped taking bytes");

    // Bytes from before the reopen came at the old speed.
    pending.clear();
    if (!link.Reopen(kLoaderBaud, timing.reopenSettle))
        return Failure(Text::kCommunicationsError,
                       link.Describe() + " did not open at 38400 baud for the loader");
    answer = WaitFor("~E", timing.loaderPrompt, reply);
    if (answer == Reply::Line) {
        SetStatus(Text::kErasingUpper);
        answer = WaitFor("~", timing.upperErase, reply);
    }
    if (answer == Reply::Cancelled) return Failure(Text::kUserQuit);
    if (answer != Reply::Line)
        return Failure(Text::kCommunicationsError, "the loader did not report its erase");
    // An erase that failed ends it here, before any record is sent.
    if (const auto code = ReadCode(reply); code && ErrorFor(*code))
        return Failure(*ErrorFor(*code), "erase reply ~" + std::to_string(*code));

    SetStatus(Text::kSending);
    return Records();
}

UpgradeOutcome FirmwareUpgrader::Records() {
    const std::vector<std::string>& records = image.records;
    int timeoutsInRow = 0;
    std::string reply;
    for (size_t index = 0; index < records.size(); ++index) {
        const bool last = index + 1 == records.size();
        const std::string where =
            "record " + std::to_string(index + 1) + " of " + std::to_string(records.size());
        for (int sends = 1;; ++sends) {
            if (sends > timing.sendsPerRecord)
                return Failure(Text::kTooManyRetries, where + " was asked for again and again");
            if (!link.Write(records[index]))
                return Failure(Text::kCommunicationsError,
                               link.Describe() + " stopped taking bytes");
            const Reply answer = WaitFor("~", timing.recordReply, reply);
            if (answer == Reply::Cancelled) return Failure(Text::kUserQuit);
            if (answer == Reply::Gone)
                return Failure(Text::kCommunicationsError, link.Describe() + " went away");
            if (answer == Reply::Timeout) {
                if (++timeoutsInRow > timing.timeoutsInRow)
                    return Failure(Text::kCommunicationsError, where + ": no reply");
                continue;
            }
            timeoutsInRow = 0;
            const std::optional<int> code = ReadCode(reply);
            if (code && ErrorFor(*code)) return Failure(*ErrorFor(*code), where);
            if (code == 7) {
                SetTaken(index + 1);
                return FinalStages(!last);
            }
            // Only a real 0 takes a record; the termination record is taken by 7.
            if (code == 0 && !last) break;
        }
        SetTaken(index + 1);
    }
    return Failure(Text::kCommunicationsError, "the loader never took the termination record");
}

UpgradeOutcome FirmwareUpgrader::FinalStages(bool endedEarly) {
    finalStages = true;
    std::string reply;
    Reply answer = WaitFor("~Era", timing.lowerEraseStart, reply);
    if (answer == Reply::Line) {
        SetStatus(Text::kErasingLower);
        answer = WaitFor("~Exe", timing.lowerErase, reply);
    }
    if (answer == Reply::Line) {
        SetStatus(Text::kCopying);
        answer = WaitFor("~", timing.copy, reply);
    }
    if (answer == Reply::Cancelled) return Failure(Text::kUserQuit);
    if (answer != Reply::Line)
        return Failure(Text::kCommunicationsError, "the loader stopped reporting");
    while (reply.ends_with('\r'))
        reply.pop_back();
    if (reply.starts_with('4')) return Failure(Text::kProgrammingFailed);
    if (!reply.starts_with('F')) return Ending(UpgradeResult::UnknownResponse, reply);
    if (endedEarly)
        return Failure(Text::kEndedEarly, "the receiver ended the transfer at record " +
                                              std::to_string(Snapshot().recordsTaken) + " of " +
                                              std::to_string(image.records.size()) +
                                              "; upgrade it again");
    return Ending(UpgradeResult::Complete, Text::kComplete);
}
