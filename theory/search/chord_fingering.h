#pragma once

#include <cstdint>
#include <vector>

namespace guivarna::theory {

// One result of the chord search; the three lists have one entry per string played.
struct ChordFingering {
    std::vector<std::uint32_t>
        StringSet;  // string numbers from 1 (string 1 is the highest), ascending
    std::vector<std::uint32_t> StringNotes;  // the chord note (60..71) sounded on that string
    std::vector<std::uint32_t> FretBoardPosition;  // the fret on that string, 0 = open

    bool operator==(const ChordFingering&) const = default;
};

}  // namespace guivarna::theory
