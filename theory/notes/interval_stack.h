#pragma once

#include <string>
#include <vector>

namespace guivarna::theory {

// The notes of a board: per string, in board order, the note at each of its fret positions
// (entry 0 is the open string). Strings may have different numbers of positions.
using NoteTable = std::vector<std::vector<int>>;

// The most intervals one stack may cycle through.
inline constexpr int kMaxStackedIntervals = 20;

// A position on a board: 0-based string (row) and fret.
struct BoardPosition {
    int string = 0;
    int fret = 0;

    bool operator==(const BoardPosition&) const = default;
};

// A note table with the same number of positions on every string: tuning[s] + fret.
NoteTable UniformNoteTable(const std::vector<int>& tuning, int positions);

// The lowest and the highest note anywhere in the table ({0, -1} for a table without notes).
int LowestNote(const NoteTable& table);
int HighestNote(const NoteTable& table);

// Stacks the cycle of intervals (semitones, each 1..11) up and down from root and returns every
// stacked note within [lowest, highest], ascending and without repeats. Upward the cycle runs
// semitones[0], semitones[1], ..., downward backwards from its last entry. No intervals, or an
// interval outside 1..11, throws std::invalid_argument.
std::vector<int> StackNotes(int root, const std::vector<int>& semitones, int lowest, int highest);

// The stack over the whole table, from the note at (rootString, rootFret). A root position outside
// the table throws std::out_of_range.
std::vector<int> StackNotes(
    const NoteTable& table, int rootString, int rootFret, const std::vector<int>& semitones);

// Every position on the listed strings whose note is exactly one of notes (no octave folding):
// strings in board order, frets ascending, each position once. A string index outside the table
// throws std::out_of_range.
std::vector<BoardPosition> ExactNotePositions(
    const NoteTable& table, const std::vector<int>& strings, const std::vector<int>& notes);

// The semitones of the interval names "b2" .. "7"; throws std::invalid_argument naming the first
// name that is not one of them.
std::vector<int> IntervalSteps(const std::vector<std::string>& names);

}  // namespace guivarna::theory
