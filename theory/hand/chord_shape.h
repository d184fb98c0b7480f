#pragma once

#include "theory/hand/finger_assignment.h"
#include "theory/hand/scale_fingering.h"
#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace guivarna::theory {

// A position of a scale as a scale diagram shows it: the notes of every string, string 1 first
// as in ChordShape, each with its fret and finger.
struct ScaleShape {
    int root = 0;  // the pitch class (0..11) drawn in the root's style, -1 for none
    int number = 0;  // the position's number
    std::vector<std::vector<ScaleFret>> notes;
    bool horizontal = false;  // drawn like the neck (strings across) instead of upright

    bool operator==(const ScaleShape&) const = default;
};

// A chord shape as chord diagrams and chord sheets show it. Every list has one entry per string,
// string 1 (the highest) first, as the boards, the searches and the command line hold strings.
struct ChordShape {
    std::string name;
    std::vector<int> frets;  // kNotPlayed (-1), 0 for open, or the fret from 1
    std::vector<int> fingers;  // 0 where no finger frets, else 1 index .. 4 little
    // The fingers lying across several strings, as the finger search laid them (or as a file's
    // own fingers lay them); in the order of their highest string number, lowest string first.
    std::vector<Barre> barres;
    std::vector<int> tuning;  // the open strings' pitches; empty when not known
    // Set when the diagram shows a scale position instead of a chord: frets then holds
    // kNotPlayed for every string and fingers zeros, so the string count stays the same.
    std::optional<ScaleShape> scale = std::nullopt;

    int StringCount() const { return static_cast<int>(frets.size()); }
    bool operator==(const ChordShape&) const = default;
};

// The shape of a fret pattern, fingered as chord books do, with the barres of that hand; an
// unplayable pattern keeps its frets without fingers. tuning is empty when not known.
ChordShape ShapeFromFrets(
    std::span<const int> frets, std::span<const int> tuning, std::string name);

// The fret pattern of a search result on an instrument of stringCount strings, string 1 first;
// the strings it leaves out are not played.
std::vector<int> FretsOfFingering(const ChordFingering& fingering, int stringCount);

// The sheet entry of a scale position on strings tuned to tuningHighFirst (string 1 first).
ChordShape ShapeFromScalePosition(const ScalePosition& position,
    std::span<const Note> tuningHighFirst, Note root, std::string name, bool horizontal = false);

// The lowest and highest fretted fret; both 0 when no string is fretted.
int LowestFret(const ChordShape& shape);
int HighestFret(const ChordShape& shape);

// The first traditional name of the chord the shape sounds on the tuning (string 1 first), ""
// when no string sounds or the lists differ in length. The name is built on the lowest note
// sounding, as for marked notes; with a preferred root among the chord's notes, on that root
// instead, so that an inversion found by a search for C is still "C". No slash bass: this is
// the name the command line gives a diagram.
std::string FirstTraditionalName(std::span<const int> frets, std::span<const Note> tuning,
    PitchClass preferredRoot = kNoPitchClass);

// The name players give the shape: the simplest name of what it sounds, with the bass after a
// slash when it is not the root ("C/G" for xx555x); with a preferred root among its notes, the
// name on that root, the bass after a slash all the same.
std::string ShapeName(std::span<const int> frets, std::span<const Note> tuning,
    PitchClass preferredRoot = kNoPitchClass);

// The pitch class of the root a chord name starts with, kNoPitchClass when the name is no chord
// symbol the reader understands.
PitchClass RootOfName(const std::string& name);

}  // namespace guivarna::theory
