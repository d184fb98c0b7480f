#include "theory/chord_result_store.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace guivarna::theory {

void ChordResultStore::AddBlock(std::size_t recordBytes)
{
    // Each block about doubles the space, so the slack stays below the bytes already used.
    const std::size_t capacity = std::max(std::clamp(allocated_, kSmallestBlock, kLargestBlock),
        recordBytes + FingeringCandidate::kMaxStrings);
    blocks_.push_back({std::make_unique_for_overwrite<std::uint8_t[]>(capacity), capacity, 0,
        count_, recordBytes});
    allocated_ += capacity;
}

void ChordResultStore::Get(std::size_t index, ChordFingering& out) const
{
    if (index >= count_)
        throw std::out_of_range(
            "chord result " + std::to_string(index) + " of " + std::to_string(count_));
    // The last block starting at or before index.
    const Block& block = *std::prev(std::upper_bound(blocks_.begin(), blocks_.end(), index,
        [](std::size_t i, const Block& b) { return i < b.firstIndex; }));
    const std::uint8_t* record = block.data.get() + (index - block.firstIndex) * block.recordBytes;
    const std::size_t k = block.recordBytes / 3;
    out.StringSet.assign(record, record + k);
    out.NotePermutation.assign(record + k, record + 2 * k);
    out.FretBoardPosition.assign(record + 2 * k, record + 3 * k);
}

void ChordResultStore::Clear()
{
    blocks_.clear();
    blocks_.shrink_to_fit();
    count_ = 0;
    allocated_ = 0;
}

std::size_t ChordResultStore::Bytes() const
{
    return allocated_ + blocks_.capacity() * sizeof(Block);
}

}  // namespace guivarna::theory
