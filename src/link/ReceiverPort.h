#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class MessageSink;

// The one connection to the receiver: a serial device, or in demo mode a
// captured NMEA file read through the same handle. Open, Close and
// OpenDemoFile run on the UI thread under the receive thread's pass lock;
// Read runs on the receive thread; WriteString on either.
class CReceiverPort {
public:
    // The "Port" value that selects the network link instead of a device.
    static constexpr std::string_view kNetworkPort = "99999";
    // Whether a "Port" value selects the network link: "99999", spaces around
    // it ignored. The one rule every caller uses.
    static bool IsNetworkPort(std::string_view port);
    static constexpr int kReadTimeoutMs = 1000;
    static constexpr int kQuietMs = 2;

    explicit CReceiverPort(MessageSink& messages);
    ~CReceiverPort();
    CReceiverPort(const CReceiverPort&) = delete;
    CReceiverPort& operator=(const CReceiverPort&) = delete;

    // `port` is a device path, or a plain number n meaning /dev/ttyS{n-1}
    // (profiles written by older versions), or "99999" for the network link,
    // which opens nothing. Returns 0 on success, -1 on failure (reported
    // unless `silent`). Only 8N1 is supported, as every caller asks. Whatever
    // was open before is closed first.
    int Open(std::string_view port, unsigned baud, uint8_t parity = 0, uint8_t dataBits = 8,
             uint8_t stopBits = 0, bool silent = false);
    // Closes the handle, then waits 100 ms for the line to settle.
    void Close();
    // Opens a capture file for demo playback; "File Error!" on failure.
    int OpenDemoFile(const std::string& fileName);
    // One byte per write, each bounded by the write time-out; a byte the
    // device refuses for now (EAGAIN) is offered again, never skipped.
    // True when every byte went out; false with nothing open, in demo mode,
    // or when the device stopped taking bytes (the rest is not sent).
    bool WriteString(std::string_view text);

    enum class ReadStatus { Data, Nothing, EndOfFile, Gone };
    struct ReadResult {
        ReadStatus status;
        size_t count;
    };
    // Up to `max` bytes: from a device, waits up to 1000 ms for the first byte,
    // then reads until the line has been quiet for 2 ms; from a file, reads at
    // once. The wait for the first byte ends early once `stillWanted` says so
    // (looked at every few milliseconds). Gone means the device vanished
    // (unplugged, or the other side of a pseudo-terminal closed).
    using WantedCheck = std::function<bool()>;
    ReadResult Read(char* buffer, size_t max, const WantedCheck& stillWanted = {});
    // Moves a capture file back to its first byte.
    void Rewind();

    bool IsOpen() const { return fd.load() >= 0; }
    bool IsDemoFile() const { return demoFile; }
    const std::string& DevicePath() const { return devicePath; }
    unsigned Baud() const { return baud; } // of the last device opened
    const std::string& CaptureFileName() const { return captureFileName; }

    // The device a "Port" value names: "/dev/ttyUSB0" as is, "3" as /dev/ttyS2.
    static std::string DeviceFor(std::string_view port);

private:
    void Release(); // closes whatever is open, at once
    int Fail(int error, bool silent);
    bool Configure(unsigned baud, bool silent);
    ReadResult ReadDevice(int handle, char* buffer, size_t max, const WantedCheck& stillWanted);

    MessageSink& messages;
    std::atomic<int> fd{-1};
    bool demoFile = false;
    std::string devicePath;
    unsigned baud = 0;
    std::string captureFileName = "nmea.txt";
};
