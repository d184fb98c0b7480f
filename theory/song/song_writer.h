#pragma once

#include "theory/hand/chord_shape.h"
#include "theory/song/song.h"

#include <span>
#include <string>

namespace guivarna::theory {

// The song as a ChordPro file: every line's text and line end as read (or as changed since),
// after the byte order mark it began with. An untouched song gives back the bytes it was read
// from.
std::string WriteSong(const Song& song);

// Sets the text of a lyrics line from its lyrics and chords, each chord as [symbol] at its
// position: after a chord's symbol changed.
void SetLyricsText(SongLine& line);

// Sets the capo: the value of the first {capo} line; without one, a {capo: N} line after the
// header directives (none for capo 0).
void SetSongCapo(Song& song, int capo);

// Sets the key: the value of the first {key} line; without one, a {key: ...} line after the
// header directives (none for an empty key).
void SetSongKey(Song& song, const std::string& key);

// Writes the defines of the voicings the program chose, each shape named by its chord symbol:
// a block between kChosenDefinesMarker and kChosenDefinesEnd, after the header directives,
// replacing the block an earlier save wrote. A chord with a define of the user's own keeps that
// one, so its shape is left out; with no shapes left, the block goes.
void SetChosenDefines(Song& song, std::span<const ChordShape> shapes);

}  // namespace guivarna::theory
