#include "board/board_collection.h"

#include "tests/board/board_test_support.h"
#include "theory/notes/music_theory.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>

namespace guivarna::board {
namespace {

using test::BoardFixture;
using test::CellCentre;
using test::kPixelPerUnit;

// Every marked position of a board as (row, fret) pairs.
std::vector<std::pair<int, int>> Marks(const FretBoard& board)
{
    std::vector<std::pair<int, int>> marks;
    for (int r = 0; r < board.RowCount(); ++r)
        for (int f = 0; f < board.Row(r).CellCount(); ++f)
            if (board.Row(r).Cell(f).Marked())
                marks.emplace_back(r, f);
    return marks;
}

// Positions of the strings whose pitch class is in the set.
std::vector<std::pair<int, int>> PitchClassPositions(
    const FretBoard& board, std::initializer_list<int> classes)
{
    std::vector<std::pair<int, int>> positions;
    for (int r = 0; r < board.StringCount(); ++r)
        for (int f = 0; f < board.Row(r).CellCount(); ++f)
            for (int c : classes)
                if (board.Row(r).Cell(f).Note() % 12 == c % 12)
                    positions.emplace_back(r, f);
    return positions;
}

class BoardCollectionTest : public ::testing::Test {
protected:
    void SetUp() override { fixture_.Load(); }
    BoardCollection& Boards() { return fixture_.Boards(); }
    QPoint At(int board, int row, int fret) { return CellCentre(Boards().Board(board), row, fret); }

