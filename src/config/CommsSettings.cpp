#include "config/CommsSettings.h"

#include "app/StartupSettings.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "profile/ProfileStore.h"

#include <thread>

CommsChoice CurrentComms(const ProfileStore& profile, ReceiveThread& receiver,
                         const CReceiverPort& port) {
    CommsChoice c;
    const std::string stored = profile.GetString(kSerialSection, "Port", kDefaultPort);
    c.port = CReceiverPort::IsNetworkPort(stored) ? std::string(CReceiverPort::kNetworkPort)
                                                  : CReceiverPort::DeviceFor(stored);
    c.baud = PlainDecimal(profile.GetString(kSerialSection, "Baud", kDefaultBaud));
    c.logging = receiver.Log().IsOpen();
    c.logFile = receiver.Log().FileName();
    const ReceiveSettings& s = receiver.Settings();
    c.demo = s.demoMode == 1;
    c.captureFile = port.CaptureFileName();
    c.loop = s.continuousLoop == 1;
    c.waitMs = s.demoWaitMs;
    c.count = s.demoCount;
    return c;
}

namespace {

// Only a change that concerns the log asks whether to restart it: keeping the
// same file while changing the port goes on logging.
bool ApplyLog(const CommsChoice& choice, ReceiveThread& receiver, const CommsApplyHooks& hooks) {
    NmeaLogFile& log = receiver.Log();
    if (!choice.logging) {
        auto lock = receiver.LockPass();
        log.Close();
        return true;
    }
    if (log.IsOpen()) {
        if (choice.logFile == log.FileName()) return true;
        if (!hooks.restartLog()) return false;
    }
    auto lock = receiver.LockPass();
    log.Close();
    log.Create(choice.logFile);
    return true;
}

} // namespace

CommsOutcome ApplyComms(const CommsChoice& choice, ReceiveThread& receiver, CReceiverPort& port,
                        ProfileStore& profile, const CommsApplyHooks& hooks) {
    ReceiveSettings& settings = receiver.Settings();
    settings.demoWaitMs = choice.waitMs;
    settings.demoCount = choice.count;
    if (!ApplyLog(choice, receiver, hooks)) return CommsOutcome::Declined;

    if (choice.demo) {
        auto lock = receiver.LockPass();
        // "Close Current File" empties the name: nothing is played then.
        if (choice.captureFile.empty())
            port.Close();
        else
            port.OpenDemoFile(choice.captureFile);
        settings.continuousLoop = choice.loop ? 1 : 0;
        settings.demoMode = 1;
        return CommsOutcome::Applied;
    }

    const int baud = choice.baud > 0
                         ? choice.baud
                         : PlainDecimal(profile.GetString(kSerialSection, "Baud", kDefaultBaud));
    {
        auto lock = receiver.LockPass();
        settings.demoMode = 0;
        settings.port = choice.port;
        port.Close();
    }
    profile.SetString(kSerialSection, "Baud", std::to_string(baud));
    profile.SetString(kSerialSection, "Port", choice.port);
    if (CReceiverPort::IsNetworkPort(choice.port)) return CommsOutcome::NetworkChosen;
    std::this_thread::sleep_for(hooks.settle);
    {
        auto lock = receiver.LockPass();
        port.Open(choice.port, static_cast<unsigned>(baud));
    }
    std::this_thread::sleep_for(hooks.settle);
    return CommsOutcome::Applied;
}
