#pragma once

// What the link measurements share: a raw pseudo-terminal standing in for the
// receiver's line, messages printed instead of shown, and the statistics.
#include "link/MessageSink.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <pty.h>
#include <string_view>
#include <termios.h>
#include <unistd.h>
#include <vector>

struct PrintMessages : MessageSink {
    void ShowMessage(std::string_view text, std::string_view, MessageIcon) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

// The receiver's end is `master`; the port opens `name`. Raw, so the line
// discipline changes no byte.
struct RawPty {
    RawPty() {
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            return;
        }
        termios raw{};
        tcgetattr(slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
    }
    ~RawPty() {
        if (slave >= 0) close(slave);
        if (master >= 0) close(master);
    }
    RawPty(const RawPty&) = delete;
    RawPty& operator=(const RawPty&) = delete;
    bool Ok() const { return master >= 0; }

    int master = -1;
    int slave = -1;
    char name[256] = {};
};

inline void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n <= 0) return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

inline double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1,
                           static_cast<size_t>(p * static_cast<double>(values.size())))];
}
