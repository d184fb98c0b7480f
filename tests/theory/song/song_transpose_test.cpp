#include "theory/song/song_reader.h"
#include "theory/song/song_transpose.h"
#include "theory/song/song_writer.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

TEST(SongTranspose, SymbolsKeepTheirQualitySpelling)
{
    struct Case {
        std::string symbol;
        int semitones;
        bool flats;
        std::string moved;
    };
    const std::vector<Case> cases = {
        {"C", 2, false, "D"},
        {"Cm7", 1, false, "C#m7"},
        {"Cm7", 1, true, "Dbm7"},
        {"C-7", 3, true, "Eb-7"},
        {"Fmaj7", 1, false, "F#maj7"},
        {"Bb/D", 2, false, "C/E"},
        {"Am/G", -2, true, "Gm/F"},
        {"C6/9", 2, false, "D6/9"},
        {"G5", 5, false, "C5"},
        {"F#m7b5", 1, true, "Gm7b5"},
        {" A7 ", 1, true, " Bb7 "},
        {"E\u266D7", 2, false, "F7"},
        {"E\u266D7", 1, false, "E7"},
        {"D\u266D", 1, false, "D"},
        {"D\u266D", 2, false, "D\u266F"},
        {"B", 1, false, "C"},
        {"N.C.", 3, false, "N.C."},
        {"Cmja7", 3, false, "Cmja7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol + " by " + std::to_string(c.semitones));
        EXPECT_EQ(TransposedSymbol(c.symbol, c.semitones, c.flats), c.moved);
    }
}

TEST(SongTranspose, TheKeyComesFromKeyElseTheFirstChord)
{
    EXPECT_EQ(KeyOfSong(ReadSong("{key: Eb}\n[Cm]a\n")), (SongKey{3, false}));
    EXPECT_EQ(KeyOfSong(ReadSong("{key: H}\n[N.C.]a [Em7]b [G]c\n")), (SongKey{4, true}));
    EXPECT_EQ(KeyOfSong(ReadSong("[Asus4]a\n")), (SongKey{9, false}));
    EXPECT_EQ(KeyOfSong(ReadSong("[Solo]a\n")), std::nullopt);
}

// The chords of a song in every key: sharps in the sharp keys, flats in the flat ones.
TEST(SongTranspose, RespellsForEveryKeyAndComesBack)
{
    const std::string text = "{title: Round}\n{key: C}\n[C]one [Am7]two [F/A]three [G7]four "
                             "[Bb]five [Eb/G]six [N.C.]\n";
    // The key, then the song's chords, after moving up from C by 0..11 semitones.
    const std::vector<std::string> keys = {
        "C: C Am7 F/A G7 Bb Eb/G",
        "Db: Db Bbm7 Gb/Bb Ab7 B E/Ab",
        "D: D Bm7 G/B A7 C F/A",
        "Eb: Eb Cm7 Ab/C Bb7 Db Gb/Bb",
        "E: E C#m7 A/C# B7 D G/B",
        "F: F Dm7 Bb/D C7 Eb Ab/C",
        "F#: F# D#m7 B/D# C#7 E A/C#",
        "G: G Em7 C/E D7 F A#/D",
        "Ab: Ab Fm7 Db/F Eb7 Gb B/Eb",
        "A: A F#m7 D/F# E7 G C/E",
        "Bb: Bb Gm7 Eb/G F7 Ab Db/F",
        "B: B G#m7 E/G# F#7 A D/F#",
    };
    const Song original = ReadSong(text);
    for (int n = 0; n < 12; ++n) {
        for (const int up : {n, n - 12}) {
            SCOPED_TRACE(up);
            Song song = original;
            TransposeSong(song, up);
            std::string seen = song.key + ":";
            for (const std::string& chord : SongChordSequence(song))
                seen += " " + chord;
            EXPECT_EQ(seen, keys[static_cast<std::size_t>(n)]);
            EXPECT_EQ(song.lines[2].chords.back().symbol, "N.C.");
            // Saved and read again, it is the same song; moved back, the original bytes.
            Song saved = ReadSong(WriteSong(song));
            EXPECT_EQ(SongChordSequence(saved), SongChordSequence(song));
            TransposeSong(saved, -up);
            EXPECT_EQ(WriteSong(saved), text);
        }
    }
}

TEST(SongTranspose, KeysKeepTheirOwnSuffix)
{
    struct Case {
        std::string key;
        int semitones;
        std::string moved;
    };
    const std::vector<Case> cases = {
        {"A minor", 2, "B minor"},
        {"Am", 1, "Bbm"},
        {"Em", 1, "Fm"},
        {"Em", -1, "Ebm"},
        {"C#m", 7, "G#m"},
        {"F", 1, "F#"},
        {"B\u266D", 1, "B"},
        {"B\u266D", 3, "D\u266D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Song song = ReadSong("{key: " + c.key + "}\n[C]x\n");
        TransposeSong(song, c.semitones);
        EXPECT_EQ(song.key, c.moved);
        EXPECT_EQ(song.lines[0].text, "{key: " + c.moved + "}");
    }
}

TEST(SongTranspose, ByOctavesChangesNothing)
{
    const std::string text = "{key: F#}\n[Gb]odd [A#m]spelling\n";
    Song song = ReadSong(text);
    TransposeSong(song, 12);
    TransposeSong(song, -24);
    EXPECT_EQ(WriteSong(song), text);
}

}  // namespace
}  // namespace guivarna::theory
