#include "survey/SampleStore.h"

#include <new>

bool SampleStore::Append(const SurveySample& sample) {
    if (count == kMaxSamples) return false;
    if (count == blocks.size() * kBlockSize) {
        if (blocks.size() == kMaxBlocks) return false;
        std::unique_ptr<SurveySample[]> block(new (std::nothrow) SurveySample[kBlockSize]);
        if (!block) return false;
        try {
            blocks.push_back(std::move(block));
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    blocks.back()[count % kBlockSize] = sample;
    ++count;
    return true;
}

void SampleStore::Clear() {
    blocks.clear();
    blocks.shrink_to_fit();
    count = 0;
}

void SampleStore::Swap(SampleStore& other) noexcept {
    blocks.swap(other.blocks);
    std::swap(count, other.count);
}
