#include "theory/notes/marked_chord.h"

#include "theory/notes/instrument_limits.h"
#include "theory/notes/music_theory.h"
#include "theory/notes/notes.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace guivarna::theory {
namespace {

const std::vector<Note> kDropD = {64, 59, 55, 50, 45, 38};

// A shape as players write it, lowest string first ("x32010"), as frets string 1 first.
std::vector<std::optional<Note>> Shape(const std::string& lowestFirst)
{
    std::vector<std::optional<Note>> frets;
    for (auto it = lowestFirst.rbegin(); it != lowestFirst.rend(); ++it) {
        if (*it == 'x')
            frets.push_back(std::nullopt);
        else
            frets.push_back(static_cast<Note>(*it - '0'));
    }
    return frets;
}

TEST(MarkedChord, ShapesOnStandardAndDropDBecomeTheirChords)
{
    struct Case {
        const char* what;
        std::vector<Note> tuning;
        std::string shape;
        std::string notes;  // as the panel shows them, root first
        std::string firstName;
    };
    const std::vector<Case> cases = {
        {"C major", StandardTuning(), "x32010", "C - E - G", "C"},
        {"E major", StandardTuning(), "022100", "E - B - Ab", "E"},
        {"A minor", StandardTuning(), "x02210", "A - E - C", "A-"},
        {"one note", StandardTuning(), "xxxxx3", "G", "G (no 3, no 5)"},
        {"open strings", StandardTuning(), "000000", "E - A - D - G - B", "E-7, 11"},
        {"repeated classes", StandardTuning(), "320003", "G - B - D", "G"},
        {"C major, low string unused", kDropD, "x32010", "C - E - G", "C"},
        {"E shape over the low D", kDropD, "022100", "D - B - E - Ab", "Dsus2(#4)(6) (no 5)"},
        {"A minor", kDropD, "x02210", "A - E - C", "A-"},
        {"open strings", kDropD, "000000", "D - A - G - B - E", "Dadd2sus4(6)"},
        {"power chord", kDropD, "000xxx", "D - A", "D (no 3)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + c.shape);
        const std::vector<Note> notes =
            ChordNotesFromPitches(PitchesFromFrets(c.tuning, Shape(c.shape)));
        MusicTheory theory;
        ASSERT_TRUE(LoadChordNotes(theory, notes));
        EXPECT_EQ(JoinNoteNames(theory.GetNotes(true)), c.notes);
        EXPECT_EQ(theory.GetRootName(), NoteName(notes.front()));
        const std::vector<std::string> names = theory.SuggestChordNames(kTraditionalNames);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.front(), c.firstName);
    }
}

TEST(MarkedChord, NotesFollowTheLowestSoundingPitchNotTheMarkOrder)
{
    // The same pitch classes in another register give another root.
    EXPECT_EQ(ChordNotesFromPitches({64, 55, 48}), (std::vector<Note>{60, 67, 64}));
    EXPECT_EQ(ChordNotesFromPitches({64, 55, 60}), (std::vector<Note>{67, 60, 64}));
    // Pitch numbers below 60 and above 71 fold into the classes 60..71.
    EXPECT_EQ(ChordNotesFromPitches({0, 11, 12, 100}), (std::vector<Note>{60, 71, 64}));
    EXPECT_TRUE(ChordNotesFromPitches({}).empty());
}

TEST(MarkedChord, NoNotesLeaveTheCurrentChordAlone)
{
    MusicTheory theory;
    ASSERT_TRUE(LoadChordNotes(theory, {67, 71, 62}));
    EXPECT_FALSE(LoadChordNotes(theory, {}));
    EXPECT_EQ(theory.FormatNotes(), "G - B - D");
    EXPECT_EQ(theory.GetRootName(), "G");
}

TEST(MarkedChord, FretsMustMatchTheStrings)
{
    EXPECT_THROW(PitchesFromFrets(StandardTuning(), Shape("x3201")), std::invalid_argument);
    EXPECT_TRUE(PitchesFromFrets(StandardTuning(), Shape("xxxxxx")).empty());
    EXPECT_EQ(PitchesFromFrets({40}, Shape("9")), (std::vector<Note>{49}));
}

}  // namespace
}  // namespace guivarna::theory
