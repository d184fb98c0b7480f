#pragma once

#include "theory/search/chord_search.h"
#include "theory/search/scale_search.h"

namespace guivarna::theory {

// The program-wide search object: the chord fingering search and the scale search. The two are
// independent; each may run on a worker thread of its own.
class SearchEngine {
public:
    ChordSearch& Chords() { return chords_; }
    const ChordSearch& Chords() const { return chords_; }
    ScaleSearch& Scales() { return scales_; }
    const ScaleSearch& Scales() const { return scales_; }

private:
    ChordSearch chords_;
    ScaleSearch scales_;
};

}  // namespace guivarna::theory
