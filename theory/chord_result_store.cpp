#include "theory/chord_result_store.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>

namespace guivarna::theory {

std::uint8_t* ChordResultStore::Reserve(std::size_t recordBytes)
{
    const bool newSegment = segments_.empty() || segments_.back().recordBytes != recordBytes;
    if (newSegment || usedInLastBlock_ + recordBytes > kBlockBytes) {
        blocks_.push_back(std::make_unique<std::uint8_t[]>(kBlockBytes));
        usedInLastBlock_ = 0;
    }
    if (newSegment)
        segments_.push_back({count_, blocks_.size() - 1, recordBytes, kBlockBytes / recordBytes});
    std::uint8_t* record = blocks_.back().get() + usedInLastBlock_;
    usedInLastBlock_ += recordBytes;
    return record;
}

void ChordResultStore::Append(const FingeringCandidate& candidate)
{
    const auto k = static_cast<std::size_t>(candidate.count);
    std::uint8_t* record = Reserve(3 * k);
    std::memcpy(record, candidate.strings.data(), k);
    std::memcpy(record + k, candidate.notes.data(), k);
    std::memcpy(record + 2 * k, candidate.frets.data(), k);
    ++count_;
}

void ChordResultStore::Get(std::size_t index, ChordFingering& out) const
{
    if (index >= count_)
        throw std::out_of_range(
            "chord result " + std::to_string(index) + " of " + std::to_string(count_));
    // The last segment starting at or before index.
    const auto segment = std::prev(std::upper_bound(segments_.begin(), segments_.end(), index,
        [](std::size_t i, const Segment& s) { return i < s.firstIndex; }));
    const std::size_t offsetInSegment = index - segment->firstIndex;
    const std::uint8_t* record =
        blocks_[segment->firstBlock + offsetInSegment / segment->perBlock].get() +
        (offsetInSegment % segment->perBlock) * segment->recordBytes;
    const std::size_t k = segment->recordBytes / 3;
    out.StringSet.assign(record, record + k);
    out.NotePermutation.assign(record + k, record + 2 * k);
    out.FretBoardPosition.assign(record + 2 * k, record + 3 * k);
}

void ChordResultStore::Clear()
{
    blocks_.clear();
    segments_.clear();
    count_ = 0;
    usedInLastBlock_ = 0;
}

std::size_t ChordResultStore::Bytes() const
{
    return blocks_.size() * kBlockBytes +
        blocks_.capacity() * sizeof(std::unique_ptr<std::uint8_t[]>) +
        segments_.capacity() * sizeof(Segment);
}

}  // namespace guivarna::theory
