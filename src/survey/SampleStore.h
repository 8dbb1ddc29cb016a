#pragma once

#include "survey/SurveySample.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The survey's samples in arrival order, in blocks of 5000 that are never
// moved or copied as the survey grows: one allocation per 5000 fixes.
class SampleStore {
public:
    static constexpr uint32_t kBlockSize = 5000;
    static constexpr uint32_t kMaxBlocks = 20000;
    static constexpr uint32_t kMaxSamples = kBlockSize * kMaxBlocks;

    // False when the store is full or memory for a new block is refused;
    // nothing is stored then.
    bool Append(const SurveySample& sample);
    void Clear();
    void Swap(SampleStore& other) noexcept;

    uint32_t Size() const { return count; }
    const SurveySample& operator[](uint32_t i) const {
        return blocks[i / kBlockSize][i % kBlockSize];
    }
    // Bytes held for samples, whole blocks included.
    size_t BytesHeld() const { return blocks.size() * kBlockSize * sizeof(SurveySample); }

    // Calls f(sample) for every sample in order.
    template <typename F>
    void ForEach(F&& f) const {
        uint32_t left = count;
        for (const auto& block : blocks) {
            const uint32_t n = std::min(left, kBlockSize);
            for (uint32_t i = 0; i < n; ++i)
                f(block[i]);
            left -= n;
        }
    }

private:
    std::vector<std::unique_ptr<SurveySample[]>> blocks;
    uint32_t count = 0;
};
