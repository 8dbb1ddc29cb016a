#include "nmea/NmeaFields.h"

#include <algorithm>
#include <cstring>

NmeaFields::NmeaFields(std::string_view data) {
    const size_t nul = data.find('\0');
    text = data.substr(0, std::min<size_t>(nul, 0xFFFF));
    starts[count++] = 0;
    for (size_t i = 0; i < text.size() && count < kMaxFields; ++i)
        if (text[i] == ',') starts[count++] = static_cast<unsigned short>(i + 1);
}

std::string_view NmeaFields::Get(int n) const {
    if (n < 0 || n >= count) return {};
    const size_t start = starts[n];
    if (start >= text.size()) return {};
    if (text[start] == ',') return "0";
    const size_t end = n + 1 < count ? starts[n + 1] - 1 : text.size();
    return text.substr(start, std::min(end - start, kMaxFieldLength));
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
    std::memcpy(buffer, field.data(), field.size());
    buffer[field.size()] = '\0';
    return fields.EndOf(n);
}
