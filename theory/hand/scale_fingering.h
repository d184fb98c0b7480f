#pragma once

#include "theory/notes/notes.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// How a scale is fingered on an instrument: the positions (boxes) a player practises, each
// note with its fret and its finger.
namespace guivarna::theory {

enum class FingeringSystem {
    // A box of four frets, one finger per fret, with one-fret stretches where the scale needs them.
    Position,
    // Three notes on every string, the pattern running across the neck.
    ThreeNotesPerString,
};

// The fewest notes a scale needs for three notes per string.
inline constexpr int kMinThreeNotesPerStringNotes = 6;

struct ScaleFret {
    int fret = 0;  // 0 = open
    int finger = 0;  // 0 open, 1 index .. 4 little

    bool operator==(const ScaleFret&) const = default;
};

struct ScalePosition {
    // 1 up: position 1 starts on the root on the lowest string, the next ones go up the neck.
    int number = 0;
    // Position playing: the fret of the index finger. Three notes per string: the lowest fret.
    int indexFret = 0;
    // Per string, string 1 (the highest) first as in Instrument::openNotes; on each string the
    // notes upward. A string may be empty.
    std::vector<std::vector<ScaleFret>> strings;

    int LowestFret() const;
    int HighestFret() const;

    bool operator==(const ScalePosition&) const = default;
};

// A scale on a root: the root's pitch class (any note number) and the intervals as a mask
// (bit k = k semitones above the root; bit 0 is the root).
struct ScaleToFinger {
    Note root = 60;
    int mask = 1;
};

// The frets the positions may use, both ends included.
struct FretRange {
    int lowest = 0;
    int highest = 24;
};

// Why the scale cannot be fingered in the system (too few notes for three per string, an empty
// scale), or nothing when it can.
std::optional<std::string> FingeringProblem(const ScaleToFinger& scale, FingeringSystem system);

// Every position of the scale on strings tuned to openNotes (string 1 first) within frets,
// ordered by number; each position appears once, at its lowest place on the neck. Nothing
// when FingeringProblem names a problem or no position fits the frets.
std::vector<ScalePosition> ScalePositions(const ScaleToFinger& scale,
    std::span<const Note> openNotes, FingeringSystem system, FretRange frets = {});

// One position as the command line prints it: "position=N frets=LO-HI", then per string from
// string 1 "S:" and its notes as fret/finger joined by commas, "-" for a string without notes.
std::string PositionLine(const ScalePosition& position);

// Appends word to text after a space. Texts are built by appending, not by operator+ on a
// temporary, which GCC 12 at -O3 takes for an overlapping copy (-Wrestrict).
void AppendWord(std::string& text, const std::string& word);

// Appends "fret/finger" to a list, after a comma unless the list is empty: "5/1,7/3".
void AppendFretAndFinger(std::string& list, const ScaleFret& note);

}  // namespace guivarna::theory
