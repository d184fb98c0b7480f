#pragma once

#include "theory/notes/notes.h"

#include <optional>
#include <vector>

namespace guivarna::theory {

class MusicTheory;

// Turns marked pitches into a chord: the pitch classes (60..71) ordered from the lowest sounding
// pitch upwards, each class once, so the first note is the root. No pitches give no notes.
std::vector<Note> ChordNotesFromPitches(std::vector<Note> pitches);

// The pitches a fretted shape sounds: fret f on string i (string 1 first, as in the tuning)
// sounds tuning[i] + f; a string without a fret is not played. The lists must be equally long
// (std::invalid_argument otherwise).
std::vector<Note> PitchesFromFrets(
    const std::vector<Note>& tuning, const std::vector<std::optional<Note>>& frets);

// Makes notes the current chord the way the chord wizard does: clears the selection, takes the
// first note as the root and adds every note in order. Returns false (and changes nothing) when
// there are no notes.
bool LoadChordNotes(MusicTheory& theory, const std::vector<Note>& notes);

}  // namespace guivarna::theory
