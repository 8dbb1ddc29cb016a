#include "SymlinkGuard.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

std::string ReadLink(const std::string& path) {
    char buffer[4096];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

} // namespace

SymlinkGuard::SymlinkGuard(std::string p, std::string t)
    : path(std::move(p)), target(std::move(t)) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            throw std::system_error(EEXIST, std::generic_category(),
                                    path + " exists and is not a symlink");
        }
        ::unlink(path.c_str());
    }
    if (::symlink(target.c_str(), path.c_str()) != 0) {
        throw std::system_error(errno, std::generic_category(), "symlink " + path);
    }
}

SymlinkGuard::~SymlinkGuard() {
    if (!path.empty() && ReadLink(path) == target) ::unlink(path.c_str());
}
