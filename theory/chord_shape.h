#pragma once

#include "theory/chord_fingering.h"
#include "theory/notes.h"
#include "theory/scale_fingering.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace guivarna::theory {

// A position of a scale as a scale diagram shows it: the notes of every string, the lowest
// string first as in ChordShape, each with its fret and finger.
struct ScaleShape {
    int root = 0;  // the pitch class (0..11) drawn in the root's style, -1 for none
    int number = 0;  // the position's number
    std::vector<std::vector<ScaleFret>> notes;
    bool horizontal = false;  // drawn like the neck (strings across) instead of upright

    bool operator==(const ScaleShape&) const = default;
};

// A chord shape as chord diagrams and chord sheets show it. Every list has one entry per string,
// the lowest string first (string 1, the highest, is last), as chord books write shapes.
struct ChordShape {
    std::string name;
    std::vector<int> frets;  // kNotPlayed (-1), 0 for open, or the fret from 1
    std::vector<int> fingers;  // 0 where no finger frets, else 1 index .. 4 little
    std::vector<int> tuning;  // the open strings' pitches; empty when not known
    // Set when the diagram shows a scale position instead of a chord: frets then holds
    // kNotPlayed for every string and fingers zeros, so the string count stays the same.
    std::optional<ScaleShape> scale = std::nullopt;

    int StringCount() const { return static_cast<int>(frets.size()); }
    bool operator==(const ChordShape&) const = default;
};

// One finger lying across the strings first..last (indices into the shape's lists) at fret.
struct ShapeBarre {
    int finger = 0;
    int fret = 0;
    int first = 0;
    int last = 0;

    bool operator==(const ShapeBarre&) const = default;
};

// The shape of a fret pattern given string 1 first (as the boards, the search and the command
// line hold it), fingered as chord books do; an unplayable pattern keeps its frets without
// fingers. tuning is string 1 first too, or empty.
ChordShape ShapeFromFrets(
    std::span<const int> fretsHighFirst, std::span<const int> tuningHighFirst, std::string name);

// The fret pattern of a search result on an instrument of stringCount strings, string 1 first;
// the strings it leaves out are not played.
std::vector<int> FretsOfFingering(const ChordFingering& fingering, int stringCount);

// The barres a shape's fingers make: a finger on two or more strings at one fret, when every
// string between them is fretted at that fret or above. In string order.
std::vector<ShapeBarre> ShapeBarres(const ChordShape& shape);

// The sheet entry of a scale position on strings tuned to tuningHighFirst (string 1 first).
ChordShape ShapeFromScalePosition(const ScalePosition& position,
    std::span<const Note> tuningHighFirst, Note root, std::string name, bool horizontal = false);

// The lowest and highest fretted fret; both 0 when no string is fretted.
int LowestFret(const ChordShape& shape);
int HighestFret(const ChordShape& shape);

// The first traditional name of the chord the shape sounds on the tuning (string 1 first), ""
// when no string sounds. The names are built on the lowest note sounding, as for marked notes;
// with a preferred root (a pitch class, as RootOfName gives) among the chord's notes, the name
// built on that root instead, so that an inversion found by a search for C is still "C".
std::string FirstTraditionalName(std::span<const int> fretsHighFirst,
    std::span<const Note> tuningHighFirst, int preferredRoot = -1);

// The pitch class (60..71) of the root a chord name starts with, -1 when the name is no chord
// symbol the reader understands.
int RootOfName(const std::string& name);

}  // namespace guivarna::theory
