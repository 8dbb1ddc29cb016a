#pragma once

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The built receiver-sim, its standard output on a pipe: for tests that need
// the real program on its pseudo-terminal rather than the model library.
// The program is killed when this object goes, and also when the thread that
// made it dies first, so a crashed or timed-out test leaves none running.
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
        const pid_t parent = ::getpid();
        pid = ::fork();
        if (pid == 0) {
            // Only async-signal-safe calls until execv: other threads of the
            // test may have held locks at the fork.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent) ::_exit(127); // the test died before prctl
            if (::dup2(fds[1], STDOUT_FILENO) == STDOUT_FILENO) ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        if (pid < 0) pid = -1;
        ::close(fds[1]);
    }
    ~SimProcess() {
        if (pid > 0 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, nullptr, 0);
        if (out) std::fclose(out);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Empty if the program ends first.
    std::string ReadLine() {
        char line[256] = {};
        if (!out || !std::fgets(line, sizeof line, out)) return {};
        return std::string(line, std::strcspn(line, "\n"));
    }

    // User and system time: fields 14 and 15 of /proc/PID/stat, 12 and 13 after the name.
    double CpuSeconds() const {
        std::ifstream stat(std::string("/proc/").append(std::to_string(pid)).append("/stat"));
        const std::string text((std::istreambuf_iterator<char>(stat)), {});
        unsigned long user = 0, system = 0;
        if (const size_t name = text.rfind(')'); name != std::string::npos)
            std::sscanf(text.c_str() + name + 2,
                        "%*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %lu %lu", &user, &system);
        return static_cast<double>(user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    }

    // SIGTERM, then the exit status; -1 if it did not end normally in time.
    int Stop() {
        using namespace std::chrono_literals;
        if (pid <= 0) return -1; // kill(-1) would signal every process we may
        ::kill(pid, SIGTERM);
        int status = 0; // 15 s is generous: the machine may be busy
        for (auto end = std::chrono::steady_clock::now() + 15s;
             std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(20ms))
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        return -1;
    }

private:
    pid_t pid = -1;
    std::FILE* out = nullptr;
};
