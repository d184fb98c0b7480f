#include "theory/notes/interval_stack.h"

#include "theory/notes/instrument_limits.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace guivarna::theory {
namespace {

const std::vector<int> kMajorSteps = {2, 2, 1, 2, 2, 2, 1};

NoteTable StandardBoard()
{
    const auto tuning = StandardTuning();
    return UniformNoteTable({tuning.begin(), tuning.end()}, 25);
}

std::vector<int> AllStrings(const NoteTable& table)
{
    std::vector<int> strings;
    for (int s = 0; s < static_cast<int>(table.size()); ++s)
        strings.push_back(s);
    return strings;
}

// Every position of the table whose pitch class is in classes, on the given strings.
std::vector<BoardPosition> PositionsOfPitchClasses(
    const NoteTable& table, const std::set<int>& strings, const std::set<int>& classes)
{
    std::vector<BoardPosition> positions;
    for (int s = 0; s < static_cast<int>(table.size()); ++s) {
        if (strings.count(s) == 0)
            continue;
        for (int f = 0; f < static_cast<int>(table[s].size()); ++f) {
            if (classes.count(table[s][f] % 12) != 0)
                positions.push_back({s, f});
        }
    }
    return positions;
}

TEST(IntervalStack, StacksTheCycleUpAndDownWithinTheRange)
{
    struct Case {
        const char* name;
        int root;
        std::vector<int> steps;
        int lowest;
        int highest;
        std::vector<int> notes;
    };
    const std::vector<Case> cases = {
        {"major from C", 60, kMajorSteps, 55, 74, {55, 57, 59, 60, 62, 64, 65, 67, 69, 71, 72, 74}},
        // Downward the cycle runs backwards from its last step: C - 4 = Ab, Ab - 3 = F, ...
        {"thirds", 60, {3, 4}, 50, 70, {53, 56, 60, 63, 67, 70}},
        {"single seventh", 52, {11}, 40, 76, {41, 52, 63, 74}},
        {"root alone", 60, {11}, 60, 60, {60}},
        {"ends at note 0", 5, {2}, 0, 6, {1, 3, 5}},
        {"range below the root", 60, {1}, 40, 50, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StackNotes(c.root, c.steps, c.lowest, c.highest), c.notes);
    }
}

TEST(IntervalStack, RefusesStepsThatCannotStack)
{
    EXPECT_THROW(StackNotes(60, {}, 40, 88), std::invalid_argument);
    EXPECT_THROW(StackNotes(60, {2, 0}, 40, 88), std::invalid_argument);
    EXPECT_THROW(StackNotes(60, {12}, 40, 88), std::invalid_argument);
    EXPECT_THROW(StackNotes(60, {-2}, 40, 88), std::invalid_argument);
}

TEST(IntervalStack, MarksPositionsOnTheBoard)
{
    const NoteTable standard = StandardBoard();
    const std::set<int> cMajor = {0, 2, 4, 5, 7, 9, 11};
    // A reentrant tuning: the last string is not the lowest one.
    const NoteTable reentrant = UniformNoteTable({69, 64, 60, 67}, 13);
    // Strings with their own numbers of positions; string 3 reaches higher than string 1.
    const NoteTable uneven = {UniformNoteTable({64}, 5)[0], UniformNoteTable({59}, 25)[0],
        UniformNoteTable({55}, 25)[0], UniformNoteTable({40}, 1)[0]};

    struct Case {
        const char* name;
        const NoteTable& table;
        int rootString;
        int rootFret;
        std::vector<int> steps;
        std::vector<int> strings;
        std::vector<BoardPosition> expected;
    };
    const std::vector<Case> cases = {
        {"C major over the whole board", standard, 5, 8, kMajorSteps, AllStrings(standard),
            PositionsOfPitchClasses(standard, {0, 1, 2, 3, 4, 5}, cMajor)},
        {"C major, strings left out", standard, 5, 8, kMajorSteps, {4, 1},
            PositionsOfPitchClasses(standard, {1, 4}, cMajor)},
        {"C major, reentrant tuning", reentrant, 2, 0, kMajorSteps, AllStrings(reentrant),
            PositionsOfPitchClasses(reentrant, {0, 1, 2, 3}, cMajor)},
        {"C major, uneven strings", uneven, 2, 5, kMajorSteps, AllStrings(uneven),
            PositionsOfPitchClasses(uneven, {0, 1, 2, 3}, cMajor)},
        // 40 + 11k up to 88: 40, 51, 62, 73, 84; E on the bottom string is the root.
        {"sevenths from the low E", standard, 5, 0, {11}, {5, 0},
            {{0, 9}, {0, 20}, {5, 0}, {5, 11}, {5, 22}}},
        {"sevenths from string 3, fret 4", standard, 2, 4, {11}, {2}, {{2, 4}, {2, 15}}},
        {"uneven strings keep to their own frets", uneven, 3, 0, {5}, {0, 3}, {{0, 1}, {3, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<int> notes = StackNotes(c.table, c.rootString, c.rootFret, c.steps);
        EXPECT_EQ(ExactNotePositions(c.table, c.strings, notes), c.expected);
    }
}

TEST(IntervalStack, PositionsOutsideTheBoardAreRefused)
{
    const NoteTable table = StandardBoard();
    EXPECT_THROW(StackNotes(table, 6, 0, {2}), std::out_of_range);
    EXPECT_THROW(StackNotes(table, 0, 25, {2}), std::out_of_range);
    EXPECT_THROW(StackNotes(table, -1, 0, {2}), std::out_of_range);
    EXPECT_THROW(ExactNotePositions(table, {6}, {64}), std::out_of_range);
    EXPECT_THROW(ExactNotePositions(table, {-1}, {64}), std::out_of_range);
}

TEST(IntervalStack, ExactNotesDoNotFoldOctaves)
{
    const NoteTable table = StandardBoard();
    EXPECT_EQ(ExactNotePositions(table, {0}, {64}), (std::vector<BoardPosition>{{0, 0}}));
    // Listed twice and out of order: board order, each position once.
    EXPECT_EQ(
        ExactNotePositions(table, {1, 0, 1}, {64}), (std::vector<BoardPosition>{{0, 0}, {1, 5}}));
}

TEST(IntervalStack, IntervalNames)
{
    EXPECT_EQ(IntervalSteps({"b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"}),
        (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    for (const char* bad : {"", "1", "#4", "B2", "b9", "12"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(IntervalSteps({"2", bad}), std::invalid_argument);
    }
}

}  // namespace
}  // namespace guivarna::theory
