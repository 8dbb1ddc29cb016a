#include "PtyLink.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kNapMs = 50; // how soon a new client is noticed

[[noreturn]] void Fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void MakeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) Fail("tcgetattr");
    cfmakeraw(&t);
    if (tcsetattr(fd, TCSANOW, &t) != 0) Fail("tcsetattr");
}

void Nap(int ms) {
    ::poll(nullptr, 0, ms);
}

} // namespace

PtyLink::PtyLink() : master(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
    if (!master) Fail("posix_openpt");
    if (::grantpt(master.Get()) != 0 || ::unlockpt(master.Get()) != 0) Fail("grantpt/unlockpt");
    const char* name = ::ptsname(master.Get());
    if (!name) Fail("ptsname");
    slavePath = name;
    MakeRaw(master.Get());
    // Opening and closing the terminal's end once sets its raw mode, which
    // stays for later opens, and leaves it hung up until a client comes.
    UniqueFd slave(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!slave) Fail("open pty");
    MakeRaw(slave.Get());
}

std::string PtyLink::Receive(int timeoutMs) {
    pollfd p{master.Get(), POLLIN, 0};
    const int ready = ::poll(&p, 1, std::max(0, timeoutMs));
    if (ready < 0) return {}; // a signal: let the caller look at it
    if (p.revents & (POLLHUP | POLLERR)) {
        ClientGone();
        Nap(std::min(timeoutMs, kNapMs));
        return {};
    }
    client = true; // no hang-up: someone has the terminal open
    if (!(p.revents & POLLIN)) return {};
    char buffer[1024];
    const ssize_t n = ::read(master.Get(), buffer, sizeof buffer);
    if (n > 0) return std::string(buffer, static_cast<size_t>(n));
    if (n < 0 && errno == EIO) {
        ClientGone();
        Nap(std::min(timeoutMs, kNapMs));
    }
    return {};
}

void PtyLink::Send(std::string_view bytes) {
    while (client && !bytes.empty()) {
        const ssize_t n = ::write(master.Get(), bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EIO) {
            ClientGone();
        } else {
            ++droppedWrites; // the client is not reading: like a UART overrun
            return;
        }
    }
}

unsigned PtyLink::ClientBaud() const {
    constexpr std::pair<speed_t, unsigned> kSpeeds[] = {
        {B4800, 4800},   {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
        {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800}};
    termios t{};
    if (!client || ::tcgetattr(master.Get(), &t) != 0) return 0;
    for (const auto& [speed, baud] : kSpeeds)
        if (::cfgetospeed(&t) == speed) return baud;
    return 0;
}

// Whatever the old client left unread must not reach the next one.
void PtyLink::ClientGone() {
    if (client) ::tcflush(master.Get(), TCIOFLUSH);
    client = false;
}
