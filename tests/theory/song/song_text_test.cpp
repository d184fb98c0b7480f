#include "theory/song/song_reader.h"
#include "theory/song/song_text.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

TEST(SongText, EachChordStandsOverItsCharacter)
{
    struct Case {
        std::string line;
        std::string chords;
        std::string lyrics;
    };
    const std::vector<Case> cases = {
        {"[G]Amazing [C]grace", "G       C", "Amazing grace"},
        {"A[Dm7]ma[G]zing", " Dm7 G", "Ama--zing"},
        {"[Am][Em] twice", "Am Em", "    twice"},
        {"word [C] [Dsus4] [G]", "     C Dsus4 G", "word"},
        {"[G]      [C]", "G     C", ""},
        // Columns count characters, not bytes.
        {"\xC3\xA9t\xC3\xA9 [E]l\xC3\xA0", "    E", "\xC3\xA9t\xC3\xA9 l\xC3\xA0"},
        {"  indented [F]   ", "           F", "  indented"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const Song song = ReadSong(c.line);
        const ChordsOverLyrics set = SetChordsOverLyrics(song.lines.at(0));
        EXPECT_EQ(set.chords, c.chords);
        EXPECT_EQ(set.lyrics, c.lyrics);
    }
}

TEST(SongText, SectionsAndCommentsShowReadably)
{
    const Song song = ReadSong("# not shown\n{t: Title}\n{st: Sub}\n{capo: 2}\n{key: Am}\n"
                               "{define: Am base-fret 1 frets x 0 2 2 1 0}\n{x_unknown: hidden}\n"
                               "\n[Am]One\n\n{start_of_chorus}\n[C]Two\n{end_of_chorus}\n"
                               "{chorus}\n{sop: Outro}\n[G]\n{eop}\n{comment: fade}\n\n");
    EXPECT_EQ(SongAsText(song),
        "Title\nSub\nKey: Am   Capo: 2\n\n"
        "Am\nOne\n\n  Chorus:\n  C\n  Two\n(Chorus)\nOutro:\nG\n(fade)\n");
}

}  // namespace
}  // namespace guivarna::theory
