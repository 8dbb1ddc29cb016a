#pragma once

#include <string>

// A symlink at a stable path to the terminal, whose name changes every run.
// A symlink left by an earlier run is replaced; any other file there is an
// error. Removed again on destruction if it still points where we put it.
class SymlinkGuard {
public:
    SymlinkGuard() = default;
    // Throws std::system_error.
    SymlinkGuard(std::string path, std::string target);
    SymlinkGuard(const SymlinkGuard&) = delete;
    SymlinkGuard& operator=(const SymlinkGuard&) = delete;
    ~SymlinkGuard();

private:
    std::string path;
    std::string target;
};
