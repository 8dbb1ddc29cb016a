#pragma once

#include <string>
#include <string_view>

// Collects input bytes into lines. A line ends at CR, LF or CR LF; empty
// lines are skipped, and a line longer than any command is thrown away.
class LineAssembler {
public:
    template <typename OnLine>
    void Feed(std::string_view bytes, OnLine&& onLine) {
        for (char c : bytes) {
            if (c == '\r' || c == '\n') {
                if (!overlong && !pending.empty()) onLine(std::string_view(pending));
                pending.clear();
                overlong = false;
            } else if (pending.size() < kMaxLine) {
                pending.push_back(c);
            } else {
                overlong = true;
            }
        }
    }

private:
    static constexpr size_t kMaxLine = 600; // an S3 record with 255 bytes is 518

    std::string pending;
    bool overlong = false;
};
