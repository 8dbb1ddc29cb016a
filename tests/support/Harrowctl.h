#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <vector>

// The built harrowctl run with `args` (the subcommand first, shell syntax):
// its exit status and the lines of its standard output.
struct HarrowctlRun {
    int status = -1;
    std::vector<std::string> lines;
};

inline HarrowctlRun Harrowctl(const std::string& args) {
    HarrowctlRun run;
    std::FILE* out = ::popen((HV_BINARY_DIR "/tools/harrowctl " + args).c_str(), "r");
    if (!out) return run;
    char line[2048];
    while (std::fgets(line, sizeof line, out))
        run.lines.emplace_back(line, std::strcspn(line, "\n"));
    const int status = ::pclose(out);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
