#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

// Splits a sentence's data text (after the address and its comma, without the
// checksum) into fields numbered from 0, once, so decoders can read any field
// in constant time. Field rules:
//  - a field empty between commas reads "0";
//  - a field missing at the end of the text, or starting at its very end,
//    reads empty (decoders then keep the stored value);
//  - a field is cut at 30 characters.
// The text ends at its first NUL byte, as the receiver's C strings do.
class NmeaFields {
public:
    static constexpr size_t kMaxFieldLength = 30;

    explicit NmeaFields(std::string_view data);

    std::string_view Get(int n) const {
        if (n < 0 || n >= count) return {};
        const size_t start = starts[n];
        if (start >= text.size()) return {};
        if (text[start] == ',') return "0";
        const size_t end = n + 1 < count ? starts[n + 1] - 1u : text.size();
        return text.substr(start, std::min(end - start, kMaxFieldLength));
    }
    // Position in the text of the character that ended field n.
    size_t EndOf(int n) const;
    int Count() const { return count; }

private:
    static constexpr int kMaxFields = 256;

    std::string_view text;
    std::array<unsigned short, kMaxFields> starts{};
    int count = 0;
};

// The field splitter with the receiver program's classic interface: copies
// field n of `data` into `buffer` (zero-terminated) and returns the position
// of the character that ended the field.
size_t GetField(std::string_view data, int n, char (&buffer)[NmeaFields::kMaxFieldLength + 1]);
