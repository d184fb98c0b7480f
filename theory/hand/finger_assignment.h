#pragma once

#include "theory/notes/instrument_limits.h"
#include "theory/search/chord_fingering.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace guivarna::theory {

// What a string does in a fret pattern: not played, open (0), or fretted (1 and up).
inline constexpr int kNotPlayed = -1;

// The difficulty of a shape four fingers cannot hold; every playable shape scores below it.
inline constexpr int kUnplayable = 255;

// One finger lying across several strings at one fret.
struct Barre {
    int finger = 0;  // 1 index .. 4 little
    int fret = 0;
    int firstString = 0;  // string numbers from 1 (string 1 is the highest), firstString <=
    int lastString = 0;  // lastString; every string between is fretted at fret or above

    bool operator==(const Barre&) const = default;
};

// How a hand holds a fret pattern.
struct Hand {
    bool playable = false;
    int stringCount = 0;
    // Per string, string 1 first: kNotPlayed, 0 open, 1..4 the finger (also under a barre).
    std::array<std::int8_t, kMaxStrings> fingers{};
    std::array<Barre, 4> barres{};
    int barreCount = 0;
    // Lower is easier; kUnplayable when !playable.
    int difficulty = kUnplayable;
};

// Fingers a fret pattern the way chord books do. frets has one entry per string, string 1
// first: kNotPlayed, 0 for open, or a fret from 1. Fingers rise with the fret across the hand;
// at equal frets the lower finger takes the string nearer the thumb (the higher string number).
// A finger barres several strings only when no string between them is open or fretted lower.
// Without open strings the index barres the lowest fret wherever it is on two strings or more
// up to the highest string played, even over strings fretted higher; other strings at one fret
// take a finger each where four fingers are enough. The index barre lies across a string not
// played (damping it) only where the shape cannot be held otherwise. With open strings,
// fretted notes all on one fret take a finger each. A shape that needs a fifth finger, a
// stretch beyond reach, more than kMaxStrings strings or a fret beyond kMaxFret is unplayable.
// The weights of the difficulty and of the choice are listed together in
// finger_assignment.cpp.
Hand AssignFingers(std::span<const int> frets);

// The same for a search result on an instrument of stringCount strings: the strings it leaves
// out are not played. The order of the result's strings does not matter.
Hand AssignFingers(const ChordFingering& fingering, int stringCount);

// The fingers as the command line and the result list show them, string 1 first and joined by
// separator: x not played, 0 open, 1..4; "unplayable" when the shape is.
std::string FingerText(const Hand& shape, const std::string& separator = ",");

}  // namespace guivarna::theory