    BoardFixture fixture_;
};

TEST_F(BoardCollectionTest, TwoBoardsWithTheirRoles)
{
    EXPECT_EQ(Boards().BoardCount(), 2);
    EXPECT_EQ(Boards().LastBoardIndex(), 1);
    EXPECT_EQ(&Boards().FirstBoard(), &Boards().Board(0));
    EXPECT_EQ(&Boards().LastBoard(), &Boards().Board(1));
    EXPECT_FALSE(Boards().Board(0).IsChordBoard());
    EXPECT_TRUE(Boards().Board(1).IsChordBoard());
    EXPECT_EQ(Boards().Offset(1), QPoint(0, 500));
    EXPECT_THROW(Boards().Board(2), std::out_of_range);
    EXPECT_THROW(Boards().Clear(-1), std::out_of_range);
    EXPECT_EQ(Boards().StringCount(1), 6);
    EXPECT_EQ(Boards().FretCount(1), 25);
}

TEST_F(BoardCollectionTest, ClickWithoutSelectAllChangesOnePosition)
{
    EXPECT_EQ(Boards().Click(kPixelPerUnit, At(1, 2, 4)), 1);
    EXPECT_EQ(Boards().LastClickedNote(), 59);
    EXPECT_EQ(Marks(Boards().Board(1)), (std::vector<std::pair<int, int>>{{2, 4}}));
    EXPECT_TRUE(Marks(Boards().Board(0)).empty());

    // Between the boards and beyond them: nothing.
    EXPECT_EQ(Boards().Click(kPixelPerUnit, QPoint(100, 420)), 0);
    EXPECT_EQ(Boards().Click(kPixelPerUnit, QPoint(-5, 100)), 0);
    EXPECT_EQ(Boards().LastClickedNote(), 59);
}

TEST_F(BoardCollectionTest, SelectAllSpreadsFromEitherBoardToTheScaleBoard)
{
    Boards().SetSelectAllOnClick(true);
    const auto allE = PitchClassPositions(Boards().Board(0), {64});

    // ScaleBoard: marking an E marks every E, open strings included; unmarking unmarks all.
    EXPECT_EQ(Boards().Click(kPixelPerUnit, At(0, 3, 2)), 1);
    EXPECT_EQ(Marks(Boards().Board(0)), allE);
    EXPECT_EQ(Boards().Board(0).Row(5).Cell(0).Marked(), 1);
    EXPECT_EQ(Boards().Click(kPixelPerUnit, At(0, 0, 12)), 0);
    EXPECT_TRUE(Marks(Boards().Board(0)).empty());

    // ChordBoard: only the clicked mark there, every G on the ScaleBoard.
    EXPECT_EQ(Boards().Click(kPixelPerUnit, At(1, 2, 0)), 1);
    EXPECT_EQ(Marks(Boards().Board(1)), (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(Marks(Boards().Board(0)), PitchClassPositions(Boards().Board(0), {67}));

    // Outside both boards: nothing spreads.
    EXPECT_EQ(Boards().Click(kPixelPerUnit, QPoint(3000, 3000)), 0);
    EXPECT_EQ(Marks(Boards().Board(0)), PitchClassPositions(Boards().Board(0), {67}));
}

TEST_F(BoardCollectionTest, FretNumberRowClickUnmarksThePreviousPitchClass)
{
    Boards().SetSelectAllOnClick(true);
    Boards().Click(kPixelPerUnit, At(0, 1, 1));  // C
    ASSERT_FALSE(Marks(Boards().Board(0)).empty());
    Boards().Board(1).Row(0).SetDot(3, true);

    EXPECT_EQ(Boards().Click(kPixelPerUnit, At(1, 6, 5)), 0);
    EXPECT_TRUE(Marks(Boards().Board(0)).empty());
    EXPECT_EQ(Boards().Board(1).Row(0).Cell(3).Marked(), 1);
    EXPECT_EQ(Boards().LastClickedNote(), 60);
}

TEST_F(BoardCollectionTest, ShowPitchClassesMarksEveryCEAndGOnly)
{
    Boards().Board(0).Row(0).SetDot(1, true);  // F, must go
    Boards().ShowPitchClasses(0, {60, 64, 67});
    EXPECT_EQ(Marks(Boards().Board(0)), PitchClassPositions(Boards().Board(0), {60, 64, 67}));
    EXPECT_EQ(Boards().Board(0).Row(0).Cell(24).Marked(), 1);  // 88 = E
}

TEST_F(BoardCollectionTest, ShowFingeringMarksOnePositionPerString)
{
    Boards().Board(1).Row(4).SetDot(9, true);
    theory::ChordFingering fingering;
    fingering.StringSet = {2, 3, 4, 5};
    fingering.StringNotes = {60, 64, 67, 60};
    fingering.FretBoardPosition = {1, 0, 2, 3};
    Boards().ShowFingering(1, fingering);
    EXPECT_EQ(Marks(Boards().Board(1)),
        (std::vector<std::pair<int, int>>{{1, 1}, {2, 0}, {3, 2}, {4, 3}}));

    struct Case {
        std::vector<std::uint32_t> strings;
        std::vector<std::uint32_t> frets;
    };
    const Case bad[] = {{{0}, {1}}, {{8}, {1}}, {{1}, {25}}, {{1, 2}, {1}}};
    for (const Case& c : bad) {
        theory::ChordFingering f{c.strings, c.strings, c.frets};
        EXPECT_THROW(Boards().ShowFingering(1, f), std::out_of_range);
    }
}

TEST_F(BoardCollectionTest, ArpeggioShowsSelectionAndOffClearsClicks)
{
    theory::MusicTheory theory;
    theory.SetRootNumber(60);
    theory.SetMask(0x91);  // C, E, G
    Boards().ShowArpeggio(true, theory);
    EXPECT_EQ(Marks(Boards().Board(0)), PitchClassPositions(Boards().Board(0), {60, 64, 67}));

    Boards().Click(kPixelPerUnit, At(0, 0, 1));
    Boards().ShowArpeggio(false, theory);
    EXPECT_TRUE(Marks(Boards().Board(0)).empty());
}

TEST_F(BoardCollectionTest, TuningExactNotesAndGrids)
{
    Boards().SetTuning(0, {62});
    std::vector<int> open;
    EXPECT_EQ(Boards().OpenNotes(0, open), 6);
    EXPECT_EQ(open.front(), 62);
    QStringList names;
    Boards().OpenNoteNames(1, names);
    EXPECT_EQ(names.front(), QStringLiteral("E"));
    EXPECT_EQ(Boards().LastStringOpenNote(0), 40);
    EXPECT_EQ(Boards().HighestNote(0), 86);

    Boards().ShowExactNotes(0, {0}, {64});
    EXPECT_EQ(Marks(Boards().Board(0)), (std::vector<std::pair<int, int>>{{0, 2}}));
}

TEST_F(BoardCollectionTest, DotColourChangesAtOnceAndRepaintsBothBoards)
{
    SceneNotifier notifier;
    QSignalSpy spy(&notifier, &SceneNotifier::itemChanged);
    Boards().SetNotifier(&notifier);
    Boards().SetChordBoardDotColour(0xFF0000FF);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(Boards().Board(1).Row(3).Cell(7).DotColour(), 0xFF0000FFu);
    EXPECT_EQ(Boards().Board(0).Row(3).Cell(7).DotColour(), kDefaultDotColour);
    Boards().SetScaleBoardDotColour(0xFF00FF00);
    EXPECT_EQ(Boards().Board(0).Row(6).Cell(0).DotColour(), 0xFF00FF00u);

    // Not written before exit.
    settings::SettingsStore reader(fixture_.Path());
    EXPECT_FALSE(
        reader.ReadInt(u"\\FretBoards\\FretBoard1\\Strings\\String0\\Frets\\Dot\\Color\\B"));
}

TEST(BoardCollectionLifetimeTest, UnloadedCollectionIsEmptyAndSavesNothing)
{
    BoardCollection boards;
    EXPECT_EQ(boards.LastBoardIndex(), -1);
    EXPECT_EQ(boards.InvalidateAll(), 0);
    EXPECT_EQ(boards.Click(kPixelPerUnit, QPoint(10, 20)), 0);
    EXPECT_THROW(boards.FirstBoard(), std::out_of_range);
}

}  // namespace
}  // namespace guivarna::board
