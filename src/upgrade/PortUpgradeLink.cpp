#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "upgrade/FirmwareUpgrader.h"
#include "upgrade/UpgradeLink.h"

#include <thread>

bool PortUpgradeLink::Ready() const {
    return FirmwareUpgrader::Possible(port);
}

void PortUpgradeLink::Acquire() {
    receiver.Pause();
    device = port.DevicePath();
    baud = port.Baud();
}

bool PortUpgradeLink::Write(std::string_view bytes) {
    return port.WriteString(bytes);
}

UpgradeLink::ReadStatus PortUpgradeLink::Read(std::string& into, std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    char buffer[512];
    const auto [status, count] = port.Read(
        buffer, sizeof buffer, [until] { return std::chrono::steady_clock::now() < until; });
    into.append(buffer, count);
    if (status == CReceiverPort::ReadStatus::Gone) return ReadStatus::Gone;
    // Closed under us (a failed reopen): nothing will ever come.
    if (!port.IsOpen()) return ReadStatus::Gone;
    return count > 0 ? ReadStatus::Data : ReadStatus::Nothing;
}

bool PortUpgradeLink::Reopen(unsigned speed, std::chrono::milliseconds settle) {
    const auto pass = receiver.LockPass();
    port.Close();
    std::this_thread::sleep_for(settle);
    return port.Open(device, speed, 0, 8, 0, true) == 0;
}

bool PortUpgradeLink::Restore(std::chrono::milliseconds settle) {
    bool opened = false;
    {
        const auto pass = receiver.LockPass();
        port.Close();
        std::this_thread::sleep_for(settle);
        opened = port.Open(device, baud, 0, 8, 0, true) == 0;
        if (!opened && port.IsOpen()) port.Close(); // opened but not configured
    }
    if (!opened) receiver.LookFor(device, baud);
    std::this_thread::sleep_for(settle);
    receiver.Resume();
    return opened;
}

std::string PortUpgradeLink::Describe() const {
    return device + " at " + std::to_string(baud) + " baud";
}
