#include "board/board_collection.h"
#include "board/board_settings.h"

#include "tests/board/board_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>

#include <gtest/gtest.h>

namespace guivarna::board {
namespace {

using test::BoardFixture;
namespace board_keys = settings::board_keys;

class BoardSettingsTest : public ::testing::Test {
protected:
    void Write(QStringView path, std::uint32_t value)
    {
        ASSERT_TRUE(fixture_.Store().WriteInt(path, static_cast<std::int32_t>(value)));
    }
    void WriteRaw(const QByteArray& text)
    {
        QFile file(fixture_.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The file as another program would see it, after the collection saved and closed.
    QString Saved(const QString& key)
    {
        QSettings raw(fixture_.Path(), QSettings::IniFormat);
        return raw.value(key).toString();
    }
    std::vector<int> OpenNotes(int board)
    {
        std::vector<int> notes;
        fixture_.Boards().OpenNotes(board, notes);
        return notes;
    }

    BoardFixture fixture_;
};

void ExpectDefaultBoard(const FretBoard& board, QPoint offset)
{
    EXPECT_EQ(board.Offset(), offset);
    ASSERT_EQ(board.RowCount(), 7);
    const int tuning[] = {64, 59, 55, 50, 45, 40};
    const int orientation[] = {
        kTopString, kInnerString, kInnerString, kInnerString, kInnerString, kBottomString};
    for (int r = 0; r < 6; ++r) {
        const StringRow& row = board.Row(r);
        EXPECT_EQ(row.OpenNote(), tuning[r]);
        EXPECT_EQ(row.Orientation(), orientation[r]);
        EXPECT_EQ(row.CellCount(), 25);
        EXPECT_EQ(row.FretWidth(), 80);
        EXPECT_EQ(row.FretHeight(), 50);
        EXPECT_TRUE(row.ShowNotes());
        EXPECT_EQ(row.Cell(7).Style(), CellStyle{});
        EXPECT_EQ(row.Cell(7).DotColour(), 0xFFFFA500u);
        EXPECT_FLOAT_EQ(row.Cell(7).LineWidth(), 1.0f);
    }
    EXPECT_EQ(board.Row(6).Orientation(), kFretNumberRow);
}

TEST_F(BoardSettingsTest, FirstStartBuildsDefaultsAndSavesThemWithTheExactKeys)
{
    BoardCollection& boards = fixture_.Load();
    ASSERT_EQ(boards.BoardCount(), 2);
    ExpectDefaultBoard(boards.Board(0), QPoint(0, 10));
    ExpectDefaultBoard(boards.Board(1), QPoint(0, 500));
    boards.Board(0).Row(0).SetDot(3, true);
    fixture_.Close();

    const QString b0 = QStringLiteral("FretBoards/FretBoard0/");
    const QString b1 = QStringLiteral("FretBoards/FretBoard1/");
    EXPECT_EQ(Saved(QStringLiteral("FretBoards/Default")), QStringLiteral("2"));
    EXPECT_EQ(Saved(b0 + QStringLiteral("Offset/Y")), QStringLiteral("10"));
    EXPECT_EQ(Saved(b1 + QStringLiteral("Offset/Y")), QStringLiteral("500"));
    EXPECT_EQ(Saved(b1 + QStringLiteral("numSnares")), QStringLiteral("6"));
    EXPECT_EQ(Saved(b1 + QStringLiteral("IsChordBoard")), QStringLiteral("1"));
    EXPECT_EQ(Saved(b0 + QStringLiteral("IsChordBoard")), QStringLiteral("0"));
    EXPECT_EQ(Saved(b0 + QStringLiteral("Strings/Default")), QStringLiteral("1"));
    EXPECT_EQ(Saved(b0 + QStringLiteral("Strings/String5/OpenSnare")), QStringLiteral("40"));
    EXPECT_EQ(Saved(b0 + QStringLiteral("Strings/String5/Orientation")), QStringLiteral("2"));
    EXPECT_EQ(
        Saved(b0 + QStringLiteral("Strings/String0/Frets/Dot/Color/G")), QStringLiteral("165"));
    EXPECT_EQ(
        Saved(b0 + QStringLiteral("Strings/String2/Frets/Line/Color/A")), QStringLiteral("255"));
    EXPECT_EQ(
        Saved(b0 + QStringLiteral("Strings/String2/Frets/Line/Border")), QStringLiteral("10"));
    // The fret-number row lands under the index after the last string.
    EXPECT_EQ(Saved(b0 + QStringLiteral("Strings/String6/Orientation")), QStringLiteral("4"));
    EXPECT_EQ(Saved(b0 + QStringLiteral("Strings/String6/OpenSnare")), QStringLiteral("0"));

    QSettings raw(fixture_.Path(), QSettings::IniFormat);
    EXPECT_FALSE(raw.contains(b0 + QStringLiteral("CustomOffset")));
    for (const QString& key : raw.allKeys()) {
        EXPECT_FALSE(key.contains(QStringLiteral("Marked"))) << key.toStdString();
    }
}

TEST_F(BoardSettingsTest, SaveThenLoadRoundTripsEveryValue)
{
    const QString s = QStringLiteral("\\FretBoards\\FretBoard1\\Strings\\String2\\");
    Write(s + QStringLiteral("NumberOfFrets"), 13);
    Write(s + QStringLiteral("FretWidth"), 120);
    Write(s + QStringLiteral("FretHeight"), 70);
    Write(s + QStringLiteral("ShowNotes"), 0);
    Write(s + QStringLiteral("OpenSnare"), 57);
    Write(s + QStringLiteral("Orientation"), kTopString);
    Write(s + QStringLiteral("Frets\\Line\\Border"), 29);
    Write(s + QStringLiteral("Frets\\Line\\Color\\R"), 200);
    for (int k = 0; k < 6; ++k)
        Write(QStringLiteral("\\FretBoards\\FretBoard1\\Strings\\String%1\\OpenSnare").arg(k),
            k == 2 ? 57 : 60 - k);
    BoardCollection& first = fixture_.Load();
    first.SetScaleBoardDotColour(0x80102030);

    const auto snapshot = [](const BoardCollection& boards) {
        std::vector<std::vector<int>> values;
        for (int b = 0; b < boards.BoardCount(); ++b) {
            const FretBoard& board = boards.Board(b);
            values.push_back({board.Offset().x(), board.Offset().y(), board.IsChordBoard(),
                board.RowCount(), board.Width(), board.Height()});
            for (const StringRow& row : board.Rows()) {
                const FretCell& cell = row.Cell(row.CellCount() - 1);
                values.push_back({row.Orientation(), row.OpenNote(), row.CellCount(),
                    row.FretWidth(), row.FretHeight(), row.ShowNotes(),
                    static_cast<int>(cell.DotColour()), static_cast<int>(cell.LineColour()),
                    static_cast<int>(cell.LineWidth() * 1000), cell.DotStyle(), cell.LineFlags()});
            }
        }
        return values;
    };
    const auto before = snapshot(first);
    EXPECT_EQ(first.Board(1).Row(2).CellCount(), 13);
    EXPECT_EQ(first.Board(1).Row(2).Cell(1).LineColour(), 0xFFC80000u);
    BoardCollection& second = fixture_.Reopen();
    EXPECT_EQ(snapshot(second), before);
    // And once more: saving what was loaded changes nothing.
    EXPECT_EQ(snapshot(fixture_.Reopen()), before);
}

TEST_F(BoardSettingsTest, LineWidthsSurviveTheTenthsConversion)
{
    for (std::uint32_t border = 0; border <= 1000; ++border) {
        FretCell cell;
        cell.SetLineWidth(static_cast<float>(border * 0.1));
        cell.SaveColours(fixture_.Store(), u"W\\");
        EXPECT_EQ(FretCell::ReadStyle(fixture_.Store(), u"W\\").lineWidth, cell.LineWidth())
            << border;
    }
}

TEST_F(BoardSettingsTest, CustomOffsetDecidesWhetherStoredOffsetsCount)
{
    Write(u"\\FretBoards\\FretBoard0\\Offset\\X", 300);
    Write(u"\\FretBoards\\FretBoard0\\Offset\\Y", 400);
    Write(u"\\FretBoards\\FretBoard1\\Offset\\X", 333);
    Write(u"\\FretBoards\\FretBoard1\\CustomOffset", 0);
    Write(u"\\FretBoards\\FretBoard1\\Offset\\Y", static_cast<std::uint32_t>(-250));
    BoardCollection& boards = fixture_.Load();
    EXPECT_EQ(boards.Offset(0), QPoint(0, 10));
    EXPECT_EQ(boards.Offset(1), QPoint(333, -250));
    EXPECT_EQ(boards.Board(1).Position(), QPoint(333, -250));
}

TEST_F(BoardSettingsTest, LaterBoardsTakeThePreviousOffset)
{
    Write(u"\\FretBoards\\", 3);
    BoardCollection& boards = fixture_.Load();
    ASSERT_EQ(boards.BoardCount(), 3);
    EXPECT_EQ(boards.Offset(2), QPoint(0, 500));
    EXPECT_FALSE(boards.Board(2).IsChordBoard());
    EXPECT_EQ(&boards.LastBoard(), &boards.Board(2));
}

TEST_F(BoardSettingsTest, FourStringBoard)
{
    Write(u"\\FretBoards\\FretBoard0\\numSnares", 4);
    const int tuning[] = {43, 38, 33, 28};
    for (int k = 0; k < 4; ++k)
        Write(QStringLiteral("\\FretBoards\\FretBoard0\\Strings\\String%1\\OpenSnare").arg(k),
            tuning[k]);
    BoardCollection& boards = fixture_.Load();
    const FretBoard& board = boards.Board(0);
    ASSERT_EQ(board.StringCount(), 4);
    EXPECT_EQ(OpenNotes(0), (std::vector<int>{43, 38, 33, 28}));
    const int orientations[] = {0, 1, 1, 2, 4};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(board.Row(r).Orientation(), orientations[r]) << r;
    EXPECT_EQ(board.Height(), 250);
    EXPECT_EQ(boards.StringCount(1), 6);
}

TEST_F(BoardSettingsTest, ValuesReadAsTheyAreStored)
{
    WriteRaw("[FretBoards]\n"
             "FretBoard0\\Strings\\String0\\ShowNotes=2\n"
             "FretBoard0\\Strings\\String1\\NumberOfFrets=twelve\n"
             "FretBoard0\\Strings\\String2\\Frets\\Dot\\Color\\R=300\n"
             "FretBoard0\\Strings\\String3\\Frets\\Line\\Border=25\n"
             "FretBoard0\\IsChordBoard=7\n"
             "FretBoard1\\IsChordBoard=0\n");
    BoardCollection& boards = fixture_.Load();
    const FretBoard& board = boards.Board(0);
    EXPECT_FALSE(board.Row(0).ShowNotes());
    EXPECT_EQ(board.Row(0).Cell(3).DotStyle(), kFilledDot);
    EXPECT_EQ(board.Row(1).CellCount(), 25);
    EXPECT_EQ(board.Row(2).Cell(0).DotColour(), 0xFF2CA500u);  // 300 & 0xFF = 44
    EXPECT_FLOAT_EQ(board.Row(3).Cell(0).LineWidth(), 2.5f);
    EXPECT_TRUE(board.IsChordBoard());
    EXPECT_TRUE(boards.Board(1).IsChordBoard());  // board 1 always is
}

TEST_F(BoardSettingsTest, MissingTuningAboveSixStringsKeepsSixStandardStrings)
{
    Write(u"\\FretBoards\\FretBoard0\\numSnares", 9);
    for (int k = 0; k < 7; ++k)
        Write(QStringLiteral("\\FretBoards\\FretBoard0\\Strings\\String%1\\OpenSnare").arg(k),
            70 - k);
    BoardCollection& boards = fixture_.Load();
    const FretBoard& board = boards.Board(0);
    EXPECT_EQ(board.StringCount(), 6);
    EXPECT_EQ(OpenNotes(0), (std::vector<int>{64, 59, 55, 50, 45, 40}));
    EXPECT_EQ(board.Row(5).Orientation(), kBottomString);
    EXPECT_EQ(board.Row(5).Cell(24).LineFlags(), 0x15);
    EXPECT_EQ(board.Row(6).Orientation(), kFretNumberRow);
}

TEST_F(BoardSettingsTest, MissingTuningBelowSixStringsFillsUpToSix)
{
    Write(u"\\FretBoards\\FretBoard0\\numSnares", 4);
    Write(u"\\FretBoards\\FretBoard0\\Strings\\String0\\OpenSnare", 62);
    BoardCollection& boards = fixture_.Load();
    EXPECT_EQ(OpenNotes(0), (std::vector<int>{64, 59, 55, 50, 45, 40}));
    EXPECT_EQ(boards.Board(0).Row(5).Orientation(), kBottomString);
}

// The largest boards the settings allow must still fit the store's file size limit. Every cell of a
// row writes the same keys, so one fret per row keeps the saves short without changing the file.
TEST_F(BoardSettingsTest, LargestBoardsSaveAndLoadAgain)
{
    Write(u"\\FretBoards\\", settings::board_keys::kMaxBoards);
    for (int b = 0; b < settings::board_keys::kMaxBoards; ++b) {
        Write(Join(BoardPath(b), board_keys::kNumSnares), settings::board_keys::kMaxStrings);
        for (int k = 0; k < settings::board_keys::kMaxStrings; ++k) {
            const QString row = RowPath(BoardPath(b), k);
            Write(Join(row, board_keys::kOpenSnare), 30 + k);
            Write(Join(row, board_keys::kNumberOfFrets), 1);
        }
    }
    fixture_.Load();
    BoardCollection& again = fixture_.Reopen();
    ASSERT_EQ(again.BoardCount(), settings::board_keys::kMaxBoards);
    EXPECT_EQ(again.StringCount(7), settings::board_keys::kMaxStrings);
    EXPECT_EQ(again.Board(7).Row(23).OpenNote(), 53);
    EXPECT_LT(QFileInfo(fixture_.Path()).size(), 300 * 1024);
}

TEST_F(BoardSettingsTest, BoardWithoutFretNumberRowKeepsAllStrings)
{
    Write(u"\\FretBoards\\FretBoard0\\Strings\\", 0);
    BoardCollection& boards = fixture_.Load();
    EXPECT_EQ(boards.Board(0).RowCount(), 6);
    EXPECT_EQ(boards.StringCount(0), 6);
    EXPECT_EQ(boards.LastStringOpenNote(0), 40);
    BoardCollection& again = fixture_.Reopen();
    EXPECT_EQ(again.StringCount(0), 6);
    EXPECT_EQ(again.Board(0).RowCount(), 6);
}

// Each case stores one damaged value; the board must come out as the default one (the time this
// takes for the huge counts is measured by bench/board).
TEST_F(BoardSettingsTest, CorruptValuesFallBackToDefaults)
{
    struct Case {
        const char* name;
        QByteArray ini;
    };
    const Case cases[] = {
        {"huge string count", "FretBoard0\\numSnares=1000000000\n"},
        {"negative string count", "FretBoard0\\numSnares=-3\n"},
        {"zero strings", "FretBoard0\\numSnares=0\n"},
        {"huge fret count", "FretBoard0\\Strings\\String0\\NumberOfFrets=2000000000\n"},
        {"fifty frets", "FretBoard0\\Strings\\String0\\NumberOfFrets=50\n"},
        {"zero frets", "FretBoard0\\Strings\\String0\\NumberOfFrets=0\n"},
        {"wide fret", "FretBoard0\\Strings\\String0\\FretWidth=1001\n"},
        {"flat fret", "FretBoard0\\Strings\\String0\\FretHeight=0\n"},
        {"far offset",
            "FretBoard0\\CustomOffset=1\nFretBoard0\\Offset\\X=100001\n"
            "FretBoard0\\Offset\\Y=10\n"},
        {"open note 128", "FretBoard0\\Strings\\String0\\OpenSnare=128\n"},
        {"negative open note", "FretBoard0\\Strings\\String0\\OpenSnare=-1\n"},
        {"huge border", "FretBoard0\\Strings\\String0\\Frets\\Line\\Border=4000000000\n"},
        {"board count", "Default=1000000000\n"},
        {"one board", "Default=1\n"},
        {"binary junk", "FretBoard0\\numSnares=@ByteArray(\\0\\0\\0\\x1)\n"},
        {"first string of the fret-number kind", "FretBoard0\\Strings\\String0\\Orientation=4\n"},
        {"last string of the fret-number kind", "FretBoard0\\Strings\\String5\\Orientation=4\n"},
    };
    for (const Case& c : cases) {
        BoardFixture fixture;
        {
            QFile file(fixture.Path());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[FretBoards]\n" + c.ini);
        }
        BoardCollection& boards = fixture.Load();
        ASSERT_EQ(boards.BoardCount(), 2) << c.name;
        EXPECT_TRUE(boards.Board(1).IsChordBoard()) << c.name;
        SCOPED_TRACE(c.name);
        ExpectDefaultBoard(boards.Board(0), QPoint(0, 10));
        ExpectDefaultBoard(boards.Board(1), QPoint(0, 500));
        // And they stay so after a restart.
        ExpectDefaultBoard(fixture.Reopen().Board(0), QPoint(0, 10));
    }
}

TEST_F(BoardSettingsTest, GarbageFileLoadsDefaultBoards)
{
    QByteArray junk(256 * 1024, '\0');
    QRandomGenerator generator(5);
    for (char& c : junk)
        c = static_cast<char>(generator.bounded(256));
    WriteRaw("[FretBoards\n" + junk + "\n[FretBoards]\nFretBoard0\\numSnares=\xff\xfe\n");
    BoardCollection& boards = fixture_.Load();
    ASSERT_EQ(boards.BoardCount(), 2);
    ExpectDefaultBoard(boards.Board(0), QPoint(0, 10));
}

TEST_F(BoardSettingsTest, UnwritableSettingsLoseNothingInMemory)
{
    BoardCollection& boards = fixture_.Load();
    boards.Board(0).Row(1).SetDot(4, true);
    {
        QFile file(fixture_.Path());
        file.remove();
    }
    ASSERT_TRUE(QDir().mkdir(fixture_.Path()));  // a directory where the file should be
    settings::SettingsStore blocked(fixture_.Path());
    boards.Save(blocked);
    EXPECT_FALSE(blocked.Sync());
    EXPECT_EQ(boards.Board(0).Row(1).Cell(4).Marked(), 1);
    EXPECT_EQ(boards.StringCount(0), 6);
    fixture_.Close();  // the exit save fails quietly as well
}

TEST(BoardPathTest, PiecesJoinAsStored)
{
    EXPECT_EQ(BoardPath(1), QStringLiteral("\\FretBoards\\FretBoard1\\"));
    EXPECT_EQ(
        RowPath(BoardPath(0), 12), QStringLiteral("\\FretBoards\\FretBoard0\\Strings\\String12\\"));
    EXPECT_EQ(
        settings::SettingsStore::SettingsKey(Join(
            settings::Join(RowPath(BoardPath(0), 3), board_keys::kFrets), board_keys::kLineBorder)),
        QStringLiteral("FretBoards/FretBoard0/Strings/String3/Frets/Line/Border"));
}

}  // namespace
}  // namespace guivarna::board
