#pragma once

#include "theory/notes/notes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::theory {

// Why a text is not a readable chord or scale name, and where reading stopped: position is the
// index (from 0) of the first character, counted in Unicode characters, that could not be read;
// the text's length when something is missing at its end.
struct ReadError {
    std::size_t position = 0;
    std::string reason;
};

// A chord read from its symbol: the root (60..71) and the interval mask above it (bit k = k
// semitones above the root; bit 0 always set), and the bass a slash names ("C/E": E), which the
// mask holds too.
struct ReadChord {
    Note root = 60;
    int mask = 1;
    PitchClass bass = kNoPitchClass;

    // The root, then the other pitch classes upward from it, all 60..71.
    std::vector<Note> Notes() const;
};

// The result of ReadChordSymbol: a chord, or the error (chord empty).
struct ChordReading {
    std::optional<ReadChord> chord;
    ReadError error;

    explicit operator bool() const { return chord.has_value(); }
};

// Reads a chord symbol (UTF-8): every traditional name the program writes ("C^7", "C-7",
// "C\u00BA7", "G7b9", "Dsus4", "E-(b6) (no 5)") and the spellings players type ("Cmaj7", "CM7",
// "C\u03947", "Cm7", "Cdim7", "C\u00B07", "Cm7b5", "C\u00F8", "C+", "C5", "C6/9", "Cadd9", "C13",
// "C7(b9,#11)", "Csus2", "F#m7", "Bbmaj7", "C/E"). The program's own "\u00BA" means a diminished
// triad with the intervals named after it (so "\u00BA7" has the minor seventh), while "dim",
// "\u00B0" and "o" take the diminished seventh as players do. A slash bass adds the bass note
// when the chord lacks it; the root stays the root.
ChordReading ReadChordSymbol(std::string_view symbol);

// "C - E - G - B": the notes of a chord, root first, then upward.
std::string ChordNotesText(const ReadChord& chord);

// Chord types offered for completion after a root ("maj7", "m7", ...), common ones first.
const std::vector<std::string_view>& CommonChordTypes();

// A short message for an error, with its position from 1: "cannot read 'x' at character 3".
std::string DescribeReadError(std::string_view text, const ReadError& error);

}  // namespace guivarna::theory
