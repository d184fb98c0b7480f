#pragma once

#include <string>

namespace guivarna::theory {

// The chord-name suffix of an interval mask (bit k set = the interval of k semitones above the
// chord's root; bit 0 is not inspected) in the given naming mode:
//   0  the traditional symbol ("-7", "7b9", "add2sus4", "(#4) (no 5)", "" for a major triad),
//   1  the interval names in parentheses (" (3, 5)"),
//   3  the semitones in parentheses (" (0, 4, 7)"),
//   any other mode gives "".
std::string ChordSuffixFor(int intervalMask, int mode);

}  // namespace guivarna::theory
