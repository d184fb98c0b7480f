#pragma once

#include "theory/hand/chord_shape.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::theory {

// ChordPro's chord definitions, as songbook tools share chord shapes:
//   {define: C base-fret 1 frets x 3 2 0 1 0 fingers 0 3 2 0 1 0}
// Frets run from the lowest string to the highest, relative to the base fret (1 = the base fret),
// x for a string not played and 0 for an open one; fingers follow in the same order, 0 where no
// finger frets. A name holding spaces is written in double quotes. The open strings' pitches,
// which ChordPro has no word for, follow a definition as {x_guivarna_tuning: 40 45 50 55 59 64};
// other programs ignore directives that start with x_.

// A scale diagram of the sheet (a shape whose scale is set), which ChordPro has no word for, is
// one directive of its own, lowest string first like define:
//   {x_guivarna_scale: "A minor pentatonic 1" root 9 position 1 tuning 40 45 50 55 59 64
//    notes 5/1,8/4 5/1,7/3 5/1,7/3 5/1,7/3 5/1,8/4 5/1,8/4}
// notes gives every string's notes as fret/finger pairs ("-" for none); root is the pitch class
// drawn as the root (-1: none); "across" after the notes draws it like the neck.
std::string ChordProScale(const ChordShape& shape);
// The text after "x_guivarna_scale:"; an error message in error when it cannot be read.
ChordShape ReadChordProScale(std::string_view definition, std::string& error);

// The base fret chord books print: 1, unless the shape goes above the fifth fret; then its
// lowest fretted fret.
int ChordProBaseFret(const ChordShape& shape);

// The define directive of a shape, without a line end.
std::string ChordProDefine(const ChordShape& shape);

// A line of a ChordPro file that could not be read: its number (from 1) and why.
struct ChordProError {
    int line = 0;
    std::string message;

    bool operator==(const ChordProError&) const = default;
};

struct ChordProSheet {
    std::string title;
    std::vector<ChordShape> chords;
    std::vector<ChordProError> errors;
};

// Reads the title and every chord definition of a ChordPro file (UTF-8); lyrics, chords in the
// text and directives other than title, define and chord are skipped. A line that cannot be
// read goes to errors and the rest still loads.
ChordProSheet ReadChordPro(std::string_view text);

// One define directive's text after "define:" (or "define "); an error message in error when it
// is not a well-formed definition (the shape is then empty).
ChordShape ReadChordProDefine(std::string_view definition, std::string& error);

// A sheet: the title, then each shape's define (and tuning) line, each line ending in '\n'.
std::string WriteChordPro(const std::string& title, std::span<const ChordShape> shapes);

}  // namespace guivarna::theory
