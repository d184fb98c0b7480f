#include "board/board_painter.h"
#include "board/fret_board.h"
#include "tests/board/board_test_support.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace guivarna::board {
namespace {

QImage Render(const FretBoard& board)
{
    QImage image(board.Width() + 20, board.Height() + 20, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = 10000;  // 254 dpi: one scene unit is one pixel
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    BoardPainter(painter, test::kPixelPerUnit).DrawBoard(board, QPoint(0, 0));
    return image;
}

theory::ChordFingering Shape(const std::vector<std::uint32_t>& frets)  // string 1 first
{
    theory::ChordFingering f;
    for (std::size_t s = 0; s < frets.size(); ++s) {
        f.StringSet.push_back(static_cast<std::uint32_t>(s + 1));
        f.StringNotes.push_back(60);
        f.FretBoardPosition.push_back(frets[s]);
    }
    return f;
}

// The scene point halfway between the centres of two string rows at one fret.
QPoint Between(const FretBoard& board, int upperRow, int fret)
{
    const QPoint a = test::CellCentre(board, upperRow, fret) - board.Position();
    const QPoint b = test::CellCentre(board, upperRow + 1, fret) - board.Position();
    return (a + b) / 2;
}

TEST(ShowFingers, MarksShowFingerDigitsAndABarreIsOneBar)
{
    test::BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    FretBoard& board = boards.Board(BoardCollection::kChordBoard);
    board.ShowFingering(Shape({1, 1, 2, 3, 3, 1}));  // F, a barre at fret 1

    const theory::Hand held = board.HeldShape();
    ASSERT_TRUE(held.playable);
    EXPECT_EQ(theory::FingerText(held), "1,1,2,4,3,1");

    const QImage names = Render(board);
    boards.SetShowFingers(true);
    const QImage fingers = Render(board);
    EXPECT_NE(names, fingers);
    // Between strings 1 and 2 at fret 1 only the barre puts colour (its digit sits mid-bar).
    const QPoint gap = Between(board, 0, 1);
    const QColor dot = QColor::fromRgba(board.Row(0).Cell(1).DotColour());
    EXPECT_EQ(fingers.pixelColor(gap), dot);
    EXPECT_NE(names.pixelColor(gap), dot);
    // No barre where no finger lies across the strings: fret 3 between strings 4 and 5.
    EXPECT_NE(fingers.pixelColor(Between(board, 3, 3)), dot);

    // A shape a hand cannot hold keeps its note names.
    board.ShowFingering(Shape({1, 8, 0, 0, 0, 0}));
    EXPECT_FALSE(board.HeldShape().playable);
    const QImage unplayable = Render(board);
    boards.SetShowFingers(false);
    EXPECT_EQ(Render(board), unplayable);
}

TEST(ShowFingers, TheSettingIsSavedAndOffByDefault)
{
    test::BoardFixture fixture;
    EXPECT_FALSE(fixture.Load().ShowFingers());
    fixture.Boards().SetShowFingers(true);
    EXPECT_TRUE(fixture.Reopen().ShowFingers());
    EXPECT_TRUE(fixture.Boards().Board(BoardCollection::kChordBoard).ShowFingers());
    fixture.Boards().SetShowFingers(false);
    EXPECT_FALSE(fixture.Reopen().ShowFingers());
}

}  // namespace
}  // namespace guivarna::board
