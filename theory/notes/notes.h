#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::theory {

// Note numbers: pitch classes 60 (C) .. 71 (B); open strings carry absolute numbers (64 is the
// E above 60). Names come from the number modulo 12 taken as an unsigned 32-bit value, so any
// integer has a name (-1 and 999999 are both "Eb").
using Note = std::uint32_t;

// A pitch class, 0 (C) .. 11 (B): what board roots, search rows and chord names compare. A Note
// is a sounding pitch; PitchClassOf turns one into the other at the edges.
using PitchClass = int;
inline constexpr PitchClass kNoPitchClass = -1;
inline constexpr int kPitchClassCount = 12;

constexpr PitchClass PitchClassOf(Note note)
{
    return static_cast<PitchClass>(note % kPitchClassCount);
}

// Stands for an unknown note or interval.
inline constexpr std::uint32_t kUnknown = 999999;

// "C" -> 60 ... "B" -> 71, flats only, exact and case-sensitive; anything else gives kUnknown.
std::uint32_t NoteNumber(std::string_view name);

// The pitch class of a note name as NoteNumber reads it ("C" -> 0, "B" -> 11); kNoPitchClass for
// anything else, the empty string included.
PitchClass PitchClassOfName(std::string_view name);

// The flat spelling of a pitch class 0..11; "" for kNoPitchClass or any other value.
std::string PitchClassName(PitchClass pitchClass);

// The semitones of a natural note's letter above C: 'C' -> 0 ... 'B' -> 11; -1 for any other
// character, lower-case letters included (in chord symbols a lower-case "b" is a flat).
int NaturalNoteSemitones(char letter);

// The flat spelling of note mod 12: 60 and 72 and 0 give "C".
std::string NoteName(std::uint32_t note);

// "b2" -> 1 ... "7" -> 11; anything else, the empty string included, gives kUnknown.
std::uint32_t IntervalSemitones(std::string_view name);

// The name of semitones mod 12: 0 gives "", 3 gives "b3", 11 gives "7".
std::string IntervalName(std::uint32_t semitones);

// The names of notes joined by " - " ("C - E - G"); "" for no notes.
std::string JoinNoteNames(const std::vector<Note>& notes);

// The twelve note names in pitch order from C, for messages that list the accepted names.
std::string_view AcceptedNoteNames();

}  // namespace guivarna::theory
