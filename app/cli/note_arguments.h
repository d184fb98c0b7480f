#pragma once

#include "theory/notes/notes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace guivarna::cli {

// Checks one note name ("C" .. "B", flats only); throws UsageError naming the option, the bad
// value and the accepted names otherwise.
std::string parseNoteName(const std::string& option, const std::string& text);

// A comma-separated list of note names, in the given order (repeats allowed); an empty list or
// any bad name throws UsageError.
std::vector<std::string> parseNoteList(const std::string& option, const std::string& text);

// The open notes of --tuning, string 1 first ("64,59,55,50,45,40"): 1 to kMaxStrings whole
// numbers from 0 to 127; throws UsageError otherwise.
std::vector<theory::Note> parseTuning(const std::string& text);

// One fret pattern, string 1 first: a fret number (0..24) or x per string, exactly strings of
// them; where starts every message ("--frets" or "line 3"). Throws UsageError otherwise.
std::vector<int> parseFretPattern(
    const std::string& where, const std::string& text, std::size_t strings);

}  // namespace guivarna::cli
