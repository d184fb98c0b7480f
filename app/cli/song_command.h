#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli song FILE [--transpose N] [--capo N|best] [--tuning ...] [--text] [--pdf OUT]
//                   [--png OUT --dpi N] [--chordpro OUT]
// Reads a ChordPro song, moves it by --transpose semitones, sets its capo, and prints it as
// chords over lyrics (--text), writes it back (--chordpro) or draws its songbook page (--pdf,
// --png; the diagrams from the song's own defines). Each line it could not read is
// named on stderr as "line N: why"; the rest is still processed, and the status is then 1.
int RunSongCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
