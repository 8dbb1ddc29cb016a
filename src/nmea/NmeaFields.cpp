#include "nmea/NmeaFields.h"

#include "nmea/ByteScan.h"

#include <algorithm>

NmeaFields::NmeaFields(std::string_view data) {
    const size_t nul = data.find('\0');
    text = data.substr(0, std::min<size_t>(nul, 0xFFFF));
    starts[count++] = 0;
    const char* const base = text.data();
    size_t i = 0;
    // Commas eight bytes at a time; room for eight more starts is kept so the
    // inner loop needs no bound check.
    for (; i + 8 <= text.size() && count + 8 <= kMaxFields; i += 8) {
        for (uint64_t m = ByteScan::Matches(ByteScan::Load(base + i), ','); m; m &= m - 1)
            starts[count++] = static_cast<unsigned short>(i + ByteScan::FirstIndex(m) + 1);
    }
    for (; i < text.size() && count < kMaxFields; ++i)
        if (text[i] == ',') starts[count++] = static_cast<unsigned short>(i + 1);
}

size_t NmeaFields::EndOf(int n) const {
    if (n < 0 || n >= count) return text.size();
    const size_t start = starts[n];
    if (start >= text.size() || text[start] == ',') return start;
    return start + Get(n).size();
}

size_t GetField(std::string_view data, int n, char (&buffer)[NmeaFields::kMaxFieldLength + 1]) {
    const NmeaFields fields(data);
    const std::string_view field = fields.Get(n);
    field.copy(buffer, field.size());
    buffer[field.size()] = '\0';
    return fields.EndOf(n);
}
