#pragma once

#include "theory/notes/instrument_limits.h"
#include "theory/search/chord_fingering.h"
#include "theory/search/fingering_generator.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace guivarna::theory {

// The chord results in compact form, one byte per string: the note's pitch class and how many
// octaves (0..2) the fret lies above the lowest fret of that note on that string. The strings
// used and their open notes are kept once per run of results on the same strings, and the
// bytes sit in blocks that grow with the list (4 KiB up to 1 MiB), so millions of results cost
// little more than their bytes and the list grows without copying. A ChordFingering is made
// only when a result is read. Not thread-safe by itself; ChordResultList guards it.
// Results from firstIndex on use these strings, whose open notes have these pitch classes.
struct ChordResultRun {
    std::size_t firstIndex;
    std::size_t count;
    std::array<std::uint8_t, FingeringCandidate::kMaxStrings> strings;
    std::array<std::uint8_t, FingeringCandidate::kMaxStrings> openPitchClasses;

    // The run of candidate's strings, from firstIndex on.
    static ChordResultRun Of(const FingeringCandidate& candidate, std::size_t firstIndex);
    // True when a candidate of k strings continues this run.
    bool Continues(std::size_t k, const std::uint8_t* candidateStrings) const
    {
        return count == k && std::memcmp(strings.data(), candidateStrings, k) == 0;
    }
};

// The stored record of a candidate (see ChordResultStore), built in all kMaxStrings bytes of
// record; the first k bytes count.
template <std::size_t K = 0>
void EncodeChordRecord(const FingeringCandidate& candidate,
    std::array<std::uint8_t, FingeringCandidate::kMaxStrings>& record)
{
    const std::size_t k = K != 0 ? K : static_cast<std::size_t>(candidate.count);
    for (std::size_t i = 0; i < k; ++i) {
        const unsigned fret = candidate.frets[i];
        const unsigned octaves = (fret >= 12 ? 1u : 0u) + (fret >= 24 ? 1u : 0u);
        record[i] = static_cast<std::uint8_t>(((candidate.notes[i] - kLowestNote) << 2) | octaves);
    }
}

// The results of one piece of a search in the store's format, gathered by one worker and then
// appended to the store whole (ChordResultStore::AppendPiece). Clear keeps the memory for the
// next piece. Not thread-safe.
class ChordResultPiece {
public:
    template <std::size_t K = 0> void Append(const FingeringCandidate& candidate)
    {
        const std::size_t k = K != 0 ? K : static_cast<std::size_t>(candidate.count);
        if (runs_.empty() || !runs_.back().Continues(k, candidate.strings.data()))
            runs_.push_back(ChordResultRun::Of(candidate, count_));
        constexpr std::size_t kRoom = FingeringCandidate::kMaxStrings;
        if (used_ + kRoom > bytes_.size())
            bytes_.resize(std::max<std::size_t>(2 * bytes_.size(), 4096));
        std::array<std::uint8_t, kRoom> record{};
        EncodeChordRecord<K>(candidate, record);
        std::memcpy(bytes_.data() + used_, record.data(), kRoom);
        used_ += k;
        ++count_;
    }

    std::size_t Count() const { return count_; }
    // Bytes allocated, kept over Clear.
    std::size_t Bytes() const
    {
        return bytes_.capacity() + runs_.capacity() * sizeof(ChordResultRun);
    }
    void Clear()
    {
        runs_.clear();
        used_ = 0;
        count_ = 0;
    }

private:
    friend class ChordResultStore;

    std::vector<std::uint8_t> bytes_;  // the records one after the other; used_ bytes hold them
    std::vector<ChordResultRun> runs_;  // firstIndex counts from the piece's first result
    std::size_t used_ = 0;
    std::size_t count_ = 0;
};

