#include "app/scale_position_commands.h"

#include "app/main_frame.h"
#include "app/scale_by_name_dialog.h"
#include "board/board_collection.h"
#include "sheet/chord_sheet.h"
#include "sheet/window/chord_sheet_window.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <set>

namespace guivarna {
namespace {

using board::BoardCollection;

class ScalePositionsTest : public test::AppTest {
protected:
    // Picks A minor pentatonic under "Scale by name…"; the dialog's position rows, read before
    // OK, and the row picked (0: the whole scale).
    QStringList ChooseAPentatonic(MainFrame& frame, int row = 0, bool threeNotes = false)
    {
        QStringList rows;
        test::WhenModalOpens<ScaleByNameDialog>([&](ScaleByNameDialog& dialog) {
            QTest::keyClicks(dialog.Root(), QStringLiteral("A"));
            QTest::keyClicks(dialog.Filter(), QStringLiteral("minor pentatonic"));
            if (threeNotes)
                dialog.SystemBox()->setCurrentIndex(1);
            for (int i = 0; i < dialog.PositionList()->count(); ++i)
                rows << dialog.PositionList()->item(i)->text();
            dialog.PositionList()->setCurrentRow(row);
            QTest::mouseClick(dialog.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        frame.action(CommandId::ScaleByName)->trigger();
        return rows;
    }

    std::set<std::pair<int, int>> Marks() const
    {
        const auto marks = objects_->boards.Board(BoardCollection::kScaleBoard).MarkedPositions();
        return {marks.begin(), marks.end()};
    }
};

TEST_F(ScalePositionsTest, ThePositionsPartListsThePositionsWithTheirFrets)
{
    MainFrame& frame = MakeFrame();
    const QStringList rows = ChooseAPentatonic(frame, 1);
    EXPECT_EQ(rows,
        (QStringList{QStringLiteral("Whole scale"), QStringLiteral("Position 1: frets 5–8"),
            QStringLiteral("Position 2: frets 7–10"), QStringLiteral("Position 3: frets 9–13"),
            QStringLiteral("Position 4: frets 12–15"), QStringLiteral("Position 5: frets 2–5")}));
    // Only the twelve notes of the box at fret 5 are marked, string 1 being row 0.
    const std::set<std::pair<int, int>> box1 = {{0, 5}, {0, 8}, {1, 5}, {1, 8}, {2, 5}, {2, 7},
        {3, 5}, {3, 7}, {4, 5}, {4, 7}, {5, 5}, {5, 8}};
    EXPECT_EQ(Marks(), box1);
    EXPECT_EQ(objects_->boards.Board(BoardCollection::kScaleBoard).RootPitchClass(), 9);

    // A pentatonic scale has no three-notes-per-string patterns; the list says why.
    const QStringList three = ChooseAPentatonic(frame, 0, true);
    ASSERT_EQ(three.size(), 2);
    EXPECT_EQ(three[1], QStringLiteral("Three notes per string needs a scale of 6 notes or more."));
    EXPECT_EQ(frame.ScalePositions()->Positions().size(), 0u);
    EXPECT_FALSE(frame.action(CommandId::NextPosition)->isEnabled());
}

TEST_F(ScalePositionsTest, NextAndPreviousStepThroughThePositionsWithTheirFingers)
{
    MainFrame& frame = MakeFrame();
    ChooseAPentatonic(frame);
    frame.UpdateCommands();
    ASSERT_TRUE(frame.action(CommandId::NextPosition)->isEnabled());
    EXPECT_FALSE(frame.action(CommandId::PlayPosition)->isEnabled());
    frame.action(CommandId::ShowFingers)->trigger();
    const board::FretBoard& board = objects_->boards.Board(BoardCollection::kScaleBoard);
    std::vector<int> lowestFrets;
    for (int step = 0; step < 6; ++step) {
        frame.action(CommandId::NextPosition)->trigger();
        lowestFrets.push_back(Marks().empty() ? -1 : [&] {
            int lowest = 99;
            for (const auto& [row, fret] : Marks())
                lowest = std::min(lowest, fret);
            return lowest;
        }());
    }
    // Positions 1 to 5, then round to 1 again.
    EXPECT_EQ(lowestFrets, (std::vector<int>{5, 7, 9, 12, 2, 5}));
    EXPECT_TRUE(board.ShowFingers());
    // Box 1: the index on fret 5, the little finger on the lowest string's fret 8.
    EXPECT_EQ(board.MarkFingers().at({5, 5}), 1);
    EXPECT_EQ(board.MarkFingers().at({5, 8}), 4);
    frame.action(CommandId::PreviousPosition)->trigger();
    EXPECT_EQ(frame.ScalePositions()->Current(), 4);
    frame.UpdateCommands();
    EXPECT_TRUE(frame.action(CommandId::PlayPosition)->isEnabled());

    // Both shortcuts are their own and no standard key.
    for (const CommandId id : {CommandId::NextPosition, CommandId::PreviousPosition}) {
        const QAction* own = frame.action(id);
        const QKeySequence shortcut = own->shortcut();
        ASSERT_FALSE(shortcut.isEmpty());
        for (const QAction* other : frame.findChildren<QAction*>()) {
            if (other != own) {
                EXPECT_FALSE(other->shortcuts().contains(shortcut)) << other->text().toStdString();
            }
        }
        for (int key = QKeySequence::UnknownKey + 1; key <= QKeySequence::Cancel; ++key) {
            EXPECT_FALSE(QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(key))
                             .contains(shortcut));
        }
    }
}

TEST_F(ScalePositionsTest, PositionsGoOnTheChordSheetAsScaleDiagrams)
{
    MainFrame& frame = MakeFrame();
    ChooseAPentatonic(frame, 2);
    frame.UpdateCommands();
    frame.action(CommandId::AddPositionToSheet)->trigger();
    frame.action(CommandId::AddAllPositionsToSheet)->trigger();
    const sheet::ChordSheet& sheet = frame.Sheet()->Sheet();
    ASSERT_EQ(sheet.Count(), 6);
    EXPECT_EQ(sheet.Shapes()[0].name, "A minor pentatonic, position 2");
    EXPECT_EQ(sheet.Shapes()[5].name, "A minor pentatonic, position 5");
    for (const theory::ChordShape& shape : sheet.Shapes()) {
        ASSERT_TRUE(shape.scale.has_value());
        EXPECT_EQ(shape.scale->root, 9);
        EXPECT_EQ(shape.tuning, (std::vector<int>{64, 59, 55, 50, 45, 40}));
    }
    EXPECT_TRUE(frame.Sheet()->isVisible());
}

TEST_F(ScalePositionsTest, AFoundScaleStepsFromItsLowestNoteWithoutARoot)
{
    MainFrame& frame = MakeFrame();
    ScalePositionCommands& positions = *frame.ScalePositions();
    positions.SetFoundScale({60, 62, 64, 67, 69});
    ASSERT_EQ(positions.Positions().size(), 5u);
    positions.NextPosition();
    EXPECT_EQ(objects_->boards.Board(BoardCollection::kScaleBoard).RootPitchClass(), -1);
    positions.AddPositionToSheet();
    const theory::ChordShape& shape = frame.Sheet()->Sheet().Shapes().at(0);
    EXPECT_EQ(shape.name, "C major pentatonic, position 1");
    EXPECT_EQ(shape.scale->root, -1);
}

TEST_F(ScalePositionsTest, AnotherInstrumentGetsItsOwnPositions)
{
    MainFrame& frame = MakeFrame();
    ChooseAPentatonic(frame, 1);
    objects_->boards.ApplyInstrument({{69, 64, 60, 67}, 13, false});  // a ukulele
    frame.ScalePositions()->NextPosition();
    const board::FretBoard& board = objects_->boards.Board(BoardCollection::kScaleBoard);
    ASSERT_FALSE(board.MarkedPositions().empty());
    for (const auto& [row, fret] : board.MarkedPositions()) {
        const int degree = (board.Row(row).Cell(fret).Note() + 12 - 9) % 12;
        EXPECT_TRUE(degree == 0 || degree == 3 || degree == 5 || degree == 7 || degree == 10)
            << row << "/" << fret;
        EXPECT_LT(row, 4);
        EXPECT_LT(fret, 13);
    }
}

TEST(ScalePositionCommands, APositionPlaysUpAndBackDown)
{
    theory::ScalePosition position;
    position.strings = {{{5, 1}, {8, 4}}, {}, {{7, 3}}};  // string 1, 2, 3
    EXPECT_EQ(ScalePositionCommands::UpAndDown(position, {64, 59, 55}),
        (std::vector<int>{62, 69, 72, 69, 62}));
}

}  // namespace
}  // namespace guivarna
