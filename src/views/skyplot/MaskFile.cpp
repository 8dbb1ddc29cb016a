#include "views/skyplot/MaskFile.h"

#include "files/SafeFileWrite.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace {

void PutInt32(std::string& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

int32_t GetInt32(std::string_view bytes, size_t at) {
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return static_cast<int32_t>(bits);
}

std::string SystemReason() {
    return errno != 0 ? std::strerror(errno) : "unknown error";
}

} // namespace

std::string CommentText(const CommentBuffer& buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return std::string(buffer.begin(), end);
}

void SetCommentText(CommentBuffer& buffer, std::string_view text) {
    const size_t length = std::min(text.size(), buffer.size() - 1);
    std::copy_n(text.begin(), length, buffer.begin());
    buffer[length] = '\0';
}

std::string EncodeMaskFile(const MaskFileContent& content) {
    std::string out(content.comment.begin(), content.comment.end());
    out.reserve(kMaskFileSize);
    for (const MaskEntry& entry : content.mask) {
        PutInt32(out, entry.maskAzimuth);
        PutInt32(out, entry.maskElevation);
        PutInt32(out, entry.observed);
    }
    return out;
}

bool DecodeMaskFile(std::string_view bytes, MaskFileContent& out, std::string& error) {
    if (bytes.size() < kMaskFileSize) {
        error = "it has " + std::to_string(bytes.size()) + " bytes; a mask file has " +
                std::to_string(kMaskFileSize) + ".";
        return false;
    }
    MaskFileContent read;
    std::copy_n(bytes.begin(), kCommentBufferSize, read.comment.begin());
    size_t at = kCommentBufferSize;
    for (MaskEntry& entry : read.mask) {
        entry = {GetInt32(bytes, at), GetInt32(bytes, at + 4), GetInt32(bytes, at + 8)};
        at += kMaskRecordSize;
    }
    out = read;
    return true;
}

bool CanOpenForUpdate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool ReadMaskFile(const std::string& path, MaskFileContent& out, std::string& error) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Could not open the mask file " + path + ": " + SystemReason() + ".";
        return false;
    }
    std::string bytes(kMaskFileSize, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    std::string reason;
    if (DecodeMaskFile(bytes, out, reason)) return true;
    error = "Could not read the mask file " + path + ": " + reason;
    return false;
}

bool WriteMaskFile(const std::string& path, const MaskFileContent& content, std::string& error) {
    std::string reason;
    if (WriteFileSafely(path, EncodeMaskFile(content), reason)) return true;
    error = "Could not write the mask file " + path + ": " + reason + ".";
    return false;
}
