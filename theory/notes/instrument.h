#pragma once

#include "theory/notes/notes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The instrument the boards show: its strings, how many fret positions each has and on which
// hand it is played, plus the table of ready-made tunings the program offers.
namespace guivarna::theory {

// Fret positions per string, the open string counting as one.
inline constexpr int kMinPositions = 1;
inline constexpr int kMaxPositions = 49;
inline constexpr int kDefaultPositions = 25;
// The highest open note a string may have (G9); the lowest is 0 (C-1).
inline constexpr Note kMaxOpenNote = 127;

struct Instrument {
    // Absolute note numbers (64 is E4), string 1 (drawn at the top) first.
    std::vector<Note> openNotes;
    int positions = kDefaultPositions;
    bool leftHanded = false;

    bool operator==(const Instrument&) const = default;
};

// Why the instrument cannot be built (too many strings, say), or nothing when it can.
std::optional<std::string> InstrumentProblem(const Instrument& instrument);

struct InstrumentPreset {
    std::string_view name;
    // Real pitches, string 1 first.
    std::vector<Note> openNotes;
};

// Every preset in the order the program lists them, standard guitar first.
const std::vector<InstrumentPreset>& InstrumentPresets();

// A note as name and octave, flats only: 64 gives "E4", 58 "Bb3", 0 "C-1".
std::string PitchName(Note note);
// The reverse: a letter A to G (either case), an optional '#' or 'b', and an octave from -1 to 9
// ("E4", "f#2", "Bb3"), surrounding spaces allowed. Nothing when the text is not such a name or
// names a note outside 0 .. kMaxOpenNote.
std::optional<Note> ParsePitchName(std::string_view text);

}  // namespace guivarna::theory
