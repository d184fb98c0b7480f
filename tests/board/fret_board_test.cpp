#include "board/fret_board.h"
#include "board/string_row.h"

#include "tests/board/board_test_support.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>

namespace guivarna::board {
namespace {

using test::BoardFixture;
using test::CellCentre;
using test::kPixelPerUnit;

TEST(StringRowTest, LineKindRule)
{
    struct Case {
        int kind;
        int notLast;
        int last;
    };
    const Case cases[] = {
        {kTopString, 0x12, 0x1A},
        {kInnerString, 0x13, 0x1F},
        {kBottomString, 0x11, 0x15},
        {kOpenColumn, 0x00, 0x00},
        {kFretNumberRow, 0x20, 0x20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StringRow::LineFlagsFor(c.kind, false), c.notLast) << c.kind;
        EXPECT_EQ(StringRow::LineFlagsFor(c.kind, true), c.last) << c.kind;
    }
}

TEST(StringRowTest, BuildingGivesNotesLabelsDotsAndProvisionalPlaces)
{
    StringRow row(kInnerString, 59);
    row.MoveTo({100, 200});
    row.BuildCells(4, 80, 50, true);
    ASSERT_EQ(row.CellCount(), 4);
    EXPECT_EQ(row.Width(), 320);
    EXPECT_EQ(row.Height(), 50);
    EXPECT_EQ(row.Cell(0).DotStyle(), kHollowDot | kNoteNameInDot);
    EXPECT_EQ(row.Cell(3).DotStyle(), kFilledDot | kNoteNameInDot);
    EXPECT_EQ(row.Cell(0).LineFlags(), 0);
    EXPECT_EQ(row.Cell(1).LineFlags(), 0x13);
    EXPECT_EQ(row.Cell(3).LineFlags(), 0x1F);
    EXPECT_EQ(row.Cell(2).Label(), QStringLiteral("2"));
    EXPECT_EQ(row.Cell(2).Note(), 61);
    EXPECT_EQ(row.Cell(2).DotColour(), kDefaultDotColour);
    // One fret to the right until the row is moved.
    EXPECT_EQ(row.Cell(0).X(), 180);
    row.MoveTo({0, 10});
    EXPECT_EQ(row.Cell(0).Position(), QPoint(0, 10));
    EXPECT_EQ(row.Cell(3).Position(), QPoint(240, 10));

    row.BuildCells(3, 80, 50, false);
    EXPECT_EQ(row.Cell(1).DotStyle(), kFilledDot);
    EXPECT_EQ(row.HighestNote(), 61);
}

TEST(StringRowTest, OneFretRowHasOnlyTheLinelessOpenString)
{
    StringRow row(kTopString, 64);
    row.BuildCells(1, 80, 50, true);
    ASSERT_EQ(row.CellCount(), 1);
    EXPECT_EQ(row.Cell(0).LineFlags(), 0);
    EXPECT_EQ(row.Cell(0).DotStyle(), kHollowDot | kNoteNameInDot);

    row.BuildCells(0, 80, 50, true);
    EXPECT_EQ(row.CellCount(), 0);
    EXPECT_EQ(row.Width(), 0);
}

TEST(StringRowTest, IndicesAreBoundsTested)
{
    StringRow row(kTopString, 64);
    row.BuildCells(25, 80, 50, true);
    EXPECT_THROW(row.SetDot(25, true), std::out_of_range);
    EXPECT_THROW(row.SetDot(-1, true), std::out_of_range);
    EXPECT_THROW(row.Cell(25), std::out_of_range);
    EXPECT_NO_THROW(row.SetDot(24, true));
}

TEST(StringRowTest, RetuningKeepsMarksOnTheirPositions)
{
    StringRow row(kTopString, 64);
    row.BuildCells(25, 80, 50, true);
    row.SetDot(3, true);
    row.SetOpenNote(62);
    EXPECT_EQ(row.Cell(3).Marked(), 1);
    EXPECT_EQ(row.Cell(3).Note(), 65);
    EXPECT_EQ(row.OpenNoteName(), QStringLiteral("D"));
    std::vector<int> notes;
    row.AppendNotes(notes);
    ASSERT_EQ(notes.size(), 25u);
    EXPECT_EQ(notes.front(), 62);
    EXPECT_EQ(notes.back(), 86);
}

class DefaultBoardTest : public ::testing::Test {
protected:
    void SetUp() override { fixture_.Load(); }
    FretBoard& Board() { return fixture_.Boards().Board(0); }