class ChordResultStore {
public:
    // Appends a candidate of the fingering generator (frets = lowest fret + 12 * octave).
    // K, when not 0, is candidate.count known at compile time.
    template <std::size_t K = 0> void Append(const FingeringCandidate& candidate)
    {
        const std::size_t k = K != 0 ? K : static_cast<std::size_t>(candidate.count);
        if (runs_.empty() || !runs_.back().Continues(k, candidate.strings.data()))
            runs_.push_back(ChordResultRun::Of(candidate, count_));
        // The record is built in full kMaxStrings bytes and copied whole (a couple of moves),
        // so a block keeps kMaxStrings bytes of room after its last record.
        constexpr std::size_t kRoom = FingeringCandidate::kMaxStrings;
        if (blocks_.empty() || blocks_.back().recordBytes != k ||
            blocks_.back().used + kRoom > blocks_.back().capacity)
            AddBlock(k);
        std::array<std::uint8_t, kRoom> record{};
        EncodeChordRecord<K>(candidate, record);
        Block& block = blocks_.back();
        std::memcpy(block.data.get() + block.used, record.data(), kRoom);
        block.used += k;
        ++count_;
    }

    // Appends the results of a piece, after those already stored, exactly as appending them one
    // by one would (the same blocks, runs and byte limit; on std::bad_alloc the results before
    // the one that did not fit are kept).
    void AppendPiece(const ChordResultPiece& piece);

    std::size_t Count() const { return count_; }

    // Calls visit(index, k, strings, pitchClasses, frets) for every result from first up to (not
    // including) last, in order, without making a ChordFingering: k strings, their numbers, the
    // pitch classes (0 = C) of their notes and their frets.
    template <typename Visit> void ForEach(std::size_t first, std::size_t last, Visit&& visit) const
    {
        last = last < count_ ? last : count_;
        if (first >= last)
            return;
        std::size_t run = RunOf(first);
        std::size_t block = BlockOf(first);
        std::array<std::uint8_t, FingeringCandidate::kMaxStrings> frets{};
        std::array<std::uint8_t, FingeringCandidate::kMaxStrings> pitchClasses{};
        for (std::size_t index = first; index < last; ++index) {
            while (run + 1 < runs_.size() && runs_[run + 1].firstIndex <= index)
                ++run;
            while (block + 1 < blocks_.size() && blocks_[block + 1].firstIndex <= index)
                ++block;
            const ChordResultRun& r = runs_[run];
            const Block& b = blocks_[block];
            const std::uint8_t* record = b.data.get() + (index - b.firstIndex) * r.count;
            // A run never holds more than kMaxStrings strings (ChordResultRun::Of takes them from a
            // candidate); the bound, said here, lets the compiler see the writes stay inside.
            const std::size_t count = r.count < frets.size() ? r.count : frets.size();
            for (std::size_t i = 0; i < count; ++i) {
                const unsigned pitchClass = record[i] >> 2;
                pitchClasses[i] = static_cast<std::uint8_t>(pitchClass);
                frets[i] = static_cast<std::uint8_t>(
                    (pitchClass + 12 - r.openPitchClasses[i]) % 12 + 12 * (record[i] & 3u));
            }
            visit(index, count, r.strings.data(), pitchClasses.data(), frets.data());
        }
    }
    // Throws std::out_of_range when index >= Count().
    void Get(std::size_t index, ChordFingering& out) const;
    // Bytes allocated for the results and their bookkeeping.
    std::size_t Bytes() const;
    // The most bytes the result blocks may take; an Append that needs more throws
    // std::bad_alloc, as running out of memory does. No limit unless set.
    void SetByteLimit(std::size_t bytes) { byteLimit_ = bytes; }

private:
    static constexpr std::size_t kSmallestBlock = std::size_t{1} << 12;
    static constexpr std::size_t kLargestBlock = std::size_t{1} << 20;

    // Results firstIndex, firstIndex + 1, ... with recordBytes (= string count) bytes each.
    struct Block {
        std::unique_ptr<std::uint8_t[]> data;
        std::size_t capacity;
        std::size_t used;
        std::size_t firstIndex;
        std::size_t recordBytes;
    };

    std::size_t RunOf(std::size_t index) const;
    std::size_t BlockOf(std::size_t index) const;
    void AddBlock(std::size_t recordBytes);

    std::vector<Block> blocks_;
    std::vector<ChordResultRun> runs_;
    std::size_t count_ = 0;
    std::size_t allocated_ = 0;
    std::size_t byteLimit_ = static_cast<std::size_t>(-1);
};

}  // namespace guivarna::theory
