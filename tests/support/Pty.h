#pragma once

#include <fcntl.h>
#include <pty.h>
#include <string>
#include <string_view>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal whose master side plays the receiver in tests; the code
// under test opens the slave path like any serial device.
class TestPty {
public:
    TestPty() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
        termios raw{};
        tcgetattr(slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
        path = name;
        close(slave); // the code under test opens its own
    }
    ~TestPty() { Unplug(); }
    TestPty(const TestPty&) = delete;
    TestPty& operator=(const TestPty&) = delete;

    bool Ok() const { return master >= 0; }
    const std::string& Path() const { return path; }
    void Send(std::string_view bytes) const {
        for (ssize_t n = 0; !bytes.empty() && (n = write(master, bytes.data(), bytes.size())) > 0;)
            bytes.remove_prefix(static_cast<size_t>(n));
    }
    // What the code under test wrote, waiting up to `ms` for the first byte.
    std::string Receive(int ms) const {
        fcntl(master, F_SETFL, O_NONBLOCK);
        std::string out;
        char buffer[256];
        for (int waited = 0; waited < ms; waited += 10) {
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n > 0)
                out.append(buffer, static_cast<size_t>(n));
            else if (!out.empty())
                break;
            else
                usleep(10000);
        }
        return out;
    }
    // The receiver goes away: the slave side sees a hang-up.
    void Unplug() {
        if (master >= 0) close(master);
        master = -1;
    }

private:
    int master = -1;
    std::string path;
};