    BoardFixture fixture_;
};

TEST_F(DefaultBoardTest, NotesAtFrets)
{
    FretBoard& board = Board();
    struct Case {
        int row;
        int fret;
        int note;
    };
    const Case cases[] = {
        {0, 0, 64}, {0, 5, 69}, {0, 12, 76}, {5, 0, 40}, {5, 12, 52}, {1, 24, 83}, {2, 1, 56}};
    for (const Case& c : cases)
        EXPECT_EQ(board.Row(c.row).Cell(c.fret).Note(), c.note) << c.row << "/" << c.fret;
    EXPECT_EQ(board.Row(0).Cell(5).NoteName(), QStringLiteral("A"));

    std::vector<int> open;
    EXPECT_EQ(board.OpenNotes(open), 6);
    EXPECT_EQ(open, (std::vector<int>{64, 59, 55, 50, 45, 40}));
    QStringList names;
    EXPECT_EQ(board.OpenNoteNames(names), 6);
    EXPECT_EQ(names.join(u' '), QStringLiteral("E B G D A E"));
    EXPECT_EQ(board.FretCount(), 25);
    EXPECT_EQ(board.HighestNote(), 88);
    EXPECT_EQ(board.LastStringOpenNote(), 40);

    std::vector<std::vector<int>> grid;
    board.NoteGrid(grid);
    ASSERT_EQ(grid.size(), 6u);
    EXPECT_EQ(grid[5][12], 52);
}

TEST_F(DefaultBoardTest, LayoutFollowsTheOffset)
{
    FretBoard& board = Board();
    EXPECT_EQ(board.Position(), QPoint(0, 10));
    EXPECT_EQ(board.Home(), QPoint(0, 10));
    EXPECT_EQ(board.Width(), 2000);
    EXPECT_EQ(board.Height(), 350);
    EXPECT_EQ(board.Row(3).Position(), QPoint(0, 160));
    EXPECT_EQ(board.Row(6).Cell(24).Position(), QPoint(1920, 310));

    board.SetPosition(100.7, 40.2);
    EXPECT_EQ(board.Position(), QPoint(100, 40));
    EXPECT_EQ(board.Row(1).Cell(2).Position(), QPoint(260, 90));
    EXPECT_EQ(board.Offset(), QPoint(0, 10));
}

TEST_F(DefaultBoardTest, FretNumberRowCarriesOnlyLabels)
{
    const StringRow& numbers = Board().Row(6);
    EXPECT_EQ(numbers.Orientation(), kFretNumberRow);
    EXPECT_EQ(numbers.OpenNote(), 0);
    EXPECT_EQ(numbers.Cell(0).LineFlags(), 0);
    for (int fret = 1; fret < numbers.CellCount(); ++fret) {
        EXPECT_EQ(numbers.Cell(fret).LineFlags(), kFretLabel);
        EXPECT_EQ(numbers.Cell(fret).Label(), QString::number(fret));
    }
    EXPECT_EQ(Board().StringCount(), 6);
    EXPECT_EQ(Board().RowCount(), 7);
}

TEST_F(DefaultBoardTest, ClicksToggleAndRecordTheNote)
{
    FretBoard& board = Board();
    int note = -1;
    // Open string column: the open E toggles.
    EXPECT_EQ(board.Click(kPixelPerUnit, CellCentre(board, 0, 0), &note), 1);
    EXPECT_EQ(note, 64);
    EXPECT_EQ(board.Row(0).Cell(0).Marked(), 1);
    EXPECT_EQ(board.Click(kPixelPerUnit, CellCentre(board, 0, 0), &note), 0);
    EXPECT_EQ(board.Row(0).Cell(0).Marked(), 0);

    EXPECT_EQ(board.Click(kPixelPerUnit, CellCentre(board, 5, 12), &note), 1);
    EXPECT_EQ(note, 52);

    // The fret-number row: nothing changes, the note stays.
    note = -1;
    EXPECT_EQ(board.Click(kPixelPerUnit, CellCentre(board, 6, 3), &note), 0);
    EXPECT_EQ(note, -1);
    EXPECT_EQ(board.Row(6).Cell(3).Marked(), 0);

    // Outside every row.
    EXPECT_EQ(board.Click(kPixelPerUnit, QPoint(2500, 30), &note), 0);
    EXPECT_EQ(board.Click(kPixelPerUnit, QPoint(30, 5), &note), 0);
}

TEST_F(DefaultBoardTest, ClickedCellLabelsNeverToggle)
{
    FretCell cell;
    cell.SetLineFlags(kFretLabel | 0x10);
    EXPECT_EQ(cell.OnClick(kPixelPerUnit, {}), 0);
    EXPECT_EQ(cell.Marked(), 0);
    cell.SetLineFlags(0x13);
    EXPECT_EQ(cell.OnClick(kPixelPerUnit, {}), 1);

    // A row records the note of the cell hit even when that cell does not toggle.
    StringRow labels(kFretNumberRow, 0);
    labels.BuildCells(5, 80, 50, true);
    labels.MoveTo({0, 0});
    int note = -1;
    EXPECT_EQ(labels.Click(kPixelPerUnit, QPoint(200, 25), &note), 0);
    EXPECT_EQ(note, 2);
    EXPECT_EQ(labels.Cell(2).Marked(), 0);
}

TEST_F(DefaultBoardTest, ShowExactNotesMarksExactPitchesOnly)
{
    FretBoard& board = Board();
    board.Row(3).SetDot(2, true);
    board.ShowExactNotes({0, 5}, {64, 45});
    EXPECT_EQ(board.Row(3).Cell(2).Marked(), 0);  // cleared first
    EXPECT_EQ(board.Row(0).Cell(0).Marked(), 1);
    EXPECT_EQ(board.Row(0).Cell(12).Marked(), 0);  // 76, not 64
    EXPECT_EQ(board.Row(5).Cell(5).Marked(), 1);  // 45
    EXPECT_EQ(board.Row(5).Cell(17).Marked(), 0);  // 57
    EXPECT_THROW(board.ShowExactNotes({7}, {64}), std::out_of_range);
}

TEST_F(DefaultBoardTest, ShortTuningListLeavesRemainingRows)
{
    FretBoard& board = Board();
    board.SetTuning({62, 57});
    std::vector<int> open;
    board.OpenNotes(open);
    EXPECT_EQ(open, (std::vector<int>{62, 57, 55, 50, 45, 40}));
    EXPECT_EQ(board.Row(0).Cell(2).Note(), 64);
    EXPECT_EQ(board.Row(6).OpenNote(), 0);
}

TEST_F(DefaultBoardTest, MarkedPositionsListTheStringsInBoardOrderWithoutTheFretNumberRow)
{
    FretBoard& board = Board();
    EXPECT_TRUE(board.MarkedPositions().empty());
    board.Row(6).SetDot(1, true);  // the fret-number row
    board.Row(5).SetDot(24, true);
    board.Row(2).SetDot(7, true);
    board.Row(2).SetDot(0, true);
    EXPECT_EQ(board.MarkedPositions(), (std::vector<std::pair<int, int>>{{2, 0}, {2, 7}, {5, 24}}));
    EXPECT_TRUE(FretBoard().MarkedPositions().empty());
}

TEST_F(DefaultBoardTest, ClearIncludesTheFretNumberRowAndRowsAreBounded)
{
    FretBoard& board = Board();
    board.Row(6).SetDot(1, true);
    board.Row(2).SetDot(7, true);
    board.Clear();
    EXPECT_EQ(board.Row(6).Cell(1).Marked(), 0);
    EXPECT_EQ(board.Row(2).Cell(7).Marked(), 0);
    EXPECT_THROW(board.Row(7), std::out_of_range);
    EXPECT_EQ(FretBoard().StringCount(), -1);
}

TEST_F(DefaultBoardTest, MarksReachTheSceneNotifier)
{
    SceneNotifier notifier;
    QSignalSpy spy(&notifier, &SceneNotifier::itemChanged);
    fixture_.Boards().SetNotifier(&notifier);
    Board().Row(0).SetDot(5, true);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toRect(), QRect(400, 10, 80, 50));
    EXPECT_EQ(fixture_.Boards().InvalidateAll(), 2);
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(2).at(0).toRect(), QRect(0, 500, 2000, 350));
}

}  // namespace
}  // namespace guivarna::board
