#include "theory/search/chord_result_store.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <stdexcept>
#include <string>

namespace guivarna::theory {

namespace {

// The last element of items whose firstIndex is at or before index (items start at index 0).
template <typename Items> auto Covering(const Items& items, std::size_t index)
{
    return std::prev(std::upper_bound(items.begin(), items.end(), index,
        [](std::size_t i, const auto& item) { return i < item.firstIndex; }));
}

}  // namespace

std::size_t ChordResultStore::RunOf(std::size_t index) const
{
    return static_cast<std::size_t>(Covering(runs_, index) - runs_.begin());
}

std::size_t ChordResultStore::BlockOf(std::size_t index) const
{
    return static_cast<std::size_t>(Covering(blocks_, index) - blocks_.begin());
}

void ChordResultStore::AddBlock(std::size_t recordBytes)
{
    // Each block about doubles the space, so the slack stays below the bytes already used.
    const std::size_t capacity = std::max(std::clamp(allocated_, kSmallestBlock, kLargestBlock),
        2 * static_cast<std::size_t>(FingeringCandidate::kMaxStrings));
    if (capacity > byteLimit_ || allocated_ > byteLimit_ - capacity)
        throw std::bad_alloc();
    blocks_.push_back({std::make_unique_for_overwrite<std::uint8_t[]>(capacity), capacity, 0,
        count_, recordBytes});
    allocated_ += capacity;
}

ChordResultRun ChordResultRun::Of(const FingeringCandidate& candidate, std::size_t firstIndex)
{
    ChordResultRun run{firstIndex, static_cast<std::size_t>(candidate.count), {}, {}};
    for (std::size_t i = 0; i < run.count; ++i) {
        run.strings[i] = candidate.strings[i];
        // fret = note - open (mod 12), so open = note - fret (mod 12).
        run.openPitchClasses[i] = static_cast<std::uint8_t>(
            (candidate.notes[i] % 12 + 24 - candidate.frets[i] % 12) % 12);
    }
    return run;
}

void ChordResultStore::AppendPiece(const ChordResultPiece& piece)
{
    constexpr std::size_t kRoom = FingeringCandidate::kMaxStrings;
    const std::uint8_t* from = piece.bytes_.data();
    for (std::size_t r = 0; r < piece.runs_.size(); ++r) {
        const ChordResultRun& pieceRun = piece.runs_[r];
        const std::size_t end =
            r + 1 < piece.runs_.size() ? piece.runs_[r + 1].firstIndex : piece.count_;
        std::size_t left = end - pieceRun.firstIndex;
        const std::size_t k = pieceRun.count;
        if (left == 0)
            continue;
        if (runs_.empty() || !runs_.back().Continues(k, pieceRun.strings.data())) {
            runs_.push_back(pieceRun);
            runs_.back().firstIndex = count_;
        }
        // Block by block, with the same rule for a new block as Append.
        while (left > 0) {
            if (blocks_.empty() || blocks_.back().recordBytes != k ||
                blocks_.back().used + kRoom > blocks_.back().capacity)
                AddBlock(k);
            Block& block = blocks_.back();
            const std::size_t fit = (block.capacity - kRoom - block.used) / k + 1;
            const std::size_t records = std::min(fit, left);
            std::memcpy(block.data.get() + block.used, from, records * k);
            block.used += records * k;
            count_ += records;
            from += records * k;
            left -= records;
        }
    }
}

void ChordResultStore::Get(std::size_t index, ChordFingering& out) const
{
    if (index >= count_)
        throw std::out_of_range(
            "chord result " + std::to_string(index) + " of " + std::to_string(count_));
    const ChordResultRun& run = *Covering(runs_, index);
    const Block& block = *Covering(blocks_, index);
    const std::uint8_t* record = block.data.get() + (index - block.firstIndex) * run.count;
    out.StringSet.assign(
        run.strings.begin(), run.strings.begin() + static_cast<std::ptrdiff_t>(run.count));
    out.StringNotes.resize(run.count);
    out.FretBoardPosition.resize(run.count);
    for (std::size_t i = 0; i < run.count; ++i) {
        const unsigned pitchClass = record[i] >> 2;
        const unsigned lowestFret = (pitchClass + 12 - run.openPitchClasses[i]) % 12;
        out.StringNotes[i] = kLowestNote + pitchClass;
        out.FretBoardPosition[i] = lowestFret + 12 * (record[i] & 3u);
    }
}

std::size_t ChordResultStore::Bytes() const
{
    return allocated_ + blocks_.capacity() * sizeof(Block) +
        runs_.capacity() * sizeof(ChordResultRun);
}

}  // namespace guivarna::theory
