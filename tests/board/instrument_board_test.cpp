#include "board/board_collection.h"
#include "board/board_settings.h"

#include "tests/board/board_test_support.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace guivarna::board {
namespace {

using test::BoardFixture;
using test::CellCentre;
using test::kPixelPerUnit;

const theory::Instrument kSevenString{{64, 59, 55, 50, 45, 40, 35}, 25, false};

int MarkedCells(const FretBoard& board)
{
    int marked = 0;
    for (const StringRow& row : board.Rows())
        for (const FretCell& cell : row.Cells())
            marked += cell.Marked() != 0;
    return marked;
}

TEST(InstrumentBoards, ApplyingRebuildsBothBoardsKeepingTheirLooksAndDroppingMarks)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    boards.SetChordBoardDotColour(0xFF2060C0);
    boards.Board(0).Row(2).SetDot(4, true);
    boards.Board(1).Row(5).SetDot(0, true);
    const CellStyle scaleStyle = boards.Board(0).Row(0).Style();

    boards.ApplyInstrument(kSevenString);

    for (int b : {BoardCollection::kScaleBoard, BoardCollection::kChordBoard}) {
        SCOPED_TRACE(b);
        const FretBoard& board = boards.Board(b);
        ASSERT_EQ(board.StringCount(), 7);
        ASSERT_EQ(board.RowCount(), 8);
        EXPECT_EQ(board.Rows().back().Orientation(), kFretNumberRow);
        EXPECT_EQ(board.Row(0).Orientation(), kTopString);
        EXPECT_EQ(board.Row(3).Orientation(), kInnerString);
        EXPECT_EQ(board.Row(6).Orientation(), kBottomString);
        EXPECT_EQ(board.Row(6).OpenNote(), 35);
        EXPECT_EQ(board.Row(6).Cell(0).NoteName(), QStringLiteral("B"));
        EXPECT_EQ(board.Height(), 8 * 50);
        EXPECT_EQ(MarkedCells(board), 0);
    }
    // The new seventh string looks like the old sixth; each board keeps its own colours.
    EXPECT_EQ(boards.Board(1).Row(6).Style().dotColour, 0xFF2060C0U);
    EXPECT_EQ(boards.Board(0).Row(6).Style(), scaleStyle);
    EXPECT_TRUE(boards.Board(1).IsChordBoard());
    EXPECT_EQ(boards.CurrentInstrument(), kSevenString);
}

TEST(InstrumentBoards, PositionsAndSizesFollowTheInstrument)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    boards.ApplyInstrument({{43, 38, 33, 28}, 49, false});
    const FretBoard& board = boards.Board(0);
    EXPECT_EQ(board.StringCount(), 4);
    for (const StringRow& row : board.Rows())
        EXPECT_EQ(row.CellCount(), 49);
    EXPECT_EQ(board.Width(), 49 * 80);
    EXPECT_EQ(board.Row(0).Cell(48).Note(), 43 + 48);

    boards.ApplyInstrument({{64}, 1, false});
    EXPECT_EQ(boards.Board(1).StringCount(), 1);
    EXPECT_EQ(boards.Board(1).Width(), 80);
}

TEST(InstrumentBoards, AnInstrumentTheBoardsCannotShowChangesNothing)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    const theory::Instrument before = boards.CurrentInstrument();
    const theory::Instrument bad[] = {
        {{}, 25, false},
        {std::vector<theory::Note>(25, 40), 25, true},
        {{64, 59}, 0, true},
        {{64, 59}, 50, true},
        {{64, 200}, 25, true},
    };
    for (const theory::Instrument& instrument : bad) {
        EXPECT_THROW(boards.ApplyInstrument(instrument), std::invalid_argument);
        EXPECT_EQ(boards.CurrentInstrument(), before);
        EXPECT_EQ(boards.Board(0).StringCount(), 6);
    }
}

TEST(InstrumentBoards, LeftHandedClicksHitTheMirroredCell)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    FretBoard& board = boards.Board(BoardCollection::kChordBoard);
    struct Case {
        int row;
        int fret;
    };
    for (const Case c : {Case{0, 0}, Case{5, 3}, Case{2, 24}, Case{3, 12}}) {
        SCOPED_TRACE(testing::Message() << "string row " << c.row << ", fret " << c.fret);
        boards.SetLeftHanded(false);
        const QPoint right = CellCentre(board, c.row, c.fret);
        boards.SetLeftHanded(true);
        // The mirror line is the board's vertical centre.
        const QPoint mirrored(2 * board.X() + board.Width() - right.x(), right.y());

        EXPECT_EQ(boards.Click(kPixelPerUnit, mirrored), 1);
        EXPECT_EQ(board.Row(c.row).Cell(c.fret).Marked(), 1);
        EXPECT_EQ(boards.LastClickedNote(), board.Row(c.row).OpenNote() + c.fret);
        EXPECT_EQ(MarkedCells(board), 1);
        board.Clear();
    }
    // The fret numbers run right to left: fret 0's label sits at the right end.
    const StringRow& numbers = board.Rows().back();
    EXPECT_EQ(numbers.Cell(0).X() + numbers.Cell(0).Width(), board.X() + board.Width());
    EXPECT_EQ(numbers.Cell(24).X(), board.X());
}

