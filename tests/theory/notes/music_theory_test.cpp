#include "theory/notes/music_theory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace guivarna::theory {
namespace {

// Loads a chord the way the chord wizard does.
MusicTheory ChordOf(const std::string& root, const std::vector<std::string>& notes)
{
    MusicTheory theory;
    theory.ClearSelection();
    theory.SetRootName(root);
    for (const std::string& note : notes)
        theory.AddNote(note);
    return theory;
}

TEST(MusicTheory, StartsWithoutRootOrSelection)
{
    const MusicTheory theory;
    EXPECT_EQ(theory.GetRootNumber(), -1);
    EXPECT_EQ(theory.GetRootName(), "");
    EXPECT_FALSE(theory.HasSelection());
    EXPECT_EQ(theory.FormatNotes(), "");
    EXPECT_EQ(theory.RunLimit(), 12);
}

TEST(MusicTheory, RootBySetNameAndByNumber)
{
    MusicTheory theory;
    EXPECT_EQ(theory.SetRootName("Ab"), 68);
    EXPECT_EQ(theory.GetRootName(), "Ab");
    EXPECT_EQ(theory.SetRootName("G#"), static_cast<int>(kUnknown));
    EXPECT_EQ(theory.GetRootName(), "G#");
    theory.SetRootNumber(74);
    EXPECT_EQ(theory.GetRootNumber(), 74);
    EXPECT_EQ(theory.GetRootName(), "D");
}

TEST(MusicTheory, SelectedNotesFollowTheMaskFromTheRoot)
{
    struct Case {
        const char* root;
        std::vector<std::string> notes;
        std::vector<Note> expected;
        const char* formatted;
        int mask;
    };
    const Case cases[] = {
        {"D", {"D", "Gb", "A"}, {62, 66, 69}, "D - Gb - A", 0x091},
        {"A", {"A", "C"}, {69, 60}, "A - C", 0x009},
        {"C", {"G", "E", "C"}, {60, 64, 67}, "C - E - G", 0x091},
        {"B", {"B", "B"}, {71}, "B", 0x001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formatted);
        const MusicTheory theory = ChordOf(c.root, c.notes);
        EXPECT_EQ(theory.GetNotes(false), c.expected);
        EXPECT_EQ(theory.FormatNotes(), c.formatted);
        EXPECT_EQ(theory.GetMask(), c.mask);
        EXPECT_TRUE(theory.HasSelection());
    }
}

TEST(MusicTheory, ExplicitNotesKeepTheOrderAndRepeatsOfAdding)
{
    const MusicTheory theory = ChordOf("C", {"G", "C", "E", "G"});
    EXPECT_EQ(theory.GetNotes(true), (std::vector<Note>{67, 60, 64, 67}));
}

TEST(MusicTheory, ClearSelectionKeepsTheRoot)
{
    MusicTheory theory = ChordOf("E", {"E", "Ab", "B"});
    theory.ClearSelection();
    EXPECT_FALSE(theory.HasSelection());
    EXPECT_TRUE(theory.GetNotes(true).empty());
    EXPECT_EQ(theory.GetRootName(), "E");
    EXPECT_EQ(theory.GetRootNumber(), 64);
}

TEST(MusicTheory, LoadChordReplacesThePreviousChordByNamesOrNumbers)
{
    MusicTheory byNames = ChordOf("E", {"E", "Ab", "B"});
    byNames.LoadChord("C", std::vector<std::string>{"G", "C", "E"});
    EXPECT_EQ(byNames.GetRootName(), "C");
    EXPECT_EQ(byNames.GetNotes(true), (std::vector<Note>{67, 60, 64}));
    EXPECT_EQ(byNames.GetNotes(false), (std::vector<Note>{60, 64, 67}));

    MusicTheory byNumbers = ChordOf("D", {"D"});
    byNumbers.LoadChord("C", std::vector<Note>{67, 60, 64});
    EXPECT_EQ(byNumbers.GetNotes(true), byNames.GetNotes(true));
    EXPECT_EQ(byNumbers.GetMask(), byNames.GetMask());
}

TEST(MusicTheory, SetNoteAndMaskBits)
{
    MusicTheory theory;
    theory.SetRootName("C");
    theory.SetNote("E", true);
    theory.SetNote("Bb", true);
    EXPECT_EQ(theory.GetMask(), (1 << 4) | (1 << 10));
    theory.SetNote("E", false);
    EXPECT_EQ(theory.GetMask(), 1 << 10);
    theory.SetMaskBits(0x3, true);
    EXPECT_EQ(theory.GetMask(), 0x403);
    theory.SetMaskBits(0x403, false);
    EXPECT_EQ(theory.GetMask(), 0);
    theory.SetMaskBits(0x1, false);  // clearing an empty mask leaves it empty
    EXPECT_EQ(theory.GetMask(), 0);
}

TEST(MusicTheory, SetNoteWithoutRootOrWithUnknownNameStillPicksABit)
{
    MusicTheory noRoot;
    noRoot.SetNote("C", true);  // (60 - (-1) + 12) mod 12 = 1
    EXPECT_EQ(noRoot.GetMask(), 1 << 1);

    MusicTheory unknown;
    unknown.SetRootName("C");
    unknown.SetNote("H", true);  // (999999 - 60 + 12) mod 12 = 3
    EXPECT_EQ(unknown.GetMask(), 1 << 3);
}

TEST(SemitoneRun, WorkedExamples)
{
    struct Case {
        std::vector<Note> notes;
        int limit;
        bool within;
    };
    const Case cases[] = {
        {{60, 61, 62, 64}, 2, true},
        {{60, 61, 62, 63}, 2, false},
        {{60, 61, 70, 71}, 2, false},  // Bb B C Db across the wrap
        {{60, 62, 64, 65, 67, 69, 71}, 2, true},
        {{60, 62, 64, 65, 67, 69, 71}, 0, false},
        {{60, 62, 64, 66, 68, 70}, 0, true},
        {{60, 61}, 4, false},
        {{60, 61}, 5, true},
        {{60}, 12, false},
        {{}, 12, false},
        {{60, 61, 62}, -1, false},
        {{60, 61, 62}, -2, true},
        {{70, 71, 60}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.notes) + " limit " + std::to_string(c.limit));
        EXPECT_EQ(MusicTheory::WithinSemitoneRun(c.notes, c.limit), c.within);
    }
}

