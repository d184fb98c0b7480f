#include "theory/song/song_reader.h"
#include "theory/song/song_writer.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

TEST(SongReader, ReadsEveryHeaderDirectiveAndItsShortForm)
{
    struct Case {
        std::string text;
        SongDirectiveKind kind;
        std::string Song::*field;  // nullptr: capo or transpose, checked by number
        std::string value;
    };
    const std::vector<Case> cases = {
        {"{title: Dust}", SongDirectiveKind::Title, &Song::title, "Dust"},
        {"{t:Dust}", SongDirectiveKind::Title, &Song::title, "Dust"},
        {"{subtitle: live}", SongDirectiveKind::Subtitle, &Song::subtitle, "live"},
        {"{st: live}", SongDirectiveKind::Subtitle, &Song::subtitle, "live"},
        {"{artist: The Band}", SongDirectiveKind::Artist, &Song::artist, "The Band"},
        {"{key: F#m}", SongDirectiveKind::Key, &Song::key, "F#m"},
        {"{ KEY : Bb }", SongDirectiveKind::Key, &Song::key, "Bb"},
        {"{tempo: 96}", SongDirectiveKind::Tempo, &Song::tempo, "96"},
        {"{capo: 3}", SongDirectiveKind::Capo, nullptr, "3"},
        {"{transpose: -2}", SongDirectiveKind::Transpose, nullptr, "-2"},
        {"{comment: slowly}", SongDirectiveKind::Comment, nullptr, "slowly"},
        {"{c: slowly}", SongDirectiveKind::Comment, nullptr, "slowly"},
        {"{ci: slowly}", SongDirectiveKind::Comment, nullptr, "slowly"},
        {"{album: Roads}", SongDirectiveKind::Other, nullptr, "Roads"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Song song = ReadSong(c.text);
        ASSERT_EQ(song.lines.size(), 1u);
        EXPECT_TRUE(song.errors.empty());
        const SongLine& line = song.lines[0];
        EXPECT_EQ(line.kind, SongLineKind::Directive);
        EXPECT_EQ(line.directive.kind, c.kind);
        EXPECT_EQ(line.directive.value, c.value);
        EXPECT_EQ(line.text.substr(line.directive.valueStart, line.directive.valueLength), c.value);
        if (c.field != nullptr) {
            EXPECT_EQ(song.*c.field, c.value);
        }
    }
    EXPECT_EQ(ReadSong("{capo: 3}").capo, 3);
    EXPECT_EQ(ReadSong("{transpose: -2}").transpose, -2);
}

TEST(SongReader, MarksSectionsAndTheirLines)
{
    const Song song = ReadSong(
        "{soc}\n[C]la\n{eoc}\n{start_of_verse: Verse 2}\nla\n{eov}\n{sob}\nla\n{end_of_bridge}\n"
        "{sop: Intro}\n[G]\n{eop}\n{sot}\ne|--[0]--|\n{c: not a directive in a tab}\n{eot}\nout\n");
    ASSERT_TRUE(song.errors.empty());
    struct Expected {
        std::size_t line;
        SongSection section;
        std::string label;
        SongLineKind kind;
    };
    const std::vector<Expected> expected = {
        {0, SongSection::Chorus, "", SongLineKind::Directive},
        {1, SongSection::Chorus, "", SongLineKind::Lyrics},
        {2, SongSection::Chorus, "", SongLineKind::Directive},
        {3, SongSection::Verse, "Verse 2", SongLineKind::Directive},
        {4, SongSection::Verse, "Verse 2", SongLineKind::Lyrics},
        {7, SongSection::Bridge, "", SongLineKind::Lyrics},
        {10, SongSection::Other, "Intro", SongLineKind::Lyrics},
        // In a tab, brackets and braces are the tab's own.
        {13, SongSection::Tab, "", SongLineKind::Verbatim},
        {14, SongSection::Tab, "", SongLineKind::Verbatim},
        {15, SongSection::Tab, "", SongLineKind::Directive},
        {16, SongSection::None, "", SongLineKind::Lyrics},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.line);
        const SongLine& line = song.lines[e.line];
        EXPECT_EQ(line.section, e.section);
        EXPECT_EQ(line.sectionLabel, e.label);
        EXPECT_EQ(line.kind, e.kind);
    }
    EXPECT_EQ(song.lines[0].directive.kind, SongDirectiveKind::SectionStart);
    EXPECT_EQ(song.lines[11].directive.kind, SongDirectiveKind::SectionEnd);
    EXPECT_TRUE(song.lines[13].chords.empty());
}