TEST(InstrumentBoards, MirroredCellsSwapTheirLeftAndRightLines)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    const FretBoard& board = boards.Board(0);
    const int rightHanded = board.Row(0).Cell(24).LineFlags();
    ASSERT_EQ(rightHanded, kStringLine | kLeftLowerLine | kRightLowerLine);
    const int nut = board.Row(1).Cell(1).LineFlags();
    ASSERT_EQ(nut, kStringLine | kLeftUpperLine | kLeftLowerLine);

    boards.SetLeftHanded(true);
    EXPECT_EQ(board.Row(0).Cell(24).LineFlags(), rightHanded);
    EXPECT_EQ(board.Row(1).Cell(1).LineFlags(), kStringLine | kRightUpperLine | kRightLowerLine);
    EXPECT_EQ(board.Rows().back().Cell(5).LineFlags(), kFretLabel);
}

TEST(InstrumentBoards, TheInstrumentSurvivesSaveAndLoad)
{
    BoardFixture fixture;
    fixture.Load().ApplyInstrument({kSevenString.openNotes, 19, true});
    BoardCollection& again = fixture.Reopen();
    const theory::Instrument expected{kSevenString.openNotes, 19, true};
    EXPECT_EQ(again.CurrentInstrument(), expected);
    EXPECT_EQ(again.Board(0).StringCount(), 7);
    EXPECT_TRUE(again.Board(0).LeftHanded());
    EXPECT_TRUE(again.Board(1).LeftHanded());

    // Back to right-handed is stored too, not just the absence of a value.
    again.SetLeftHanded(false);
    EXPECT_FALSE(fixture.Reopen().LeftHanded());
}

