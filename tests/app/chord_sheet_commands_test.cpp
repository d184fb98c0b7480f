#include "app/chord_sheet_commands.h"
#include "app/main_frame.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "sheet/window/chord_sheet_window.h"
#include "tests/app/app_test_fixture.h"

#include <QAction>
#include <QTest>

namespace guivarna::test {
namespace {

class ChordSheetCommandsTest : public AppTest {
protected:
    MainFrame& Frame()
    {
        MainFrame& frame = MakeFrame();
        frame.Sheet()->Dialogs().tell = [this](bool, const QString& text) { told_ << text; };
        return frame;
    }
    std::vector<std::string> Names(MainFrame& frame) const
    {
        std::vector<std::string> names;
        for (const theory::ChordShape& shape : frame.Sheet()->Sheet().Shapes())
            names.push_back(shape.name);
        return names;
    }

    QStringList told_;
};

TEST_F(ChordSheetCommandsTest, TheChordBoardGoesOnTheSheetAsItIsMarked)
{
    MainFrame& frame = Frame();
    QAction* add = frame.action(CommandId::AddChordBoardToSheet);
    ASSERT_NE(add, nullptr);
    frame.UpdateCommands();
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(frame.Sheet()->isVisible());

    // x32010, string 1 first: C on the standard guitar.
    theory::ChordFingering c{{1, 2, 3, 4, 5}, {64, 60, 67, 64, 60}, {0, 1, 0, 2, 3}};
    objects_->boards.ShowFingering(board::BoardCollection::kChordBoard, c);
    frame.UpdateCommands();
    ASSERT_TRUE(add->isEnabled());
    add->trigger();
    EXPECT_TRUE(frame.Sheet()->isVisible());
    ASSERT_EQ(Names(frame), (std::vector<std::string>{"C"}));
    const theory::ChordShape& shape = frame.Sheet()->Sheet().Shapes()[0];
    EXPECT_EQ(shape.frets, (std::vector<int>{0, 1, 0, 2, 3, -1}));
    EXPECT_EQ(shape.fingers, (std::vector<int>{0, 1, 0, 2, 3, 0}));
    EXPECT_EQ(shape.tuning, (std::vector<int>{64, 59, 55, 50, 45, 40}));

    // Two marks on one string are no diagram: the user is told, the sheet keeps what it had.
    theory::ChordFingering two{{1, 1}, {64, 65}, {0, 1}};
    objects_->boards.ShowFingering(board::BoardCollection::kChordBoard, two);
    EXPECT_FALSE(frame.SheetCommands()->AddChordBoard());
    EXPECT_EQ(told_.size(), 1);
    EXPECT_EQ(frame.Sheet()->Sheet().Count(), 1);

    // Alt+2 closes and opens the sheet window.
    QTest::keyClick(&frame, Qt::Key_2, Qt::AltModifier);
    EXPECT_FALSE(frame.Sheet()->isVisible());
    EXPECT_FALSE(frame.action(CommandId::ChordSheetWindow)->isChecked());
}

TEST_F(ChordSheetCommandsTest, SelectedSearchRowsGoOnTheSheetInListOrder)
{
    MainFrame& frame = Frame();
    calc::ChordResultPage& page = RunCMajorSearch(*objects_, frame);
    ASSERT_FALSE(page.Runner().HasWorker());

    calc::ResultListView& list = page.List();
    QAction* add = frame.action(CommandId::AddToChordSheet);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.RowRect(0).center());
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    frame.UpdateCommands();
    ASSERT_TRUE(add->isEnabled());
    const std::vector<theory::ChordFingering> rows = page.SelectedFingerings(10);
    ASSERT_EQ(rows.size(), 5u);
    add->trigger();
    ASSERT_EQ(frame.Sheet()->Sheet().Count(), 5);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const theory::ChordShape& shape = frame.Sheet()->Sheet().Shapes()[i];
        const std::vector<int> frets = theory::FretsOfFingering(rows[i], 6);
        EXPECT_EQ(shape.frets, frets);
        // Inversions too are named on the root of the chord searched for, the bass after a slash.
        EXPECT_TRUE(shape.name == "C" || shape.name == "C/E" || shape.name == "C/G") << shape.name;
    }
    EXPECT_TRUE(told_.isEmpty());
}

TEST_F(ChordSheetCommandsTest, SearchRowsKeepTheInstrumentTheyWereFoundOn)
{
    MainFrame& frame = Frame();
    calc::ChordResultPage& page = RunCMajorSearch(*objects_, frame);
    calc::ResultListView& list = page.List();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.RowRect(0).center());
    const std::vector<int> frets = theory::FretsOfFingering(page.SelectedFingerings(1).at(0), 6);
    // The ChordBoard turns into a ukulele while the guitar's rows are still listed.
    objects_->boards.ApplyInstrument({.openNotes = {69, 64, 60, 67}});
    frame.action(CommandId::AddToChordSheet)->trigger();
    ASSERT_EQ(frame.Sheet()->Sheet().Count(), 1);
    const theory::ChordShape& shape = frame.Sheet()->Sheet().Shapes()[0];
    EXPECT_EQ(shape.frets, frets);
    EXPECT_EQ(shape.tuning, (std::vector<int>{64, 59, 55, 50, 45, 40}));
    EXPECT_EQ(shape.name.substr(0, 1), "C");
}

}  // namespace
}  // namespace guivarna::test
