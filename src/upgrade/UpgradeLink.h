#pragma once

#include <chrono>
#include <string>
#include <string_view>

class CReceiverPort;
class ReceiveThread;

// The upgrade's only way to the receiver: bytes out, bytes in, and the line
// opened again at another speed. The upgrade worker calls every method.
class UpgradeLink {
public:
    enum class ReadStatus { Data, Nothing, Gone };

    virtual ~UpgradeLink() = default;
    // A serial device is open (not a capture file, not the network link).
    virtual bool Ready() const = 0;
    // Takes the line from everyone else until Restore; remembers the device
    // and speed in use now.
    virtual void Acquire() = 0;
    // True when every byte went out.
    virtual bool Write(std::string_view bytes) = 0;
    // Appends what arrives within `wait` (returning once something has).
    virtual ReadStatus Read(std::string& into, std::chrono::milliseconds wait) = 0;
    // Closes the line, waits `settle` and opens the same device at `baud`.
    virtual bool Reopen(unsigned baud, std::chrono::milliseconds settle) = 0;
    // Closes, waits `settle`, opens the device and speed of Acquire, waits
    // `settle` again and hands the line back. False when it did not open.
    virtual bool Restore(std::chrono::milliseconds settle) = 0;
    // "/dev/ttyUSB0 at 19200 baud": the line Acquire took.
    virtual std::string Describe() const = 0;
};

// The application's port, with its receive thread paused from Acquire to
// Restore so that the upgrade alone reads the line. A device that does not
// open again (a USB receiver still rebooting) is left to the receive thread,
// which opens it once it is back.
class PortUpgradeLink final : public UpgradeLink {
public:
    PortUpgradeLink(CReceiverPort& port, ReceiveThread& receiver)
        : port(port), receiver(receiver) {}

    bool Ready() const override;
    void Acquire() override;
    bool Write(std::string_view bytes) override;
    ReadStatus Read(std::string& into, std::chrono::milliseconds wait) override;
    bool Reopen(unsigned baud, std::chrono::milliseconds settle) override;
    bool Restore(std::chrono::milliseconds settle) override;
    std::string Describe() const override;

private:
    CReceiverPort& port;
    ReceiveThread& receiver;
    std::string device;
    unsigned baud = 0;
};
