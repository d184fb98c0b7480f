#pragma once

#include "theory/notes/notes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace guivarna::theory {

// The key a song is in, and how its chords are spelled. The rule: flats in the flat keys, sharps
// in the sharp keys, as the key signatures go. C major and A minor take flats, since their
// common borrowed chords are Bb, Eb and Ab. A key with two spellings takes the one with fewer
// accidentals (Db, not C#; G#m, not Abm); of the pairs with six each, F# major and Eb minor.
struct SongKey {
    PitchClass tonic = 0;
    bool minor = false;

    bool operator==(const SongKey&) const = default;
};

// Reads a {key} value: a root (A to G, then #, b, U+266F or U+266D), then nothing, "maj",
// "major" or "M" for a major key, or "m", "min", "minor" or "-" for a minor one.
std::optional<SongKey> ReadSongKey(std::string_view value);

// The length in bytes of the root note at the start of a key or chord symbol (the letter and
// its accidental); 0 when the text does not start with a note letter.
std::size_t NoteLengthAt(std::string_view text);

// Whether a key's chords are spelled with flats (else sharps).
bool KeyPrefersFlats(SongKey key);

// A pitch class's name: "C#" or "Db"; with unicode, U+266F and U+266D as the accidentals.
std::string SpelledNote(PitchClass pitchClass, bool flats, bool unicode = false);

// The key's own name in its spelling: "F#", "Ebm".
std::string SongKeyName(SongKey key);

}  // namespace guivarna::theory
