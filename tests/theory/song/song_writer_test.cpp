#include "theory/notes/instrument_limits.h"
#include "theory/song/song_reader.h"
#include "theory/song/song_writer.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

ChordShape Shape(std::vector<int> fretsHighFirst, const std::string& name)
{
    const std::vector<int> tuning(kStandardTuningNotes.begin(), kStandardTuningNotes.end());
    return ShapeFromFrets(fretsHighFirst, tuning, name);
}

TEST(SongWriter, AnUntouchedSongGivesBackItsBytes)
{
    const std::vector<std::string> inputs = {
        "",
        "\n",
        "\n\n\n",
        "no final line end",
        "{title: T}\r\n[G]a\r\n",
        "{title: T}\r\n[G]a\n mixed \r\n",
        "\xEF\xBB\xBF{title: with a mark}\n",
        "\xEF\xBB\xBF",
        "trailing spaces   \t\n\t\n",
        "lone \r carriage\r",
        "{t: broken\n[G unclosed\n{define: X frets}\n",
        std::string("nul \0 byte\n", 11),
        "\xFF\xFE not utf-8 [\xC3]\n",
        "{soc}\n[C]la\n{eoc}\n{sot}\n[x] {tab\n{eot}\n",
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(testing::PrintToString(input));
        EXPECT_EQ(WriteSong(ReadSong(input)), input);
    }
}

TEST(SongWriter, CapoAndKeyRewriteOnlyTheirValue)
{
    struct Case {
        std::string input;
        int capo;
        std::string key;
        std::string output;
    };
    const std::vector<Case> cases = {
        {"{title: T}\n{capo:2}\n{key: G}\n[G]a\n", 5, "A",
            "{title: T}\n{capo:5}\n{key: A}\n[G]a\n"},
        // Without the lines, after the header, in the file's line ends.
        {"{title: T}\r\n{artist: A}\r\n\r\n[G]a\r\n", 3, "G",
            "{title: T}\r\n{artist: A}\r\n{capo: 3}\r\n{key: G}\r\n\r\n[G]a\r\n"},
        // Capo 0 and no key add nothing.
        {"[G]a", 0, "", "[G]a"},
        // A file of header only, without a final line end, still ends without one.
        {"{title: T}", 2, "", "{title: T}\n{capo: 2}"},
        // A bad capo value is replaced.
        {"{capo: two}\n", 1, "", "{capo: 1}\n"},
        {"{capo}\n", 4, "", "{capo: 4}\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Song song = ReadSong(c.input);
        SetSongCapo(song, c.capo);
        SetSongKey(song, c.key);
        EXPECT_EQ(WriteSong(song), c.output);
        EXPECT_EQ(song.capo, c.capo);
        EXPECT_TRUE(song.errors.empty());
        const Song again = ReadSong(c.output);
        EXPECT_EQ(again.capo, c.capo);
        EXPECT_EQ(again.key, c.key);
    }
}

TEST(SongWriter, ChosenDefinesReplaceTheEarlierBlockAndTheUsersWin)
{
    const std::string userG = "{define: G base-fret 1 frets 3 2 0 0 0 3}";
    Song song = ReadSong("{title: T}\n" + userG + "\n[G]a [C]b [Am]c\n");
    const std::vector<ChordShape> chosen = {Shape({3, 0, 0, 0, 2, 3}, "G"),
        Shape({0, 1, 0, 2, 3, -1}, "C"), Shape({0, 1, 2, 2, 0, -1}, "Am")};
    SetChosenDefines(song, chosen);
    const std::string block = std::string(kChosenDefinesMarker) + "\n" + ChordProDefine(chosen[1]) +
        "\n" + ChordProDefine(chosen[2]) + "\n" + std::string(kChosenDefinesEnd) + "\n";
    EXPECT_EQ(WriteSong(song), "{title: T}\n" + block + userG + "\n[G]a [C]b [Am]c\n");
    ASSERT_EQ(song.chosenDefines.size(), 2u);

    // Saved and read again, the block is the program's and is replaced, not added to.
    Song again = ReadSong(WriteSong(song));
    EXPECT_EQ(again.defines.size(), 1u);
    EXPECT_EQ(again.chosenDefines.size(), 2u);
    const std::vector<ChordShape> other = {Shape({0, 1, 0, 2, 3, -1}, "C")};
    SetChosenDefines(again, other);
    EXPECT_EQ(WriteSong(again),
        "{title: T}\n" + std::string(kChosenDefinesMarker) + "\n" + ChordProDefine(other[0]) +
            "\n" + std::string(kChosenDefinesEnd) + "\n" + userG + "\n[G]a [C]b [Am]c\n");
    SetChosenDefines(again, {});
    EXPECT_EQ(WriteSong(again), "{title: T}\n" + userG + "\n[G]a [C]b [Am]c\n");
}

TEST(SongWriter, ErrorNumbersFollowTheirLinesWhenLinesAreAdded)
{
    Song song = ReadSong("{title: T}\n[G oops\n");
    ASSERT_EQ(song.errors.size(), 1u);
    SetSongCapo(song, 2);
    ASSERT_EQ(song.errors.size(), 1u);
    EXPECT_EQ(song.errors[0].line, 3);
    EXPECT_EQ(song.lines[2].kind, SongLineKind::Unreadable);
}

}  // namespace
}  // namespace guivarna::theory
