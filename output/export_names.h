#pragma once

#include "theory/chord_fingering.h"

#include <string>

namespace guivarna::output {

// The file name of a fingering: per string played, the note name, the string number and the fret
// in parentheses, joined by "_" (C1(8)_E2(5)_G3(0)); "" for a fingering without notes.
std::string FingeringName(const theory::ChordFingering& fingering);

}  // namespace guivarna::output
