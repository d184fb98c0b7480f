#pragma once

#include "theory/search/combination_cursor.h"

#include <cstdint>

namespace guivarna::theory {

// Enumerates the subsets of k of the twelve pitch classes in lexicographic order of their notes:
// for k = 3 {C, Db, D}, {C, Db, Eb}, ... {A, Bb, B}. A subset is a 12-bit mask, bit i = note 60 +
// i.
class ScaleGenerator {
public:
    // Restarts the enumeration; the next call of Next sets it up for the tone count it is given.
    void Reset() { started_ = false; }

    // The next subset of toneCount pitch classes; false when exhausted (the call after that starts
    // over) or when toneCount is outside 1..12. The tone count is fixed by the first call after a
    // restart.
    bool Next(int toneCount, std::uint16_t& subset);

private:
    CombinationCursor cursor_;
    bool started_ = false;
};

}  // namespace guivarna::theory
