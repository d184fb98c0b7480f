#pragma once

#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <cstdint>
#include <string>
#include <vector>

// The texts a search result is shown and written as: the list rows of the calculations window,
// the lines of the exported text files and the file names of exported pictures.
namespace guivarna::theory {

// Numbers written as decimal integers joined by " - ".
std::string JoinNumbers(const std::vector<std::uint32_t>& values);

// The three columns of a chord row: string numbers, note names and frets, each joined by " - ".
std::string ChordStringsText(const ChordFingering& fingering);
std::string ChordNotesText(const ChordFingering& fingering);
std::string ChordFretsText(const ChordFingering& fingering);

// A line of the chord list file: strings, frets and note names with two tabs between them
// (no line end).
std::string ChordListLine(const ChordFingering& fingering);

// A scale row and a line of the scale list file: the note names joined by " - ".
std::string ScaleText(const std::vector<Note>& scale);

// The file name of a fingering: per string played, the note name, the string number and the fret
// in parentheses, joined by "_" (C1(8)_E2(5)_G3(0)); "" for a fingering without notes.
std::string FingeringName(const ChordFingering& fingering);

}  // namespace guivarna::theory
