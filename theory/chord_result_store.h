#pragma once

#include "theory/chord_fingering.h"
#include "theory/fingering_generator.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace guivarna::theory {

// The chord results in compact form: three bytes per string (string number, note, fret) in
// fixed-size blocks, so that millions of results cost little more than their bytes and the list
// grows without copying. A ChordFingering is made only when a result is read. Not thread-safe by
// itself; the engine guards it.
class ChordResultStore {
public:
    void Append(const FingeringCandidate& candidate);
    std::size_t Count() const { return count_; }
    // Throws std::out_of_range when index >= Count().
    void Get(std::size_t index, ChordFingering& out) const;
    void Clear();
    // Bytes allocated for the results and their bookkeeping.
    std::size_t Bytes() const;

private:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

    // A run of results with the same string count, stored from the start of block firstBlock.
    struct Segment {
        std::size_t firstIndex;
        std::size_t firstBlock;
        std::size_t recordBytes;
        std::size_t perBlock;
    };

    std::uint8_t* Reserve(std::size_t recordBytes);

    std::vector<std::unique_ptr<std::uint8_t[]>> blocks_;
    std::vector<Segment> segments_;
    std::size_t count_ = 0;
    std::size_t usedInLastBlock_ = 0;
};

}  // namespace guivarna::theory
