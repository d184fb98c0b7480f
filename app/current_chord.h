#pragma once

#include "theory/notes/notes.h"

#include <vector>

namespace guivarna {

struct ProgramObjects;

// Makes notes (root first) the current chord the way the chord wizard loads one
// (MusicTheory::LoadChord) and the chord the search looks for: a note order or melody note
// chosen for the previous chord is dropped and no fingering stays selected; the limits of
// strings, frets, span and open strings stay as they were. False (nothing changed) without notes.
bool MakeCurrentChord(ProgramObjects& objects, const std::vector<theory::Note>& notes);

}  // namespace guivarna
