#pragma once

#include <cstdint>
#include <cstring>

// Eight bytes at a time: which bytes of a word equal a given value. Used by
// the framer and the field splitter, which see every received byte.
namespace ByteScan {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
constexpr uint64_t kHigh = 0x8080808080808080ULL;

inline uint64_t Load(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// High bit set in each byte of `word` that equals `value`; exact, no false hits.
inline uint64_t Matches(uint64_t word, unsigned char value) {
    const uint64_t x = word ^ (kOnes * value);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// Index of the lowest matching byte (little-endian words).
inline int FirstIndex(uint64_t matches) {
    return __builtin_ctzll(matches) >> 3;
}

// Exclusive-or of the eight bytes of a word.
inline uint8_t Fold(uint64_t word) {
    word ^= word >> 32;
    word ^= word >> 16;
    word ^= word >> 8;
    return static_cast<uint8_t>(word);
}

} // namespace ByteScan
