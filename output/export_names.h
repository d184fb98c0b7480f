#pragma once

#include "theory/chord_fingering.h"
#include "theory/notes.h"

#include <string>
#include <vector>

namespace guivarna::output {

// The file name of a fingering: per string played, the note name, the string number and the fret
// in parentheses, joined by "_" (C1(8)_E2(5)_G3(0)); "" for a fingering without notes.
std::string FingeringName(const theory::ChordFingering& fingering);

// The file name of a scale: its note names joined by " - " ("C - D - E"); "" for no notes.
std::string ScaleName(const std::vector<theory::Note>& scale);

}  // namespace guivarna::output
