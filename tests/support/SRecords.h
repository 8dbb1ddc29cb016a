#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// An S-record with a correct count and checksum.
inline std::string SRecordLine(char type, const std::vector<uint8_t>& addressAndData) {
    const auto count = static_cast<unsigned>(addressAndData.size() + 1);
    unsigned sum = count;
    char hex[3];
    std::string line = {'S', type};
    const auto append = [&](unsigned byte) {
        std::snprintf(hex, sizeof hex, "%02X", byte & 0xFFu);
        line += hex;
    };
    append(count);
    for (uint8_t b : addressAndData) {
        sum += b;
        append(b);
    }
    append(~sum);
    return line;
}

// A firmware file as a linker writes one: a header, `data` S1 records of 16
// bytes, an S3 record of 250 bytes (514 characters) and S9, ending in `eol`.
inline std::string FirmwareText(int data, std::string_view eol) {
    std::string text = SRecordLine('0', {0, 0, 'h', 'v'}).append(eol);
    for (int i = 0; i < data; ++i) {
        std::vector<uint8_t> bytes = {static_cast<uint8_t>(i >> 4), static_cast<uint8_t>(i << 4)};
        for (int k = 0; k < 16; ++k)
            bytes.push_back(static_cast<uint8_t>(i * 7 + k));
        text += SRecordLine('1', bytes).append(eol);
    }
    std::vector<uint8_t> wide = {0, 1, 0, 0};
    for (int k = 0; k < 250; ++k)
        wide.push_back(static_cast<uint8_t>(k));
    return text + SRecordLine('3', wide).append(eol) + SRecordLine('9', {0, 0}).append(eol);
}
