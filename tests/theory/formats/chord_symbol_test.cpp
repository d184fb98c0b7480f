#include "theory/formats/chord_symbol.h"
#include "theory/notes/chord_naming.h"
#include "theory/notes/music_theory.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

// Every chord the traditional namer can name, on every root: reading the name back gives the
// name's root and a chord named the same way; where the name stands for this chord alone, the
// chord itself. "+" does not say whether the perfect fifth sounds too: it reads without it.
TEST(ChordSymbol, ReadingInvertsTheTraditionalNaming)
{
    for (Note root = 60; root < 72; ++root) {
        for (int mask = 1; mask < 4096; mask += 2) {
            const std::string name = NoteName(root) + ChordSuffixFor(mask, kTraditionalNames);
            const ChordReading reading = ReadChordSymbol(name);
            ASSERT_TRUE(reading) << name << ": " << DescribeReadError(name, reading.error);
            EXPECT_EQ(reading.chord->root, root) << name;
            EXPECT_EQ(ChordSuffixFor(reading.chord->mask, kTraditionalNames),
                ChordSuffixFor(mask, kTraditionalNames))
                << name;
            const bool augmentedWithFifth = (mask & (1 << 8)) && (mask & (1 << 7)) &&
                !((mask & (1 << 3)) && !(mask & (1 << 4)));
            EXPECT_EQ(reading.chord->mask, augmentedWithFifth ? mask & ~(1 << 7) : mask) << name;
        }
    }
}

TEST(ChordSymbol, ReadsTheSpellingsPlayersType)
{
    struct Case {
        const char* symbol;
        const char* notes;
    };
    const Case cases[] = {
        {"Cmaj7", "C - E - G - B"},
        {"CM7", "C - E - G - B"},
        {"C\u03947", "C - E - G - B"},
        {"C\u0394", "C - E - G - B"},
        {"C^7", "C - E - G - B"},
        {"Cm7", "C - Eb - G - Bb"},
        {"Cmin7", "C - Eb - G - Bb"},
        {"C-7", "C - Eb - G - Bb"},
        {"Cdim", "C - Eb - Gb"},
        {"Cdim7", "C - Eb - Gb - A"},
        {"C\u00B07", "C - Eb - Gb - A"},
        {"Co7", "C - Eb - Gb - A"},
        {"C\u00BA7", "C - Eb - Gb - Bb"},
        {"Cm7b5", "C - Eb - Gb - Bb"},
        {"C\u00F8", "C - Eb - Gb - Bb"},
        {"Caug", "C - E - Ab"},
        {"C+", "C - E - Ab"},
        {"C5", "C - G"},
        {"C6", "C - E - G - A"},
        {"C6/9", "C - D - E - G - A"},
        {"Cadd9", "C - D - E - G"},
        {"C9", "C - D - E - G - Bb"},
        {"C11", "C - D - E - F - G - Bb"},
        {"C13", "C - D - E - G - A - Bb"},
        {"C7#9", "C - Eb - E - G - Bb"},
        {"C7(b9,#11)", "C - Db - E - Gb - G - Bb"},
        {"C7b5", "C - E - Gb - Bb"},
        {"Csus", "C - F - G"},
        {"Csus2", "C - D - G"},
        {"C7sus4", "C - F - G - Bb"},
        {"CmMaj7", "C - Eb - G - B"},
        {"F#m7", "Gb - A - Db - E"},
        {"Bbmaj7", "Bb - D - F - A"},
        {"B\u266Dmaj7", "Bb - D - F - A"},
        {"Ebm", "Eb - Gb - Bb"},
        {"C/E", "C - E - G"},
        {"C/Bb", "C - E - G - Bb"},
        {"Am/F#", "A - C - E - Gb"},
        {"  G7b9 ", "G - Ab - B - D - F"},
    };
    for (const Case& c : cases) {
        const ChordReading reading = ReadChordSymbol(c.symbol);
        ASSERT_TRUE(reading) << c.symbol << ": " << DescribeReadError(c.symbol, reading.error);
        EXPECT_EQ(ChordNotesText(*reading.chord), c.notes) << c.symbol;
    }
}

TEST(ChordSymbol, KeepsTheSlashBass)
{
    const std::pair<const char*, PitchClass> cases[] = {
        {"C/E", 4}, {"C/Bb", 10}, {"Am/F#", 6}, {"C6/9", kNoPitchClass}, {"C", kNoPitchClass}};
    for (const auto& [symbol, bass] : cases) {
        const ChordReading reading = ReadChordSymbol(symbol);
        ASSERT_TRUE(reading) << symbol;
        EXPECT_EQ(reading.chord->bass, bass) << symbol;
    }
}

TEST(ChordSymbol, ErrorsNameTheFirstUnreadableCharacter)
{
    struct Case {
        const char* symbol;
        std::size_t position;
    };
    const Case cases[] = {
        {"", 0},
        {"   ", 3},
        {"H7", 0},
        {"c", 0},
        {"Cx", 1},
        {"Cmaj7x", 5},
        {"C7(b9", 5},
        {"C7)", 2},
        {"C((9))", 2},
        {"Cmm7", 2},
        {"C8", 1},
        {"C7#", 3},
        {"C/", 2},
        {"C/E7", 3},
        {"Cno 4", 1},
        {"Csus3", 4},
        {"\u0394C", 0},
        {"C\u03947q", 3},
        {"C79", 1},
    };
    for (const Case& c : cases) {
        const ChordReading reading = ReadChordSymbol(c.symbol);
        ASSERT_FALSE(reading) << c.symbol;
        EXPECT_EQ(reading.error.position, c.position) << c.symbol << ": " << reading.error.reason;
        EXPECT_FALSE(reading.error.reason.empty());
    }
}

}  // namespace
}  // namespace guivarna::theory
