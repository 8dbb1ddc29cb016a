// Runs the built receiver-sim on a real pseudo-terminal.

#include "SimTestSupport.h"
#include "UniqueFd.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kPatience = 15s; // generous: the machine may be busy

// The built program, its standard output on a pipe.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        out = ::fdopen(fds[0], "r");
        args.insert(args.begin(), HV_BINARY_DIR "/tools/receiver-sim");
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
    }
    ~SimProcess() {
        if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
        if (out) std::fclose(out);
    }

    // Empty if the program ends first.
    std::string ReadLine() {
        char line[256] = {};
        if (!out || !std::fgets(line, sizeof line, out)) return {};
        return std::string(line, std::strcspn(line, "\n"));
    }

    // User and system time: fields 14 and 15 of /proc/PID/stat, 12 and 13 after the name.
    double CpuSeconds() const {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        const std::string text((std::istreambuf_iterator<char>(stat)), {});
        const std::string afterName = text.substr(text.rfind(')') + 2);
        const auto fields = Split(afterName, ' ');
        return (std::stod(std::string(fields.at(11))) + std::stod(std::string(fields.at(12)))) /
               static_cast<double>(::sysconf(_SC_CLK_TCK));
    }

    // SIGTERM, then the exit status; -1 if it did not end normally in time.
    int Stop() {
        ::kill(pid, SIGTERM);
        int status = 0;
        for (auto end = Clock::now() + kPatience; Clock::now() < end;
             std::this_thread::sleep_for(20ms)) {
            if (::waitpid(pid, &status, WNOHANG) != pid) continue;
            pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return -1;
    }

private:
    pid_t pid = -1;
    std::FILE* out = nullptr;
};

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

} // namespace
