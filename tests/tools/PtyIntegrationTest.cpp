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

constexpr auto kPatience = 15s; // generous: the machine may be busy

// Feeds whatever the terminal gives into `d` until `done` or time runs out.
bool ReadUntil(int fd, Decoder& d, std::string& raw, const std::function<bool()>& done) {
    const auto end = Clock::now() + kPatience;
    char buffer[512];
    while (!done()) {
        if (Clock::now() > end) return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) return false;
        raw.append(buffer, static_cast<size_t>(n));
        d.Feed(std::string_view(buffer, static_cast<size_t>(n)));
    }
    return true;
}

UniqueFd OpenTerminal(const std::string& path) {
    return UniqueFd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
}

TEST(SimPty, ClientsTalkLeaveAndComeBackWithoutTheSimulatorSpinning) {
    const std::string link = testing::TempDir() + "receiver-sim-" + std::to_string(::getpid());
    SimProcess sim({"--speed", "20", "--seed", "3", "--link", link});
    const std::string path = sim.ReadLine();
    ASSERT_TRUE(path.starts_with("/dev/")) << path;
    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(path, target);

    for (int visit = 0; visit < 2; ++visit) {
        UniqueFd fd = OpenTerminal(link);
        ASSERT_TRUE(fd) << "visit " << visit;
        termios t{};
        ASSERT_EQ(::tcgetattr(fd.Get(), &t), 0);
        EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));
        EXPECT_FALSE(t.c_oflag & OPOST);

        Decoder d;
        std::string raw;
        ASSERT_TRUE(ReadUntil(fd.Get(), d, raw, [&] { return d.state.GetSentenceCount() >= 30; }))
            << "visit " << visit;
        EXPECT_EQ(d.framer.ChecksumErrors(), 0u);
        EXPECT_EQ(raw.find("\r\r"), std::string::npos); // line ends pass unchanged
        EXPECT_NE(raw.find("*"), std::string::npos);

        const std::string query = "$PZEKQ,SN\r\n";
        ASSERT_EQ(::write(fd.Get(), query.data(), query.size()),
                  static_cast<ssize_t>(query.size()));
        std::vector<std::string> replies;
        ASSERT_TRUE(ReadUntil(fd.Get(), d, raw, [&] {
            for (std::string& r : d.state.TakeReplies())
                replies.push_back(r);
            return !replies.empty();
        }));
        EXPECT_EQ(replies, std::vector<std::string>{"$PZEKR,SN,HV000003"});
    }

    // Nobody has the terminal open now: the simulator must idle, not spin.
    std::this_thread::sleep_for(300ms);
    const double cpuBefore = sim.CpuSeconds();
    const auto wallBefore = Clock::now();
    std::this_thread::sleep_for(1s);
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    EXPECT_LT((sim.CpuSeconds() - cpuBefore) / wall, 0.2);

    EXPECT_EQ(sim.Stop(), 0);
    struct stat st {};
    EXPECT_NE(::lstat(link.c_str(), &st), 0) << "the link must be removed at exit";
}

// A test process that crashes or is killed must not leave its simulator
// running: its terminal goes away with it.
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

    // Once the simulator is gone the terminal hangs up: read gives EIO or 0.
    const auto end = Clock::now() + kPatience;
    bool hungUp = false;
    while (!hungUp && Clock::now() < end) {
        pollfd p{terminal.Get(), POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        hungUp = ::read(terminal.Get(), buffer, sizeof buffer) <= 0;
    }
    EXPECT_TRUE(hungUp) << path << " outlived the test process";
}

} // namespace
