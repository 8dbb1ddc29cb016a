#include "upgrade/SRecord.h"

#include "nmea/HexDigit.h"
#include "upgrade/UpgradeTexts.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Address bytes by record type; 0 marks the reserved S4.
constexpr std::array<int, 10> kAddressBytes = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

int HexByte(std::string_view text, size_t at) {
    const int high = HexDigitValue(text[at]);
    const int low = HexDigitValue(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

SRecordImage Refused(std::string_view error, std::string detail) {
    SRecordImage image;
    image.error = error;
    image.detail = std::move(detail);
    return image;
}

bool IsData(char type) {
    return type == '1' || type == '2' || type == '3';
}

} // namespace

SRecordCheck CheckSRecord(std::string_view line) {
    SRecordCheck result;
    if (line.size() < 4 || line[0] != 'S' || line[1] < '0' || line[1] > '9') return result;
    const int addressBytes = kAddressBytes[static_cast<size_t>(line[1] - '0')];
    if (addressBytes == 0) return result;
    result.type = line[1];

    const int count = HexByte(line, 2);
    if (count < addressBytes + 1 || line.size() != 4 + 2 * static_cast<size_t>(count)) {
        return result;
    }
    unsigned sum = static_cast<unsigned>(count);
    int last = 0;
    for (int i = 0; i < count; ++i) {
        last = HexByte(line, 4 + 2 * static_cast<size_t>(i));
        if (last < 0) return result;
        if (i + 1 < count) sum += static_cast<unsigned>(last);
    }
    const bool matches = static_cast<unsigned>(last) == (~sum & 0xFFu);
    result.status = matches ? SRecordStatus::Good : SRecordStatus::BadChecksum;
    return result;
}

SRecordImage CheckSRecordText(std::string_view text) {
    SRecordImage image;
    size_t dataRecords = 0, number = 0;
    bool terminated = false;
    while (!text.empty()) {
        ++number;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == text.npos ? text.size() : end + 1);
        const bool crlf = line.ends_with('\r');
        if (crlf) line.remove_suffix(1);
        if (line.empty()) continue;

        const std::string where = "line " + std::to_string(number) + ": ";
        if (terminated)
            return Refused(UpgradeText::kIncorrectFormat,
                           where + "a record after the termination record");
        const SRecordCheck check = CheckSRecord(line);
        if (check.status == SRecordStatus::BadChecksum)
            return Refused(UpgradeText::kIncorrectFormat, where + "bad checksum");
        if (check.status == SRecordStatus::Malformed) {
            const std::string shown(line.substr(0, 24));
            return Refused(UpgradeText::kIncorrectFormat,
                           where + "not an S-record: " + shown + (line.size() > 24 ? "..." : ""));
        }
        if (check.type == '0') continue;
        dataRecords += IsData(check.type);
        terminated = IsTermination(check.type);
        // A last line without its line end still has to end at the receiver.
        image.records.emplace_back(line).append(crlf || end == text.npos ? "\r\n" : "\n");
    }
    if (dataRecords == 0)
        return Refused(UpgradeText::kIncorrectFormat, "no data record (S1, S2 or S3)");
    if (!terminated)
        return Refused(UpgradeText::kIncorrectFormat,
                       "no termination record (S7, S8 or S9): the file may be cut short");
    return image;
}

SRecordImage ReadSRecordFile(const std::string& path) {
    // Non-blocking, so a named pipe with no writer cannot hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return Refused(UpgradeText::kErrorOpeningFile, path + ": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refused(UpgradeText::kErrorOpeningFile, path + " is not a file");
    }
    std::string text;
    char buffer[65536];
    ssize_t n = 0;
    while (text.size() <= SRecordImage::kMaxFileBytes &&
           (n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Refused(UpgradeText::kErrorOpeningFile, path + ": " + std::strerror(error));
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (text.size() > SRecordImage::kMaxFileBytes)
        return Refused(UpgradeText::kIncorrectFormat, path + " is larger than any firmware");
    SRecordImage image = CheckSRecordText(text);
    if (!image.Ok()) image.detail = path + ": " + image.detail;
    return image;
}
