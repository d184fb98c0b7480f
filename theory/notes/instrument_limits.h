#pragma once

#include "theory/notes/notes.h"

#include <array>
#include <cstdint>
#include <vector>

// Constants shared by the theory, the searches, the board model and the command-line companion.
namespace guivarna::theory {

// The lowest pitch class number: C. Pitch classes run from 60 to 71.
inline constexpr Note kLowestNote = 60;
inline constexpr Note kHighestNote = kLowestNote + 11;

// The most strings an instrument may have.
inline constexpr int kMaxStrings = 24;
// The highest fret an octave shift of the chord search may reach.
inline constexpr std::uint32_t kMaxFret = 24;
// The widest hand span of the chord search, in frets: every shape up to kMaxFret fits it.
inline constexpr int kMaxSpan = 24;

// A six-string guitar in standard tuning, string 1 (the highest) first.
inline constexpr std::array<Note, 6> kStandardTuningNotes{64, 59, 55, 50, 45, 40};

inline std::vector<Note> StandardTuning()
{
    return {kStandardTuningNotes.begin(), kStandardTuningNotes.end()};
}

}  // namespace guivarna::theory
