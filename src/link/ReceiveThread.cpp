#include "link/ReceiveThread.h"

#include "app/MessageSink.h"
#include "link/ReceiverPort.h"
#include "nmea/ReceiverState.h"

#include <algorithm>
#include <cstring>

ReceiveThread::ReceiveThread(ReceiverState& state, CReceiverPort& port,
                             const DecodeSettings& decode, MessageSink& messages)
    : state(state), port(port), messages(messages), framer(state, decode), log(messages) {
    framer.SetPacing([this](unsigned count) { Pace(count); });
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
    LockPass(); // returns once the running pass, if any, has ended
}

void ReceiveThread::Resume() {
    state.SetReceivePaused(0);
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
            if (!Sleep(kPassSleep)) return;
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
    const bool network = settings.port == CReceiverPort::kNetworkPort && settings.demoMode == 0;
    if (!network && !port.IsOpen()) return; // nothing to read: idle
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
        const std::string device = port.DevicePath();
        port.Close();
        messages.ShowMessage("Receiver Disconnected!\n\nThe device " + device +
                                 " is no longer available. Reconnect the receiver and open the "
                                 "port again.",
                             "ERROR", MessageIcon::Stop);
    }
    return count;
}

// Demo playback paces itself: W ms after every N sentences. Live data is never
// held back, or a fast receiver would fall behind without end.
void ReceiveThread::Pace(unsigned sentenceCount) {
    if (settings.demoMode != 1 || !port.IsDemoFile()) return;
    const int wait = settings.demoWaitMs, every = std::max(1, settings.demoCount.load());
    if (wait != 0 && sentenceCount % static_cast<unsigned>(every) == 0)
        Sleep(std::chrono::milliseconds(wait));
}
