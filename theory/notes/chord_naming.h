#pragma once

#include "theory/notes/notes.h"

#include <string>

namespace guivarna::theory {

// The chord-name suffix of an interval mask (bit k set = the interval of k semitones above the
// chord's root; bit 0 is not inspected) in the given naming mode:
//   0  the traditional symbol ("-7", "7b9", "add2sus4", "(#4) (no 5)", "" for a major triad),
//   1  the interval names in parentheses (" (3, 5)"),
//   3  the semitones in parentheses (" (0, 4, 7)"),
//   any other mode gives "".
std::string ChordSuffixFor(int intervalMask, int mode);

// The traditional name of a chord: its root, the pitch classes that sound (bit k = pitch class
// k), and the pitch class that sounds lowest, written after a slash when it is not the root:
// "C", "A-7", "C/G". The root need not be among the tones; it is named all the same.
std::string ChordName(PitchClass root, int toneMask, PitchClass bass);

// The name players give the tones over bass: built on each tone in turn, the simplest name, with
// a slash bass counted as two more characters, so that G-C-E over G is "C/G" rather than
// "Gsus4(6) (no 5)" and A-C-E-G over C is "C(6)" rather than "A-7/C". Ties go to the bass as root.
// A preferred root among the tones is taken instead of the search. "" for no tones.
std::string SimplestChordName(
    int toneMask, PitchClass bass, PitchClass preferredRoot = kNoPitchClass);

}  // namespace guivarna::theory