TEST(InstrumentBoards, ASettingsFileFromBeforeLoadsAndSavesUnchanged)
{
    // Written by an earlier build: no left-handed value, a four-string board 0 with its own
    // looks, and a ChordBoard left at the defaults except its tuning.
    const QByteArray old = "[FretBoards]\n"
                           "Default=2\n"
                           "FretBoard0\\Offset\\X=0\n"
                           "FretBoard0\\Offset\\Y=10\n"
                           "FretBoard0\\numSnares=4\n"
                           "FretBoard0\\IsChordBoard=0\n"
                           "FretBoard0\\Strings\\Default=1\n"
                           "FretBoard0\\Strings\\String0\\Orientation=0\n"
                           "FretBoard0\\Strings\\String0\\OpenSnare=67\n"
                           "FretBoard0\\Strings\\String0\\NumberOfFrets=13\n"
                           "FretBoard0\\Strings\\String0\\FretWidth=100\n"
                           "FretBoard0\\Strings\\String0\\FretHeight=60\n"
                           "FretBoard0\\Strings\\String0\\ShowNotes=0\n"
                           "FretBoard0\\Strings\\String0\\Frets\\Dot\\Color\\A=255\n"
                           "FretBoard0\\Strings\\String0\\Frets\\Dot\\Color\\R=32\n"
                           "FretBoard0\\Strings\\String0\\Frets\\Dot\\Color\\G=96\n"
                           "FretBoard0\\Strings\\String0\\Frets\\Dot\\Color\\B=192\n"
                           "FretBoard0\\Strings\\String0\\Frets\\Line\\Border=25\n"
                           "FretBoard0\\Strings\\String1\\Orientation=1\n"
                           "FretBoard0\\Strings\\String1\\OpenSnare=62\n"
                           "FretBoard0\\Strings\\String1\\NumberOfFrets=13\n"
                           "FretBoard0\\Strings\\String2\\Orientation=1\n"
                           "FretBoard0\\Strings\\String2\\OpenSnare=58\n"
                           "FretBoard0\\Strings\\String2\\NumberOfFrets=13\n"
                           "FretBoard0\\Strings\\String3\\Orientation=2\n"
                           "FretBoard0\\Strings\\String3\\OpenSnare=53\n"
                           "FretBoard0\\Strings\\String3\\NumberOfFrets=13\n"
                           "FretBoard0\\Strings\\String4\\Orientation=4\n"
                           "FretBoard0\\Strings\\String4\\OpenSnare=0\n"
                           "FretBoard1\\Offset\\X=0\n"
                           "FretBoard1\\Offset\\Y=500\n"
                           "FretBoard1\\numSnares=6\n"
                           "FretBoard1\\IsChordBoard=1\n"
                           "FretBoard1\\Strings\\String0\\OpenSnare=62\n"
                           "FretBoard1\\Strings\\String1\\OpenSnare=59\n"
                           "FretBoard1\\Strings\\String2\\OpenSnare=55\n"
                           "FretBoard1\\Strings\\String3\\OpenSnare=50\n"
                           "FretBoard1\\Strings\\String4\\OpenSnare=45\n"
                           "FretBoard1\\Strings\\String5\\OpenSnare=38\n";
    BoardFixture fixture;
    {
        QFile file(fixture.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    BoardCollection& boards = fixture.Load();
    EXPECT_FALSE(boards.LeftHanded());
    EXPECT_EQ(
        boards.CurrentInstrument(), (theory::Instrument{{62, 59, 55, 50, 45, 38}, 25, false}));
    const FretBoard& scale = boards.Board(0);
    ASSERT_EQ(scale.StringCount(), 4);
    EXPECT_EQ(scale.Row(0).OpenNote(), 67);
    EXPECT_EQ(scale.Row(3).OpenNote(), 53);
    EXPECT_EQ(scale.Row(0).CellCount(), 13);
    EXPECT_EQ(scale.Row(0).FretWidth(), 100);
    EXPECT_FALSE(scale.Row(0).ShowNotes());
    EXPECT_EQ(scale.Row(0).Style().dotColour, 0xFF2060C0U);
    EXPECT_FLOAT_EQ(scale.Row(0).Style().lineWidth, 2.5F);
    EXPECT_EQ(scale.Row(1).FretWidth(), 80);

    fixture.Close();
    QSettings saved(fixture.Path(), QSettings::IniFormat);
    // Every value the old file held is written back as it was.
    QTemporaryDir dir;
    const QString oldPath = dir.filePath(QStringLiteral("old.conf"));
    {
        QFile file(oldPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QSettings original(oldPath, QSettings::IniFormat);
    for (const QString& key : original.allKeys())
        EXPECT_EQ(saved.value(key).toString(), original.value(key).toString()) << key.toStdString();
    EXPECT_EQ(saved.value(QStringLiteral("FretBoards/LeftHanded")).toString(), QStringLiteral("0"));
}

TEST(InstrumentBoards, SavingChecksWritabilityOncePerSave)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    boards.ApplyInstrument({std::vector<theory::Note>(24, 40), 49, false});
    settings::SettingsStore& store = fixture.Store();
    const std::uint64_t before = store.WritabilityChecks();
    boards.Save(store);
    EXPECT_EQ(store.WritabilityChecks() - before, 1U);
    ASSERT_TRUE(store.Sync());
    const QSettings saved(fixture.Path(), QSettings::IniFormat);
    EXPECT_EQ(saved.value(QStringLiteral("FretBoards/FretBoard1/numSnares")).toInt(), 24);
}

TEST(InstrumentBoards, ATallScaleBoardPushesTheChordBoardDownUnlessItsOffsetIsStored)
{
    BoardFixture fixture;
    BoardCollection& boards = fixture.Load();
    boards.ApplyInstrument({{64, 59, 55, 50, 45, 40, 35, 30}, 25, false});
    EXPECT_EQ(boards.Offset(1), QPoint(0, 500));  // eight strings still fit above it

    const theory::Instrument twelve{std::vector<theory::Note>(12, 40), 25, false};
    boards.ApplyInstrument(twelve);
    const FretBoard& scale = boards.Board(0);
    EXPECT_EQ(boards.Offset(1).y(), scale.Y() + scale.Height() + 10);
    // The lowest ScaleBoard string and the top ChordBoard string each take their own click.
    const QPoint low = CellCentre(scale, 11, 2);
    const QPoint top = CellCentre(boards.Board(1), 0, 2);
    EXPECT_EQ(boards.Click(kPixelPerUnit, low), 1);
    EXPECT_EQ(boards.Click(kPixelPerUnit, top), 1);
    EXPECT_EQ(MarkedCells(scale), 1);
    EXPECT_EQ(MarkedCells(boards.Board(1)), 1);
    EXPECT_EQ(fixture.Reopen().Offset(1).y(), 10 + 13 * 50 + 10);

    ASSERT_TRUE(fixture.Store().WriteInt(u"\\FretBoards\\FretBoard1\\CustomOffset", 1));
    ASSERT_TRUE(fixture.Store().WriteInt(u"\\FretBoards\\FretBoard1\\Offset\\Y", 300));
    BoardCollection& custom = fixture.Boards();
    custom.Load(fixture.Store());
    EXPECT_EQ(custom.Offset(1), QPoint(0, 300));
}

}  // namespace
}  // namespace guivarna::board
