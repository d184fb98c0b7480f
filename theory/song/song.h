#pragma once

#include "theory/formats/chord_pro.h"
#include "theory/hand/chord_shape.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::theory {

// A song as a ChordPro file holds it: every line as read, so that saving writes back the same
// bytes, and what each line means (a directive, lyrics with their chords, a comment). The
// values of the header directives are gathered in Song for the pages and windows.

// One chord written in the lyrics as [symbol].
struct SongChord {
    std::string symbol;  // as written between the brackets, spaces included
    std::size_t position = 0;  // byte offset in the line's lyrics: the chord is sung there
    bool readable = false;  // ReadChordSymbol reads it ("N.C.", "Solo" and typos are not)

    bool operator==(const SongChord&) const = default;
};

enum class SongLineKind {
    Blank,  // empty or only spaces
    Comment,  // starts with '#': for the file's readers, never shown
    Directive,  // {name: value} or {name}
    Lyrics,  // text with inline [chords]; a line of chords only, too
    Verbatim,  // inside a tab or grid section: kept and shown as written, no chords read
    Unreadable,  // a line that could not be read (its error is in Song::errors)
};

enum class SongDirectiveKind {
    Title,
    Subtitle,
    Artist,
    Key,
    Capo,
    Transpose,
    Tempo,
    Comment,  // comment/c and its italic and boxed forms: shown with the song
    SectionStart,  // start_of_chorus/soc and the like
    SectionEnd,
    Define,
    Other,  // any directive the reader does not know: kept as written
};

enum class SongSection { None, Chorus, Verse, Bridge, Tab, Grid, Other };

struct SongDirective {
    SongDirectiveKind kind = SongDirectiveKind::Other;
    std::string name;  // lower case, as written ("soc" stays "soc")
    std::string value;  // without the spaces around it
    // Where the value stands in the line's text, so that a new value replaces only it.
    std::size_t valueStart = 0;
    std::size_t valueLength = 0;
};

struct SongLine {
    SongLineKind kind = SongLineKind::Blank;
    std::string text;  // the line's bytes as read, without its line end
    std::string ending;  // "\n", "\r\n", or "" for a last line without one
    // The section the line lies in; a section's start and end directives lie in it too.
    SongSection section = SongSection::None;
    std::string sectionLabel;  // the start directive's value ("Intro" of {sop: Intro}), or ""
    SongDirective directive;  // for Directive lines
    std::string lyrics;  // for Lyrics lines: the text without the bracketed chords
    std::vector<SongChord> chords;  // for Lyrics lines, in the order written
};

struct Song {
    std::string byteOrderMark;  // the UTF-8 mark the file began with, or ""
    std::vector<SongLine> lines;
    std::vector<ChordProError> errors;  // the lines that could not be read, by number from 1

    // The first value of each header directive; "" (or 0) when the song has none.
    std::string title;
    std::string subtitle;
    std::string artist;
    std::string key;
    std::string tempo;
    int capo = 0;
    int transpose = 0;

    // The user's own {define} lines, in file order; they win over chosen voicings.
    std::vector<ChordShape> defines;
    // The defines the program wrote for the voicings it chose (see SetChosenDefines).
    std::vector<ChordShape> chosenDefines;
};

// The highest capo and the widest {transpose} a song may give.
inline constexpr int kMaxSongCapo = 24;
inline constexpr int kMaxSongTranspose = 48;

// The comment lines around the block of defines the program writes for chosen voicings: the
// defines between them are the program's, and are replaced when it saves again.
inline constexpr std::string_view kChosenDefinesMarker =
    "# Chord shapes chosen by Guivarna; replaced when it saves the song";
inline constexpr std::string_view kChosenDefinesEnd = "# End of the chosen chord shapes";

// The chord symbols of the song as played: every readable chord, in order (trimmed).
std::vector<std::string> SongChordSequence(const Song& song);

// Every readable chord symbol once, in the order of first use (trimmed).
std::vector<std::string> SongChordsInOrderOfFirstUse(const Song& song);

// The user's own define for a chord symbol (compared trimmed), or nullptr.
const ChordShape* UserDefine(const Song& song, std::string_view symbol);

// The symbol without the spaces around it.
std::string_view TrimmedSymbol(std::string_view symbol);

}  // namespace guivarna::theory
