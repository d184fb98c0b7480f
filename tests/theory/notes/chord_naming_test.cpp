#include "theory/notes/chord_naming.h"
#include "theory/notes/music_theory.h"

#include <gtest/gtest.h>

#include <sstream>

namespace guivarna::theory {
namespace {

int MaskOf(std::initializer_list<int> intervals)
{
    int mask = 0;
    for (const int k : intervals)
        mask |= 1 << k;
    return mask;
}

MusicTheory ChordOf(const std::string& root, const std::vector<std::string>& notes)
{
    MusicTheory theory;
    theory.SetRootName(root);
    for (const std::string& note : notes)
        theory.AddNote(note);
    return theory;
}

TEST(ChordNaming, TraditionalAndSemitoneNamesOfCommonChords)
{
    struct Case {
        std::initializer_list<int> intervals;
        const char* traditional;
        const char* semitones;  // nullptr where the table gives none
    };
    const Case cases[] = {
        {{0, 4, 7}, "", " (0, 4, 7)"},
        {{0, 3, 7}, "-", " (0, 3, 7)"},
        {{0, 3, 6}, "\u00BA", nullptr},
        {{0, 3, 6, 10},
            "\u00BA"
            "7",
            nullptr},
        {{0, 4, 8}, "+", nullptr},
        {{0, 4, 7, 10}, "7", nullptr},
        {{0, 4, 7, 11}, "^7", nullptr},
        {{0, 3, 7, 10}, "-7", nullptr},
        {{0, 2, 4, 7, 10}, "9", nullptr},
        {{0, 4, 7, 10, 11}, "7^7", nullptr},
        {{0, 5, 7}, "sus4", nullptr},
        {{0, 2, 7}, "sus2", nullptr},
        {{0, 2, 5, 7}, "add2sus4", nullptr},
        {{0, 5, 7, 10}, "7sus11", nullptr},
        {{0, 2, 4, 7}, "add2", nullptr},
        {{0, 4, 5, 7}, "add4", nullptr},
        {{0, 4, 7, 9}, "(6)", nullptr},
        {{0, 4, 7, 9, 10}, "7, 13", nullptr},
        {{0, 1, 4, 7, 10}, "7b9", nullptr},
        {{0, 3, 4, 7}, "(#2)", nullptr},
        {{0, 4, 6}, "(#4) (no 5)", nullptr},
        {{0, 4}, " (no 5)", " (0, 4)"},
        {{0, 7}, " (no 3)", nullptr},
        {{0}, " (no 3, no 5)", " (0)"},
        {{0, 2, 4, 7, 11}, "^9", nullptr},
        {{0, 2, 4, 7, 10, 11}, "7^9", nullptr},
        {{0, 3, 7, 10, 2}, "-9", nullptr},
        {{0, 3, 6, 9}, "\u00BA(6)", nullptr},
        {{0, 4, 7, 10, 3}, "7#9", nullptr},
        {{0, 4, 7, 10, 6}, "7#11", nullptr},
        {{0, 4, 7, 10, 8}, "+7", nullptr},
        {{0, 3, 7, 10, 8}, "-7b13", nullptr},
        {{0, 4, 7, 10, 5}, "7, 11", nullptr},
        {{0, 8}, "+ (no 3)", nullptr},
        {{0, 2, 10}, "9 (no 3, no 5)", nullptr},
    };
    for (const Case& c : cases) {
        const int mask = MaskOf(c.intervals);
        SCOPED_TRACE(std::string("C") + c.traditional);
        EXPECT_EQ(ChordSuffixFor(mask, kTraditionalNames), c.traditional);
        if (c.semitones) {
            EXPECT_EQ(ChordSuffixFor(mask, kSemitoneNames), c.semitones);
        }
    }
}

TEST(ChordNaming, IntervalListAndUnknownModes)
{
    EXPECT_EQ(ChordSuffixFor(MaskOf({0, 4, 7}), kIntervalNames), " (3, 5)");
    EXPECT_EQ(ChordSuffixFor(MaskOf({0}), kIntervalNames), " ()");
    EXPECT_EQ(ChordSuffixFor(MaskOf({0, 11}), kIntervalNames), " (7)");
    EXPECT_EQ(ChordSuffixFor(MaskOf({0, 1, 11}), kIntervalNames), " (b2, 7)");
    for (const int mode : {2, 4, -1, 99})
        EXPECT_EQ(ChordSuffixFor(MaskOf({0, 4, 7}), mode), "") << "mode " << mode;
}

// Every mask with the root set: the namer never produces broken separators, and the two list
// styles name exactly the intervals of the mask, in ascending order.
TEST(ChordNaming, EveryMaskNamesCleanlyAndListsAgreeWithTheMask)
{
    const char* const intervalNames[] = {
        "", "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"};
    for (int upper = 0; upper < 2048; ++upper) {
        const int mask = 1 | (upper << 1);
        SCOPED_TRACE(mask);
        const std::string traditional = ChordSuffixFor(mask, kTraditionalNames);
        EXPECT_EQ(traditional.find(", ,"), std::string::npos);
        EXPECT_EQ(traditional.find("  "), std::string::npos);
        EXPECT_EQ(traditional.find("()"), std::string::npos);

        std::string expectedIntervals = " (";
        std::string expectedSemitones = " (0";
        bool first = true;
        for (int k = 1; k < 12; ++k) {
            if (!((mask >> k) & 1))
                continue;
            expectedIntervals += (first ? "" : ", ") + std::string(intervalNames[k]);
            expectedSemitones += ", " + std::to_string(k);
            first = false;
        }
        EXPECT_EQ(ChordSuffixFor(mask, kIntervalNames), expectedIntervals + ")");
        EXPECT_EQ(ChordSuffixFor(mask, kSemitoneNames), expectedSemitones + ")");
    }
}

TEST(ChordSuggestions, OneNamePerSelectedNoteInRotationOrder)
{
    const MusicTheory ceg = ChordOf("C", {"C", "E", "G"});
    EXPECT_EQ(ceg.SuggestChordNames(kTraditionalNames),
        (std::vector<std::string>{"C", "E-(b6) (no 5)", "Gsus4(6) (no 5)"}));
    EXPECT_EQ(ceg.SuggestChordNames(kSemitoneNames),
        (std::vector<std::string>{"C (0, 4, 7)", "E (0, 3, 8)", "G (0, 5, 9)"}));
    EXPECT_EQ(ceg.SuggestChordNames(2), (std::vector<std::string>{"C", "E", "G"}));

    const MusicTheory ace = ChordOf("A", {"A", "C", "E"});
    const std::vector<std::string> names = ace.SuggestChordNames(kTraditionalNames);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "A-");
    EXPECT_EQ(names[1].substr(0, 1), "C");
    EXPECT_EQ(names[2].substr(0, 1), "E");

    EXPECT_TRUE(MusicTheory().SuggestChordNames(kTraditionalNames).empty());
}

TEST(ChordSuggestions, CountEqualsSelectedNotesForEveryMask)
{
    MusicTheory theory;
    theory.SetRootName("Eb");
    for (int mask = 1; mask < 4096; ++mask) {
        theory.SetMask(mask);
        EXPECT_EQ(theory.SuggestChordNames(kSemitoneNames).size(), theory.GetNotes(false).size())
            << mask;
    }
}

}  // namespace
}  // namespace guivarna::theory
