#pragma once

#include "theory/chord_fingering.h"
#include "theory/fingering_generator.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace guivarna::theory {

// The chord results in compact form: three bytes per string (string number, note, fret) in
// blocks that grow with the list (4 KiB up to 1 MiB), so that millions of results cost little
// more than their bytes and the list grows without copying. A ChordFingering is made only when a
// result is read. Not thread-safe by itself; the engine guards it.
class ChordResultStore {
public:
    // K, when not 0, is candidate.count known at compile time.
    template <std::size_t K = 0> void Append(const FingeringCandidate& candidate)
    {
        const std::size_t k = K != 0 ? K : static_cast<std::size_t>(candidate.count);
        const std::size_t recordBytes = 3 * k;
        // Each field is copied whole (kMaxStrings bytes, a couple of moves) and the next field
        // overwrites its tail, so a block keeps kMaxStrings - k bytes of room after the record.
        constexpr std::size_t kField = FingeringCandidate::kMaxStrings;
        if (blocks_.empty() || blocks_.back().recordBytes != recordBytes ||
            blocks_.back().used + 2 * k + kField > blocks_.back().capacity)
            AddBlock(recordBytes);
        Block& block = blocks_.back();
        std::uint8_t* record = block.data.get() + block.used;
        std::memcpy(record, candidate.strings.data(), kField);
        std::memcpy(record + k, candidate.notes.data(), kField);
        std::memcpy(record + 2 * k, candidate.frets.data(), kField);
        block.used += recordBytes;
        ++count_;
    }

    std::size_t Count() const { return count_; }
    // Throws std::out_of_range when index >= Count().
    void Get(std::size_t index, ChordFingering& out) const;
    void Clear();
    // Bytes allocated for the results and their bookkeeping.
    std::size_t Bytes() const;

private:
    static constexpr std::size_t kSmallestBlock = std::size_t{1} << 12;
    static constexpr std::size_t kLargestBlock = std::size_t{1} << 20;

    // Results firstIndex, firstIndex + 1, ... all with the same string count.
    struct Block {
        std::unique_ptr<std::uint8_t[]> data;
        std::size_t capacity;
        std::size_t used;
        std::size_t firstIndex;
        std::size_t recordBytes;
    };

    void AddBlock(std::size_t recordBytes);

    std::vector<Block> blocks_;
    std::size_t count_ = 0;
    std::size_t allocated_ = 0;
};

}  // namespace guivarna::theory
