#pragma once

#include "theory/song/song.h"

#include <string>
#include <vector>

namespace guivarna::theory {

// A lyrics line set for a monospace font: the chord names on a line of their own above the
// lyrics, each at the column of the character it is sung on. Where chord names would run
// into each other, the lyrics are stretched (with '-' inside a word, spaces between words).
// Columns count Unicode characters. A line of chords only has empty lyrics.
struct ChordsOverLyrics {
    std::string chords;
    std::string lyrics;
};
ChordsOverLyrics SetChordsOverLyrics(const SongLine& line);

// {chorus}: the chorus sung again here, shown as a note ("Chorus" or the directive's value).
bool IsChorusRecall(const SongDirective& directive);

// The song as plain text, '\n' line ends: the title, subtitle and artist, then key, capo and
// tempo on one line, then the lines of the song. Each chorus is indented by two spaces and its
// first line reads "Chorus:", like the other sections with their names or labels; comments
// directives and {chorus} appear in parentheses; '#' comments, defines and unknown directives do
// not show.
std::string SongAsText(const Song& song);

}  // namespace guivarna::theory
