#pragma once

#include "theory/song/song.h"
#include "theory/song/song_key.h"

#include <optional>
#include <string>
#include <string_view>

namespace guivarna::theory {

// The key the song is in: its first {key} when that reads, else the first readable chord's root
// (a minor key when that chord has a minor third and no major one).
std::optional<SongKey> KeyOfSong(const Song& song);

// A chord symbol moved by semitones: its root and slash bass respelled (flats or sharps), the
// rest as written ("Cm7/Bb" +2 with sharps: "Dm7/C"). A symbol ReadChordSymbol cannot read is
// returned unchanged; so is the root's accidental sign style (U+266F/U+266D or #/b).
std::string TransposedSymbol(std::string_view symbol, int semitones, bool flats);

// Moves every readable chord of the song by semitones (any whole number; a multiple of 12
// changes nothing) and spells them for the new key, whose name the first {key} line then
// holds (its own suffix kept: "A minor" up 2 is "B minor"). Unreadable chords stay as written.
void TransposeSong(Song& song, int semitones);

}  // namespace guivarna::theory
