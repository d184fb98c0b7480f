#pragma once

#include "theory/notes/instrument_limits.h"
#include "theory/notes/notes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace guivarna::theory {

// How the chord search treats open strings (fret 0). The values are those the chord wizard's
// buttons and the command line's --open give as numbers.
enum class OpenStringPolicy : int {
    ByPosition = 0,  // an open string counts as fret 0 for the fret range and the span
    MayHave = 1,  // open strings are always allowed and ignored by the span
    MustHave = 2,  // at least one open and at least one fretted string
};

// Everything a chord search needs besides the instrument, set in one piece by the chord wizard.
struct ChordSearchRequest {
    std::vector<Note> notes{};  // the chord notes (60..71) in the order they were added
    PitchClass root = kNoPitchClass;  // the chord's root, for naming; the search does not use it
    std::vector<std::uint32_t> allowedStrings{};  // string numbers from 1; empty = every string
    std::uint32_t lowestFret = 0;
    std::uint32_t highestFret = kMaxFret;
    int span = kMaxSpan;  // the fretted notes must satisfy highest - lowest < span
    OpenStringPolicy openStrings = OpenStringPolicy::ByPosition;  // another value accepts none
    std::vector<Note> permutation{};  // a required note order (note i on the i-th string used)
    PitchClass melody = kNoPitchClass;  // required on the highest string used; kNoPitchClass = any,
                                        // any other value outside 0..11 accepts no fingering
    bool playableOnly = false;  // keep only the shapes four fingers can hold

    bool operator==(const ChordSearchRequest&) const = default;
};

// Everything a scale search needs, set in one piece by the scale wizard.
struct ScaleSearchRequest {
    int toneCount = 0;  // notes per scale, 1..12; 0 = not set (nothing to search)
    bool mustHaveFilter = false;  // when on, every scale holds all must-have notes
    std::vector<Note> mustHaveNotes{};  // 60..71
    int runLimit = 12;  // the longest allowed run of semitone steps; -1 = no limit

    bool operator==(const ScaleSearchRequest&) const = default;
};

}  // namespace guivarna::theory
