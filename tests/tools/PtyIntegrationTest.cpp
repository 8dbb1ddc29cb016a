// Runs the built receiver-sim on a real pseudo-terminal.

#include "SimTestSupport.h"
#include "UniqueFd.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Reads the terminal, feeding `d` when there is one, until `done` says so
// (true) or time runs out (false; generous, the machine may be busy). A
// hang-up is passed to `done` as no bytes, then ends the reading.
bool ReadUntil(int fd, Decoder* d, const std::function<bool(std::string_view)>& done) {
    char buffer[512];
    for (const auto end = Clock::now() + 15s; Clock::now() < end;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return done({});
        if (d) d->Feed(std::string_view(buffer, static_cast<size_t>(n)));
        if (done(std::string_view(buffer, static_cast<size_t>(n)))) return true;
    }
    return false;
}

UniqueFd OpenTerminal(const std::string& path) {
    return UniqueFd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
}

TEST(SimPty, ClientsTalkLeaveAndComeBackWithoutTheSimulatorSpinning) {
    const std::string link = testing::TempDir() + "receiver-sim-" + std::to_string(::getpid());
    SimProcess sim({"--speed", "20", "--seed", "3", "--link", link});
    ASSERT_TRUE(sim.ReadLine().starts_with("/dev/"));
    for (int visit = 0; visit < 2; ++visit) {
        SCOPED_TRACE(testing::Message() << "visit " << visit);
        const UniqueFd fd = OpenTerminal(link);
        termios t{};
        ASSERT_EQ(::tcgetattr(fd.Get(), &t), 0); // a terminal, in raw mode
        EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));
        EXPECT_FALSE(t.c_oflag & OPOST); // line ends pass unchanged

        // The stream is whole sentences, and a query is answered within it.
        Decoder d;
        ASSERT_EQ(::write(fd.Get(), "$PZEKQ,SN\r\n", 11), 11);
        std::vector<std::string> replies;
        ASSERT_TRUE(ReadUntil(fd.Get(), &d, [&](std::string_view) {
            if (replies.empty()) replies = d.state.TakeReplies();
            return !replies.empty() && d.state.GetSentenceCount() >= 30;
        }));
        EXPECT_EQ(d.framer.ChecksumErrors(), 0u);
        EXPECT_EQ(replies, std::vector<std::string>{"$PZEKR,SN,HV000003"});
    }

    // Nobody has the terminal open now: the simulator must idle, not spin.
    std::this_thread::sleep_for(300ms);
    const double cpuBefore = sim.CpuSeconds();
    std::this_thread::sleep_for(1s);
    EXPECT_LT(sim.CpuSeconds() - cpuBefore, 0.2); // CPU seconds in a second or more

    EXPECT_EQ(sim.Stop(), 0);
    struct stat st {};
    EXPECT_NE(::lstat(link.c_str(), &st), 0) << "the link must be removed at exit";
}

// A test process that crashes or is killed must not leave its simulator
// running: its terminal hangs up, so reading gives EIO or 0.
TEST(SimPty, SimulatorDiesWithTheTestProcess) {
    int fds[2];
    ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    const pid_t test = ::fork();
    ASSERT_GE(test, 0);
    if (test == 0) { // stands in for a test process that is killed mid-test
        SimProcess sim({"--seed", "3"});
        const std::string path = sim.ReadLine() + "\n";
        if (::write(fds[1], path.data(), path.size()) > 0) ::pause();
        ::_exit(1);
    }
    ::close(fds[1]);
    char buffer[256] = {};
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer - 1);
    ::close(fds[0]);
    const std::string path(buffer, n > 0 ? std::strcspn(buffer, "\n") : 0);
    const UniqueFd terminal = path.starts_with("/dev/") ? OpenTerminal(path) : UniqueFd();
    ::kill(test, SIGKILL);
    ::waitpid(test, nullptr, 0);
    ASSERT_TRUE(terminal) << path;
    EXPECT_TRUE(ReadUntil(terminal.Get(), nullptr, [](std::string_view b) { return b.empty(); }))
        << path << " outlived the test process";
}

} // namespace