TEST(SemitoneRun, OnlyTheFullChromaticCircleFailsTheDefaultLimit)
{
    std::vector<Note> all;
    for (Note n = 60; n <= 71; ++n)
        all.push_back(n);
    const MusicTheory theory;
    EXPECT_FALSE(theory.WithinSemitoneRun(all));
    for (std::size_t drop = 0; drop < all.size(); ++drop) {
        std::vector<Note> eleven = all;
        eleven.erase(eleven.begin() + static_cast<std::ptrdiff_t>(drop));
        EXPECT_TRUE(theory.WithinSemitoneRun(eleven)) << "without " << all[drop];
    }
}

TEST(NotePermutation, ThreeDistinctNotesGiveSixOrdersThenStartOver)
{
    MusicTheory theory;
    const std::vector<Note> notes = {67, 60, 64};
    std::vector<std::vector<Note>> seen;
    std::vector<Note> out;
    int calls = 0;
    bool more = true;
    while (more) {
        more = theory.NextNotePermutation(notes, out);
        seen.push_back(out);
        ++calls;
        ASSERT_LE(calls, 6);
    }
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(seen.front(), (std::vector<Note>{60, 64, 67}));
    EXPECT_EQ(seen.back(), (std::vector<Note>{67, 64, 60}));
    EXPECT_EQ(std::set<std::vector<Note>>(seen.begin(), seen.end()).size(), 6u);

    // The sequence was exhausted, so the next call begins again from the ascending order.
    EXPECT_TRUE(theory.NextNotePermutation(notes, out));
    EXPECT_EQ(out, (std::vector<Note>{60, 64, 67}));
}

TEST(NotePermutation, RepeatedNotesAreNotArrangedTwice)
{
    MusicTheory theory;
    std::vector<Note> out;
    int calls = 1;
    while (theory.NextNotePermutation({60, 60, 67}, out))
        ++calls;
    EXPECT_EQ(calls, 3);
}

TEST(NotePermutation, OrdersFailingTheDefaultRunTestLeaveTheOutputAsItWas)
{
    MusicTheory theory;
    std::vector<Note> chromatic;
    for (Note n = 60; n <= 71; ++n)
        chromatic.push_back(n);
    std::vector<Note> out = {1};
    // Ascending, the twelve notes are a full circle of semitone steps: out keeps its contents.
    EXPECT_TRUE(theory.NextNotePermutation(chromatic, out));
    EXPECT_EQ(out, std::vector<Note>{1});
    // The next order ends in B, Bb, which breaks the circle.
    EXPECT_TRUE(theory.NextNotePermutation(chromatic, out));
    EXPECT_EQ(out, (std::vector<Note>{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 71, 70}));
}

TEST(NotePermutation, AnAbandonedSequenceContinuesWhereItStopped)
{
    MusicTheory theory;
    std::vector<Note> out;
    theory.NextNotePermutation({60, 64, 67}, out);
    theory.NextNotePermutation({60, 64, 67}, out);
    EXPECT_EQ(out, (std::vector<Note>{60, 67, 64}));
    theory.NextNotePermutation({62, 65}, out);  // the working array is still the old chord's
    EXPECT_EQ(out, (std::vector<Note>{64, 60, 67}));

    MusicTheory fresh;  // a fresh instance has its own stepper
    fresh.NextNotePermutation({62, 65}, out);
    EXPECT_EQ(out, (std::vector<Note>{62, 65}));
}

}  // namespace
}  // namespace guivarna::theory
