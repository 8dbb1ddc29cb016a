#include "config/GpsConfigFile.h"

#include "files/SafeFileWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Ten full lines are about 10 KB; anything this big is some other file.
constexpr size_t kMaxFileBytes = size_t{1} << 20;

bool IsControl(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

// Why a line cannot be a command; empty when it can.
std::string LineProblem(std::string_view line) {
    if (line.size() > kMaxGpsLine)
        return "is " + std::to_string(line.size()) + " bytes long; a command holds at most " +
               std::to_string(kMaxGpsLine);
    for (const char c : line) {
        if (!IsControl(static_cast<unsigned char>(c))) continue;
        char text[80];
        std::snprintf(text, sizeof text, "holds the control byte 0x%02X; a .gps file is text",
                      static_cast<unsigned char>(c));
        return text;
    }
    return {};
}

std::string TooMany(int commands) {
    return "holds " + std::to_string(commands) + " commands; at most ten fit";
}

GpsFileRead Refused(std::string error) {
    GpsFileRead refused;
    refused.error = std::move(error);
    return refused;
}

} // namespace

GpsFileRead ParseGpsFile(std::string_view text) {
    GpsFileRead result;
    int commands = 0;
    for (int number = 1; !text.empty(); ++number) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1); // the line end of a CR LF file
        if (const std::string problem = LineProblem(line); !problem.empty())
            return Refused("line " + std::to_string(number) + " " + problem);
        if (line.empty()) continue; // blank lines leave no gap
        if (commands < kInitStringSlots)
            result.rawStrings[static_cast<size_t>(commands)] = RawForm(line);
        ++commands;
    }
    if (commands > kInitStringSlots) return Refused(TooMany(commands));
    result.count = commands;
    return result;
}

GpsFileRead ReadGpsFile(const std::string& path) {
    // Non-blocking, so a named pipe with no writer cannot hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return Refused("cannot read " + path + ": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refused(path + " is not a file");
    }
    std::string text;
    char buffer[8192];
    ssize_t n = 0;
    while (text.size() <= kMaxFileBytes && (n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Refused("cannot read " + path + ": " + std::strerror(error));
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (text.size() > kMaxFileBytes) return Refused(path + " is too large for a .gps file");
    GpsFileRead result = ParseGpsFile(text);
    if (!result.Ok()) result.error = path + ": " + result.error;
    return result;
}

bool EncodeGpsFile(std::span<const std::string> rawStrings, std::string& bytes,
                   std::string& error) {
    std::string out;
    int commands = 0;
    for (size_t i = 0; i < rawStrings.size(); ++i) {
        if (rawStrings[i].empty()) continue;
        ++commands;
        const std::string line = DisplayForm(rawStrings[i]);
        std::string problem = LineProblem(line);
        if (problem.empty() && RawForm(line) != rawStrings[i])
            problem =
                "ends in \"<CR>\" or \"<LF>\" of its own, which would read back as a line end";
        if (!problem.empty()) {
            error = "command " + std::to_string(i + 1) + " " + problem;
            return false;
        }
        out.append(line).append("\r\n");
    }
    if (commands > kInitStringSlots) {
        error = "the list " + TooMany(commands);
        return false;
    }
    bytes = std::move(out);
    return true;
}

bool WriteGpsFile(const std::string& path, std::span<const std::string> rawStrings,
                  std::string& error) {
    std::string bytes, reason;
    if (!EncodeGpsFile(rawStrings, bytes, error)) return false;
    if (WriteFileSafely(path, bytes, reason)) return true;
    error = "cannot write " + path + ": " + reason;
    return false;
}