TEST(SongReader, InlineChordsKeepTheirSyllable)
{
    struct Case {
        std::string text;
        std::string lyrics;
        std::vector<SongChord> chords;
    };
    const std::vector<Case> cases = {
        {"[G]Amazing grace", "Amazing grace", {{"G", 0, true}}},
        {"A[D]ma[G/B]zing", "Amazing", {{"D", 1, true}, {"G/B", 3, true}}},
        {"grace[C]", "grace", {{"C", 5, true}}},
        {"[G]      [C]", "      ", {{"G", 0, true}, {"C", 6, true}}},
        {"[Am][Em7]", "", {{"Am", 0, true}, {"Em7", 0, true}}},
        {"[N.C.]stop [Solo] [Cmja7] [G5] [ D ]", "stop    ",
            {{"N.C.", 0, false}, {"Solo", 5, false}, {"Cmja7", 6, false}, {"G5", 7, true},
                {" D ", 8, true}}},
        {"\xC3\xA9t[E]\xC3\xA9", "\xC3\xA9t\xC3\xA9", {{"E", 3, true}}},
        {"[]x ]", "x ]", {{"", 0, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Song song = ReadSong(c.text);
        ASSERT_EQ(song.lines.size(), 1u);
        EXPECT_TRUE(song.errors.empty());
        EXPECT_EQ(song.lines[0].kind, SongLineKind::Lyrics);
        EXPECT_EQ(song.lines[0].lyrics, c.lyrics);
        EXPECT_EQ(song.lines[0].chords, c.chords);
        SongLine rebuilt = song.lines[0];
        SetLyricsText(rebuilt);
        EXPECT_EQ(rebuilt.text, c.text);
    }
}

TEST(SongReader, BadLinesAreNamedAndTheRestLoads)
{
    const Song song = ReadSong("{title: Ok}\n"
                               "{title: unclosed\n"
                               "[G]fine\n"
                               "[G open bracket\n"
                               "{define: G base-fret 1 frets 3 2 zero 0 0 3}\n"
                               "{capo: twelve}\n"
                               "{key: H}\n"
                               "{transpose: 99}\n"
                               "{x_guivarna_tuning: 40 45}\n"
                               "[C]end\n");
    std::vector<int> numbers;
    for (const ChordProError& error : song.errors) {
        numbers.push_back(error.line);
        EXPECT_FALSE(error.message.empty());
    }
    EXPECT_EQ(numbers, (std::vector<int>{2, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(song.title, "Ok");
    EXPECT_EQ(song.capo, 0);
    EXPECT_EQ(song.lines[1].kind, SongLineKind::Unreadable);
    EXPECT_EQ(song.lines[3].kind, SongLineKind::Unreadable);
    EXPECT_EQ(song.lines[9].chords.size(), 1u);
    EXPECT_TRUE(song.defines.empty());
}

TEST(SongReader, UserDefinesAndTheProgramsOwnAreKeptApart)
{
    const std::string marker(kChosenDefinesMarker);
    const Song song = ReadSong("{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
                               "{x_guivarna_tuning: 40 45 50 55 59 64}\n# mine\n" +
        marker + "\n{define: C base-fret 1 frets x 3 2 0 1 0}\n[G]a [C]b [G]c [D]d\n");
    EXPECT_TRUE(song.errors.empty());
    ASSERT_EQ(song.defines.size(), 1u);
    EXPECT_EQ(song.defines[0].name, "G");
    EXPECT_EQ(song.defines[0].tuning, (std::vector<int>{64, 59, 55, 50, 45, 40}));
    ASSERT_EQ(song.chosenDefines.size(), 1u);
    EXPECT_EQ(song.chosenDefines[0].name, "C");
    EXPECT_NE(UserDefine(song, " G "), nullptr);
    EXPECT_EQ(UserDefine(song, "C"), nullptr);
    EXPECT_EQ(SongChordSequence(song), (std::vector<std::string>{"G", "C", "G", "D"}));
    EXPECT_EQ(SongChordsInOrderOfFirstUse(song), (std::vector<std::string>{"G", "C", "D"}));
}

}  // namespace
}  // namespace guivarna::theory
