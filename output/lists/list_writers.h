#pragma once

#include "output/lists/result_lists.h"

#include <QString>

#include <string>
#include <vector>

class QIODevice;

namespace guivarna::theory {
class MusicTheory;
}

namespace guivarna::output {

// What the pages show of the current chord: its note names joined by " - " and its
// traditional chord names (none when nothing is selected).
struct CurrentChordText {
    std::string notes;
    std::vector<std::string> names;
};

CurrentChordText CurrentChordOf(const theory::MusicTheory& theory);

// The scale list file: one line per scale, its note names joined by " - ", CR LF line ends,
// ASCII, no header. False when the device refused a write (its errorString() says why).
bool WriteScaleListText(QIODevice& device, const ScaleResults& scales);

// The chord list file: one line per fingering, the string numbers, the frets and the note names
// (each joined by " - ") separated by two tabs, CR LF line ends, ASCII, no header.
bool WriteChordListText(QIODevice& device, const ChordResults& chords);

// The chord list page: XHTML as UTF-16 little-endian without byte-order mark or line breaks,
// the current chord's table, then a table whose five cells (running number, strings, frets,
// notes, melody note) hold one line per fingering.
bool WriteChordListHtml(
    QIODevice& device, const ChordResults& chords, const CurrentChordText& current);

// The index page of an all-chords picture export ("index.htm"), in the same encoding: the
// current chord's table, then one picture per name (name + ".jpg") with two line breaks after it.
bool WriteChordPicturePage(
    QIODevice& device, const CurrentChordText& current, const std::vector<QString>& pictureNames);

}  // namespace guivarna::output
