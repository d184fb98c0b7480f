#include "board/cell_cursor.h"

#include "board/board_collection.h"
#include "tests/board/board_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace guivarna::board {
namespace {

using test::BoardFixture;

// The default boards: six strings (rows 0 - 5) plus the fret-number row, frets 0 .. last.
class CellCursorTest : public ::testing::Test {
protected:
    void SetUp() override { fixture_.Load(); }
    BoardCollection& Boards() { return fixture_.Boards(); }
    int LastFret() { return Boards().Board(0).Row(0).CellCount() - 1; }

    BoardFixture fixture_;
};

TEST_F(CellCursorTest, MovesStayOnTheStringsOfTheBoard)
{
    ASSERT_EQ(Boards().Board(0).StringCount(), 6);
    ASSERT_GT(LastFret(), 3);
    const int last = LastFret();
    struct Case {
        const char* name;
        bool leftHanded;
        CellCursor from;
        std::vector<CursorMove> moves;
        CellCursor to;
    };
    using M = CursorMove;
    const Case cases[] = {
        {"right goes up the neck", false, {0, 0, 0}, {M::Right, M::Right}, {0, 0, 2}},
        {"left stops at the nut", false, {0, 2, 1}, {M::Left, M::Left, M::Left}, {0, 2, 0}},
        {"right stops at the last fret", false, {1, 0, last - 1}, {M::Right, M::Right},
            {1, 0, last}},
        {"down goes to the next string", false, {0, 0, 3}, {M::Down, M::Down}, {0, 2, 3}},
        {"down never reaches the fret numbers", false, {0, 4, 3}, {M::Down, M::Down, M::Down},
            {0, 5, 3}},
        {"up stops at string 1", false, {1, 1, 0}, {M::Up, M::Up}, {1, 0, 0}},
        {"home and end", false, {0, 3, 5}, {M::Nut}, {0, 3, 0}},
        {"end goes to the last fret", false, {0, 3, 0}, {M::LastFret}, {0, 3, last}},
        {"page up and down", false, {1, 3, 2}, {M::LastString, M::FirstString, M::LastString},
            {1, 5, 2}},
        // Mirrored: the nut is at the right, so Left goes up the neck.
        {"left-handed left goes up the neck", true, {0, 0, 0}, {M::Left, M::Left}, {0, 0, 2}},
        {"left-handed right goes to the nut", true, {0, 0, 2}, {M::Right, M::Right, M::Right},
            {0, 0, 0}},
        {"off the board is brought back first", false, {5, 40, 99}, {M::Up}, {1, 4, last}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Boards().SetLeftHanded(c.leftHanded);
        CellCursor cursor = c.from;
        for (CursorMove move : c.moves)
            cursor = MoveCursor(Boards(), cursor, move);
        EXPECT_EQ(cursor.board, c.to.board);
        EXPECT_EQ(cursor.row, c.to.row);
        EXPECT_EQ(cursor.fret, c.to.fret);
    }
}

TEST_F(CellCursorTest, ClickCellDoesWhatAClickDoes)
{
    // Marks, unmarks, remembers the note and spreads with select-all-on-click.
    EXPECT_EQ(Boards().ClickCell(BoardCollection::kChordBoard, 1, 1), 1);
    EXPECT_EQ(Boards().LastClickedNote(), Boards().Board(1).Row(1).Cell(1).Note());
    EXPECT_EQ(Boards().ClickCell(BoardCollection::kChordBoard, 1, 1), 0);
    Boards().SetSelectAllOnClick(true);
    EXPECT_EQ(Boards().ClickCell(BoardCollection::kChordBoard, 1, 1), 1);
    int cs = 0;
    for (const auto& [row, fret] : Boards().Board(0).MarkedPositions())
        cs += Boards().Board(0).Row(row).Cell(fret).Note() % 12 == 0 ? 1 : 0;
    EXPECT_GT(cs, 3);
    EXPECT_EQ(static_cast<std::size_t>(cs), Boards().Board(0).MarkedPositions().size());
    // The fret-number row and cells the board lacks take no click.
    EXPECT_THROW(Boards().ClickCell(0, 6, 1), std::out_of_range);
    EXPECT_THROW(Boards().ClickCell(0, 0, 999), std::out_of_range);
    EXPECT_THROW(Boards().ClickCell(7, 0, 0), std::out_of_range);
}

}  // namespace
}  // namespace guivarna::board
