#pragma once

#include "theory/fingering_generator.h"
#include "theory/notes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace guivarna::theory {

// A chord search request as it stood when the search was reset: the instrument, the chord notes
// and the filters a candidate must pass, in the order they are applied.
struct ChordRequest {
    std::vector<Note> openNotes;  // string 1 first
    std::vector<Note> notes;  // the chord notes in the order they were added
    std::vector<std::uint32_t> allowedStrings;  // empty = every string
    std::vector<Note> permutation;  // empty = any note order
    std::string melodyNote;  // "" = any
    std::uint32_t lowestFret = 0;
    std::uint32_t highestFret = 24;
    int span = 24;
    int openStringPolicy = 0;
    std::uint64_t generation = 0;  // the result list this run appends to

    // Derives the bit sets the filters use from the fields above; call once after filling them.
    void Prepare();

    // Every fret within the fret range (how open strings count depends on the policy).
    bool PassesFretRange(const FingeringCandidate& c) const;
    // The frets lie within the span (how open strings count depends on the policy).
    bool PassesSpan(const FingeringCandidate& c) const;
    // Every string used is allowed.
    bool PassesStringSet(const FingeringCandidate& c) const;
    // The notes follow the required note order.
    bool PassesPermutation(const FingeringCandidate& c) const;
    // The first string used sounds the melody note.
    bool PassesMelody(const FingeringCandidate& c) const;

    bool Accepts(const FingeringCandidate& c) const
    {
        return PassesFretRange(c) && PassesSpan(c) && PassesStringSet(c) && PassesPermutation(c) &&
            PassesMelody(c);
    }

private:
    std::uint32_t allowedMask_ = 0;  // bit s: string number s may be used
    int melodyPitchClass_ = -1;  // -1 any, -2 none (an unknown name), else 0..11
};

}  // namespace guivarna::theory
