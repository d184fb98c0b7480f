#pragma once

#include "theory/notes/notes.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli identify --frets 0,1,0,2,3,x [--tuning 64,59,55,50,45,40]
//   [--mode traditional|intervals|semitones|N]
// Names the chord a fretted shape sounds (one fret or x per string, string 1 first): its pitch
// classes from the lowest sounding upwards, rooted on the lowest. Prints what `names` prints for
// that chord.
int RunIdentifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// --frets of identify: one fret (0 to kMaxFret) or x (nothing) per string, string 1 first, any
// number of strings; throws UsageError otherwise.
std::vector<std::optional<theory::Note>> parseFrets(const std::string& text);

}  // namespace guivarna::cli
