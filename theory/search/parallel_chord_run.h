#pragma once

#include "theory/search/chord_filter.h"
#include "theory/search/run_control.h"

#include <cstddef>
#include <cstdint>

namespace guivarna::theory {

class ChordResultList;

// The threads a search runs on unless told otherwise: one per core.
int DefaultSearchThreads();

// How a parallel chord search cuts its enumeration: pieces of whole note orders of about
// pieceCandidates candidates each, and at most piecesAhead pieces taken or finished beyond the
// first one not yet in the list (the workers wait beyond that, which bounds the memory).
struct ChordPieceLimits {
    std::uint64_t pieceCandidates = std::uint64_t{1} << 15;
    std::size_t piecesAhead = 0;  // 0 = eight per thread
};

// Enumerates the fingerings filter accepts on `threads` threads (the calling one among them)
// and appends them to results in the order of a one-thread run: each thread scans one piece at
// a time into a buffer of its own, and the pieces enter the list in enumeration order as soon
// as all before them have. Pause, resume and stop through control reach every thread. Returns
// true when it ended because of a stop; the list then holds a leading part of the results.
// Throws, after every thread has ended, what a thread threw (std::bad_alloc at the list's byte
// limit, with the results before the one that did not fit kept).
bool RunChordSearchInPieces(const ChordFilter& filter, ChordResultList& results,
    RunControl& control, int threads, const ChordPieceLimits& limits = {});

}  // namespace guivarna::theory
