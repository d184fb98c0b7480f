#include "theory/hand/scale_fingering.h"

#include "theory/notes/instrument.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/scale_catalogue.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

namespace guivarna::theory {
namespace {

const std::vector<Note> kSevenString{64, 59, 55, 50, 45, 40, 35};
const std::vector<Note> kUkulele{69, 64, 60, 67};

ScaleToFinger Named(const char* name, const char* root)
{
    const ScaleType* scale = FindScale(name);
    EXPECT_NE(scale, nullptr) << name;
    return {NoteNumber(root), scale == nullptr ? 1 : scale->mask};
}

std::vector<std::string> Lines(const std::vector<ScalePosition>& positions)
{
    std::vector<std::string> lines;
    for (const ScalePosition& position : positions)
        lines.push_back(PositionLine(position));
    return lines;
}

TEST(ScaleFingering, KnownPositions)
{
    struct Case {
        const char* scale;
        const char* root;
        std::vector<Note> tuning;
        FingeringSystem system;
        std::vector<std::string> lines;  // the first positions, in order
    };
    const auto guitar = StandardTuning();
    const Case cases[] = {
        {"minor pentatonic", "A", guitar, FingeringSystem::Position,
            {"position=1 frets=5-8 1:5/1,8/4 2:5/1,8/4 3:5/1,7/3 4:5/1,7/3 5:5/1,7/3 6:5/1,8/4",
                "position=2 frets=7-10 1:8/2,10/4 2:8/2,10/4 3:7/1,9/3 4:7/1,10/4 5:7/1,10/4 "
                "6:8/2,10/4",
                "position=3 frets=9-13 1:10/1,12/3 2:10/1,13/4 3:9/1,12/3 4:10/1,12/3 "
                "5:10/1,12/3 6:10/1,12/3",
                "position=4 frets=12-15 1:12/1,15/4 2:13/2,15/4 3:12/1,14/3 4:12/1,14/3 "
                "5:12/1,15/4 6:12/1,15/4",
                "position=5 frets=2-5 1:3/2,5/4 2:3/2,5/4 3:2/1,5/4 4:2/1,5/4 5:3/2,5/4 "
                "6:3/2,5/4"}},
        // Seven boxes, one starting on each degree; among them the five of the usual books:
        // the open position, position II, V, VII and IX.
        {"major", "G", guitar, FingeringSystem::Position,
            {"position=1 frets=2-7 1:3/1,5/3 2:3/1,5/3,7/4 3:2/1,4/2,5/3 4:2/1,4/2,5/3 "
             "5:3/1,5/3 6:3/1,5/3,7/4",
                "position=2 frets=5-9 1:5/1,7/3,8/4 2:5/1,7/3,8/4 3:5/1,7/3 4:5/1,7/3,9/4 "
                "5:5/1,7/3,9/4 6:5/1,7/3,8/4",
                "position=3 frets=7-10 1:7/1,8/2,10/4 2:7/1,8/2,10/4 3:7/1,9/3 4:7/1,9/3,10/4 "
                "5:7/1,9/3,10/4 6:7/1,8/2,10/4",
                "position=4 frets=7-12 1:8/1,10/3 2:8/1,10/3,12/4 3:7/1,9/2,11/4 "
                "4:7/1,9/2,10/3 5:7/1,9/2,10/3 6:8/1,10/3",
                "position=5 frets=8-12 1:8/1,10/2,12/4 2:10/2,12/4 3:9/1,11/3,12/4 "
                "4:9/1,10/2,12/4 5:9/1,10/2,12/4 6:10/2,12/4",
                "position=6 frets=0-4 1:0/0,2/2,3/3 2:0/0,1/1,3/3 3:0/0,2/2 4:0/0,2/2,4/4 "
                "5:0/0,2/2,3/3 6:0/0,2/2,3/3",
                "position=7 frets=2-5 1:2/1,3/2,5/4 2:3/2,5/4 3:2/1,4/3,5/4 4:2/1,4/3,5/4 "
                "5:2/1,3/2,5/4 6:2/1,3/2,5/4"}},
        {"major", "C", guitar, FingeringSystem::ThreeNotesPerString,
            {"position=1 frets=8-13 1:10/1,12/3,13/4 2:10/1,12/3,13/4 3:9/1,10/2,12/4 "
             "4:9/1,10/2,12/4 5:8/1,10/2,12/4 6:8/1,10/2,12/4",
                "position=2 frets=10-15 1:12/1,13/2,15/4 2:12/1,13/2,15/4 3:10/1,12/2,14/4 "
                "4:10/1,12/2,14/4 5:10/1,12/2,14/4 6:10/1,12/3,13/4",
                "position=3 frets=0-5 1:1/1,3/2,5/4 2:1/1,3/2,5/4 3:0/0,2/2,4/4 4:0/0,2/2,3/3 "
                "5:0/0,2/2,3/3 6:0/0,1/1,3/3",
                "position=4 frets=1-7 1:3/1,5/2,7/4 2:3/1,5/3,6/4 3:2/1,4/3,5/4 4:2/1,3/2,5/4 "
                "5:2/1,3/2,5/4 6:1/1,3/2,5/4",
                "position=5 frets=3-8 1:5/1,7/3,8/4 2:5/1,6/2,8/4 3:4/1,5/2,7/4 4:3/1,5/2,7/4 "
                "5:3/1,5/2,7/4 6:3/1,5/2,7/4",
                "position=6 frets=5-10 1:7/1,8/2,10/4 2:6/1,8/2,10/4 3:5/1,7/2,9/4 "
                "4:5/1,7/2,9/4 5:5/1,7/3,8/4 6:5/1,7/3,8/4",
                "position=7 frets=7-12 1:8/1,10/2,12/4 2:8/1,10/2,12/4 3:7/1,9/3,10/4 "
                "4:7/1,9/3,10/4 5:7/1,8/2,10/4 6:7/1,8/2,10/4"}},
        {"major", "E", kSevenString, FingeringSystem::ThreeNotesPerString,
            {"position=1 frets=5-11 1:7/1,9/2,11/4 2:7/1,9/3,10/4 3:6/1,8/3,9/4 4:6/1,7/2,9/4 "
             "5:6/1,7/2,9/4 6:5/1,7/2,9/4 7:5/1,7/2,9/4"}},
        // Re-entrant: the pattern starts on the high g string and stays in place on C.
        {"major", "C", kUkulele, FingeringSystem::ThreeNotesPerString,
            {"position=1 frets=5-10 1:7/1,8/2,10/4 2:7/1,8/2,10/4 3:5/1,7/2,9/4 "
             "4:5/1,7/2,9/4"}},
        // An augmented second then a half step (F G# A) is fingered 1-3-4.
        {"harmonic minor", "A", guitar, FingeringSystem::ThreeNotesPerString,
            {"position=1 frets=5-10 1:7/1,8/2,10/4 2:6/1,9/3,10/4 3:5/1,7/2,9/4 4:6/1,7/2,9/4 "
             "5:5/1,7/3,8/4 6:5/1,7/3,8/4"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines =
            Lines(ScalePositions(Named(c.scale, c.root), c.tuning, c.system));
        ASSERT_GE(lines.size(), c.lines.size()) << c.root << " " << c.scale;
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(lines[i], c.lines[i]) << c.root << " " << c.scale;
    }
}

TEST(ScaleFingering, FiveBoxesForAPentatonicAndOnePatternPerNote)
{
    const auto guitar = StandardTuning();
    EXPECT_EQ(
        ScalePositions(Named("minor pentatonic", "A"), guitar, FingeringSystem::Position).size(),
        5u);
    EXPECT_EQ(
        ScalePositions(Named("major", "G"), guitar, FingeringSystem::ThreeNotesPerString).size(),
        7u);
    EXPECT_EQ(ScalePositions(Named("diminished", "C"), guitar, FingeringSystem::ThreeNotesPerString)
                  .size(),
        8u);
}

TEST(ScaleFingering, ThreeNotesPerStringNeedsSixNotes)
{
    const ScaleToFinger pentatonic = Named("minor pentatonic", "A");
    const auto problem = FingeringProblem(pentatonic, FingeringSystem::ThreeNotesPerString);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("at least 6 notes"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("has 5"), std::string::npos) << *problem;
    EXPECT_TRUE(
        ScalePositions(pentatonic, StandardTuning(), FingeringSystem::ThreeNotesPerString).empty());
    EXPECT_FALSE(FingeringProblem(pentatonic, FingeringSystem::Position).has_value());
    EXPECT_FALSE(FingeringProblem(Named("blues", "A"), FingeringSystem::ThreeNotesPerString));
}

TEST(ScaleFingering, FretRangeKeepsEveryNoteInside)
{
    // Only the open position of C major fits the first four frets.
    const auto open =
        ScalePositions(Named("major", "C"), StandardTuning(), FingeringSystem::Position, {0, 4});
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(PositionLine(open[0]),
        "position=3 frets=0-3 1:0/0,1/1,3/3 2:0/0,1/1,3/3 3:0/0,2/2 4:0/0,2/2,3/3 "
        "5:0/0,2/2,3/3 6:0/0,1/1,3/3");
    for (const FingeringSystem system :
        {FingeringSystem::Position, FingeringSystem::ThreeNotesPerString})
        for (const ScalePosition& position :
            ScalePositions(Named("dorian", "D"), StandardTuning(), system, {5, 14})) {
            EXPECT_GE(position.LowestFret(), 5) << PositionLine(position);
            EXPECT_LE(position.HighestFret(), 14) << PositionLine(position);
        }
    EXPECT_TRUE(
        ScalePositions(Named("major", "C"), StandardTuning(), FingeringSystem::Position, {3, 5})
            .empty());
}

// Checks one position against the rules every position keeps, with what went wrong.
void ExpectSound(const ScaleToFinger& scale, std::span<const Note> tuning, FingeringSystem system,
    const ScalePosition& position, const std::string& what)
{
    const std::string where = what + ": " + PositionLine(position);
    ASSERT_EQ(position.strings.size(), tuning.size()) << where;
    int found = 0;
    for (std::size_t s = 0; s < tuning.size(); ++s) {
        const std::vector<ScaleFret>& notes = position.strings[s];
        if (system == FingeringSystem::ThreeNotesPerString) {
            ASSERT_EQ(notes.size(), 3u) << where;
            EXPECT_LE(notes[2].fret - notes[0].fret, 5) << where;
        }
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const int degree =
                static_cast<int>((120 + tuning[s] + notes[i].fret - scale.root % 12) % 12);
            EXPECT_NE(scale.mask >> degree & 1, 0) << where;
            found |= 1 << degree;
            EXPECT_EQ(notes[i].finger == 0, notes[i].fret == 0) << where;
            EXPECT_LE(notes[i].finger, 4) << where;
            if (i > 0) {
                EXPECT_GT(notes[i].fret, notes[i - 1].fret) << where;
                EXPECT_GT(notes[i].finger, notes[i - 1].finger) << where;
            }
            if (system == FingeringSystem::Position && notes[i].fret != 0) {
                EXPECT_GE(notes[i].fret, position.indexFret - 1) << where;
                EXPECT_LE(notes[i].fret, position.indexFret + 4) << where;
            }
        }
    }
    EXPECT_EQ(found, scale.mask) << where;
}

TEST(ScaleFingering, EveryCataloguePositionIsSound)
{
    struct Neck {
        const char* name;
        std::vector<Note> tuning;
        std::vector<Note> roots;
    };
    const Neck necks[] = {
        {"guitar", StandardTuning(), {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}},
        {"7-string", kSevenString, {64}},
        {"ukulele", kUkulele, {60}},
        {"bass", {43, 38, 33, 28}, {67}},
    };
    for (const Neck& neck : necks)
        for (const ScaleType& type : ScaleCatalogue())
            for (const Note root : neck.roots)
                for (const FingeringSystem system :
                    {FingeringSystem::Position, FingeringSystem::ThreeNotesPerString}) {
                    const ScaleToFinger scale{root, type.mask};
                    const std::string what = std::string(neck.name) + " " + NoteName(root) + " " +
                        std::string(type.Name());
                    const auto positions = ScalePositions(scale, neck.tuning, system);
                    const bool tooFew = std::popcount(static_cast<unsigned>(type.mask)) <
                        kMinThreeNotesPerStringNotes;
                    if (system == FingeringSystem::ThreeNotesPerString && tooFew) {
                        EXPECT_TRUE(positions.empty()) << what;
                        continue;
                    }
                    EXPECT_FALSE(positions.empty()) << what;
                    for (std::size_t i = 0; i < positions.size(); ++i) {
                        EXPECT_EQ(positions[i].number, static_cast<int>(i) + 1) << what;
                        ExpectSound(scale, neck.tuning, system, positions[i], what);
                    }
                }
}

}  // namespace
}  // namespace guivarna::theory
