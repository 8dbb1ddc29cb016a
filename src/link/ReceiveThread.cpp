#include "link/ReceiveThread.h"

#include "link/MessageSink.h"
#include "link/ReceiverPort.h"
#include "nmea/ReceiverState.h"

#include <algorithm>
#include <cstring>

ReceiveThread::ReceiveThread(ReceiverState& state, CReceiverPort& port,
                             const DecodeSettings& decode, MessageSink& messages)
    : state(state), port(port), messages(messages), framer(state, decode), log(messages) {
    framer.SetPacing([this](unsigned count) { Pace(count); });
    framer.SetObserver(
        [this](std::string_view address, std::string_view data) { tap.Offer(address, data); });
}

ReceiveThread::~ReceiveThread() {
    Stop();
}

void ReceiveThread::Start(std::chrono::milliseconds startDelay) {
    if (worker.joinable()) return;
    stopRequested = false;
    state.SetThreadRunning(1);
    worker = std::thread([this, startDelay] { Main(startDelay); });
}

void ReceiveThread::Stop() {
    state.SetThreadRunning(0);
    {
        std::lock_guard lock(sleepMutex);
        stopRequested = true;
    }
    wake.notify_all();
    if (worker.joinable()) worker.join();
}

std::unique_lock<std::mutex> ReceiveThread::LockPass() {
    ++lockWaiters;
    std::unique_lock lock(passMutex);
    --lockWaiters;
    return lock;
}

void ReceiveThread::Pause() {
    state.SetReceivePaused(1);
    // Returns once the running pass, if any, has ended; a pass that starts
    // later finds the flag set under the lock and reads nothing.
    LockPass();
}

void ReceiveThread::Resume() {
    state.SetReceivePaused(0);
}

void ReceiveThread::LookFor(const std::string& device, unsigned baud) {
    const auto pass = LockPass();
    lostDevice = device;
    lostBaud = baud;
    nextRetry = std::chrono::steady_clock::now() + kRetryPeriod;
}

void ReceiveThread::SetNetworkText(std::string_view text) {
    std::lock_guard lock(networkMutex);
    networkText.assign(text).append("\r");
}

bool ReceiveThread::Sleep(std::chrono::milliseconds duration) {
    std::unique_lock lock(sleepMutex);
    return !wake.wait_for(lock, duration, [this] { return stopRequested.load(); });
}

void ReceiveThread::Main(std::chrono::milliseconds startDelay) {
    if (!Sleep(startDelay)) return;
    while (state.GetThreadRunning() == 1) {
        if (state.GetReceivePaused() == 0) {
            ProcessReceivedData();
            // Demo pacing owed by the pass is slept here, off the pass lock,
            // so the UI never waits for it.
            const std::chrono::milliseconds paced{pacingOwedMs.exchange(0)};
            if (!Sleep(kPassSleep + paced)) return;
        } else if (!Sleep(kPausedSleep)) {
            return;
        }
    }
}

bool ReceiveThread::StillWanted() const {
    return !stopRequested && state.GetReceivePaused() == 0 && lockWaiters == 0;
}

void ReceiveThread::ProcessReceivedData() {
    std::lock_guard pass(passMutex);
    if (state.GetReceivePaused() != 0) return; // paused since the caller looked
    const bool network = CReceiverPort::IsNetworkPort(settings.port) && settings.demoMode == 0;
    if (!network && !port.IsOpen() && !Reconnected()) return; // nothing to read: idle
    const size_t count = TakeInput(network);
    framer.SetLog(log.IsOpen() ? &log : nullptr);
    framer.SetMonitor(monitor);
    const std::string_view received(buffer.data(), count);
    if (monitor && monitor->DebugMode()) {
        // Raw text only: nothing is framed or decoded in debug mode.
        monitor->AppendText(received, 1);
        log.Write(received);
    } else {
        if (monitor) monitor->AppendText({}, 1);
        framer.Feed(received);
    }
    log.Flush();
}

size_t ReceiveThread::TakeInput(bool network) {
    if (network) {
        std::lock_guard lock(networkMutex);
        const size_t count = std::min(networkText.size(), kMaxNetworkText);
        std::memcpy(buffer.data(), networkText.data(), count);
        networkText.clear();
        return count;
    }
    const auto [status, count] =
        port.Read(buffer.data(), kReadSize, [this] { return StillWanted(); });
    if (status == CReceiverPort::ReadStatus::EndOfFile && settings.continuousLoop == 1)
        port.Rewind();
    if (status == CReceiverPort::ReadStatus::Gone) {
        lostDevice = port.DevicePath();
        lostBaud = port.Baud();
        nextRetry = std::chrono::steady_clock::now() + kRetryPeriod;
        port.Close();
        messages.ShowMessage("Receiver Disconnected!\n\nThe device " + lostDevice +
                                 " is no longer available. Reconnect the receiver: Harrowview "
                                 "opens it again as soon as it is back.",
                             "ERROR", MessageIcon::Stop);
    }
    return count;
}

// A receiver that went away is looked for again every few seconds under the
// same path (a USB receiver plugged in again comes back under its
// /dev/serial/by-id name), until it opens or the user picks another port.
bool ReceiveThread::Reconnected() {
    if (lostDevice.empty() || settings.demoMode != 0) return false;
    if (CReceiverPort::DeviceFor(settings.port) != lostDevice) {
        lostDevice.clear();
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now < nextRetry) return false;
    nextRetry = now + kRetryPeriod;
    if (port.Open(lostDevice, lostBaud, 0, 8, 0, true) != 0) {
        if (port.IsOpen()) port.Close(); // opened but not configured
        return false;
    }
    lostDevice.clear();
    ++reconnects;
    return true;
}

// Demo playback paces itself: W ms after every N sentences, owed until the
// pass ends. Live data is never held back, or a fast receiver would fall
// behind without end.
void ReceiveThread::Pace(unsigned sentenceCount) {
    if (settings.demoMode != 1 || !port.IsDemoFile()) return;
    const int wait = settings.demoWaitMs, every = std::max(1, settings.demoCount.load());
    if (wait != 0 && sentenceCount % static_cast<unsigned>(every) == 0) pacingOwedMs += wait;
}
