#include "link/NmeaLogFile.h"

#include "link/MessageSink.h"

#include <cerrno>
#include <cstring>

bool NmeaLogFile::Create(const std::string& path) {
    Close();
    fileName = path;
    file = std::fopen(path.c_str(), "wb");
    if (!file) {
        messages.ShowMessage("Cannot create the log file " + path + ": " + std::strerror(errno),
                             "ERROR", MessageIcon::Stop);
        return false;
    }
    open = true;
    return true;
}

void NmeaLogFile::Close() {
    if (!file) return;
    std::fclose(file);
    file = nullptr;
    open = false;
}

void NmeaLogFile::Write(std::string_view text) {
    if (!file) return;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) Failed(errno);
}

void NmeaLogFile::Flush() {
    if (file && std::fflush(file) != 0) Failed(errno);
}

void NmeaLogFile::Failed(int error) {
    std::fclose(file);
    file = nullptr;
    open = false;
    messages.ShowMessage("Logging stopped: writing to " + fileName + " failed (" +
                             std::strerror(error) +
                             "). The log holds what was received until then.",
                         "ERROR", MessageIcon::Stop);
}
