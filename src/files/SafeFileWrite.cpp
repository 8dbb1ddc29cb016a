#include "files/SafeFileWrite.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool Fail(std::string& reason, int error) {
    reason = std::strerror(error);
    return false;
}

// The file a write lands in: the target of a symbolic link, so the link stays.
std::string Destination(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool WriteAllOf(int fd, const std::function<std::string_view()>& next) {
    for (std::string_view bytes = next(); !bytes.empty(); bytes = next())
        if (!WriteAll(fd, bytes)) return false;
    return true;
}

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& reason) {
    bool given = false;
    const auto once = [&] { return std::exchange(given, true) ? std::string_view() : bytes; };
    return WriteFileSafely(path, once, reason);
}

bool WriteFileSafely(const std::string& path, const std::function<std::string_view()>& next,
                     std::string& reason) {
    const std::string target = Destination(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0) return Fail(reason, errno);

    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary;
    int fd = -1;
    // Created with open() rather than mkstemp(), so a new file gets the
    // permissions the umask gives without changing the process's umask.
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Fail(reason, errno);

    // A replaced file keeps its permissions.
    const bool written = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                         WriteAllOf(fd, next) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.c_str());
        return Fail(reason, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Fail(reason, error);
    }
    return true;
}
