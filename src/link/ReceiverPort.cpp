#include "link/ReceiverPort.h"

#include "link/MessageSink.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* kInUse = "\n\n The communications port may be in use at this time. Please "
                               "choose another port or close the application using the desired "
                               "port.";

speed_t SpeedFor(unsigned baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    case 460800:
        return B460800;
    default:
        return B0;
    }
}

constexpr int kWaitSliceMs = 20;

// Waits until the handle has something to say (data, hang-up or error), for at
// most `timeoutMs`, in slices so a caller that no longer wants data is heard.
short WaitReadable(int handle, int timeoutMs, const CReceiverPort::WantedCheck& stillWanted) {
    for (int waited = 0; waited < timeoutMs; waited += kWaitSliceMs) {
        if (waited > 0 && stillWanted && !stillWanted()) return 0;
        pollfd in{handle, POLLIN, 0};
        const int n = ::poll(&in, 1, std::min(kWaitSliceMs, timeoutMs - waited));
        if (n > 0) return in.revents;
        if (n < 0 && errno != EINTR) return POLLERR;
    }
    return 0;
}

} // namespace

CReceiverPort::CReceiverPort(MessageSink& messages) : messages(messages) {}

CReceiverPort::~CReceiverPort() {
    Release();
}

std::string CReceiverPort::DeviceFor(std::string_view port) {
    int number = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (ec == std::errc() && end == port.data() + port.size() && number >= 1)
        return "/dev/ttyS" + std::to_string(number - 1);
    return std::string(port);
}

bool CReceiverPort::IsNetworkPort(std::string_view port) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!port.empty() && blank(port.front()))
        port.remove_prefix(1);
    while (!port.empty() && blank(port.back()))
        port.remove_suffix(1);
    return port == kNetworkPort;
}

int CReceiverPort::Open(std::string_view port, unsigned baud, uint8_t, uint8_t, uint8_t,
                        bool silent) {
    if (IsNetworkPort(port)) return 0;
    Release();
    devicePath = DeviceFor(port);
    this->baud = baud;
    const int handle = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) return Fail(errno, silent);
    // TIOCEXCL keeps other programs out (root is exempt from it); the lock also
    // keeps out a second open by anyone who asks the same way.
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(handle);
        return Fail(error, silent);
    }
    ::ioctl(handle, TIOCEXCL);
    fd = handle;
    return Configure(baud, silent) ? 0 : -1;
}

int CReceiverPort::Fail(int error, bool silent) {
    if (silent) return -1;
    std::string text;
    if (error == ENOENT) {
        text = "Communication Port Not Found!\n\nThe communications port does not exist. Check "
               "your system configuration on the status of this Communication port";
    } else if (error == EACCES || error == EBUSY || error == EWOULDBLOCK) {
        text = std::string("Access Denied!") + kInUse;
    } else {
        text = "Comm Open Error![" + std::to_string(error) + "]" + kInUse;
    }
    messages.ShowMessage(text, "", MessageIcon::Stop);
    return -1;
}

// Raw 8N1 at the requested speed, no flow control, DTR low and RTS raised.
// On failure the handle stays open; the next Close releases it.
bool CReceiverPort::Configure(unsigned baud, bool silent) {
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        if (!silent) {
            messages.Beep();
            messages.ShowMessage("GetCommState", "Could not get comm state", MessageIcon::Stop);
        }
        return false;
    }
    const speed_t speed = SpeedFor(baud);
    ::cfmakeraw(&line);
    line.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~(IXON | IXOFF | IXANY);
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    if (speed == B0 || ::cfsetspeed(&line, speed) != 0 || ::tcsetattr(fd, TCSANOW, &line) != 0) {
        if (!silent) {
            messages.Beep();
            messages.ShowMessage("SetCommState", "Could not set communication state",
                                 MessageIcon::Stop);
        }
        return false;
    }
    int dtr = TIOCM_DTR, rts = TIOCM_RTS;
    ::ioctl(fd, TIOCMBIC, &dtr); // not every device has modem lines; a pty has none
    ::ioctl(fd, TIOCMBIS, &rts);
    return true;
}

void CReceiverPort::Release() {
    const int old = fd.exchange(-1);
    if (old >= 0) ::close(old);
    demoFile = false;
}

void CReceiverPort::Close() {
    Release();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

int CReceiverPort::OpenDemoFile(const std::string& fileName) {
    Release();
    captureFileName = fileName;
    const int handle = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0) {
        messages.ShowMessage("File Error!", "", MessageIcon::None);
        return -1;
    }
    demoFile = true;
    fd = handle;
    return 0;
}

bool CReceiverPort::WriteString(std::string_view text) {
    const int handle = fd.load();
    if (handle < 0 || demoFile) return false;
    for (const char c : text) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadTimeoutMs);
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd out{handle, POLLOUT, 0};
            const int ready = ::poll(&out, 1, static_cast<int>(std::max<long>(left.count(), 0)));
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0 || !(out.revents & POLLOUT)) return false; // timed out, or gone
            const ssize_t n = ::write(handle, &c, 1);
            if (n == 1) break;
            if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
            if (left.count() <= 0) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1)); // poll said yes too soon
        }
    }
    return true;
}

CReceiverPort::ReadResult CReceiverPort::Read(char* buffer, size_t max,
                                              const WantedCheck& stillWanted) {
    const int handle = fd.load();
    if (handle < 0) return {ReadStatus::Nothing, 0};
    if (!demoFile) return ReadDevice(handle, buffer, max, stillWanted);
    const ssize_t n = ::read(handle, buffer, max);
    if (n == 0) return {ReadStatus::EndOfFile, 0};
    if (n < 0) return {ReadStatus::Nothing, 0};
    return {ReadStatus::Data, static_cast<size_t>(n)};
}

CReceiverPort::ReadResult CReceiverPort::ReadDevice(int handle, char* buffer, size_t max,
                                                    const WantedCheck& stillWanted) {
    size_t count = 0;
    int timeout = kReadTimeoutMs;
    while (count < max) {
        const short revents = WaitReadable(handle, timeout, stillWanted);
        if (revents == 0) break; // quiet: the read is complete
        const ssize_t n = ::read(handle, buffer + count, max - count);
        if (n > 0) {
            count += static_cast<size_t>(n);
            timeout = kQuietMs;
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR) && !(revents & (POLLHUP | POLLERR)))
            continue;
        // Readable yet nothing to read: the other side hung up, or the device
        // went away (EIO after a USB unplug).
        return {count ? ReadStatus::Data : ReadStatus::Gone, count};
    }
    return {count ? ReadStatus::Data : ReadStatus::Nothing, count};
}

void CReceiverPort::Rewind() {
    const int handle = fd.load();
    if (handle >= 0 && demoFile) ::lseek(handle, 0, SEEK_SET);
}
