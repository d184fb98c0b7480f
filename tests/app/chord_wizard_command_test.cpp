#include "app/wizard_commands.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/chord_wizard.h"
#include "calc/note_picker.h"
#include "calc/note_select_page.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"

#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace guivarna {
namespace {

using test::ClickEnabled;
using test::WhenModalOpens;

using ChordWizardCommandTest = test::AppTest;

TEST_F(ChordWizardCommandTest, FirstItemOfTheChordBoardMenu)
{
    MainFrame& frame = MakeFrame();
    QAction* wizard = frame.action(CommandId::ChordWizard);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(wizard->text(), QStringLiteral("&Chord wizard"));
    EXPECT_EQ(wizard->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+W")));
    EXPECT_EQ(frame.menu(MenuId::ChordBoard)->actions().front(), wizard);
}

TEST_F(ChordWizardCommandTest, ShortcutRunsTheWizardAndReportsTheRequest)
{
    MainFrame& frame = MakeFrame();
    QSignalSpy ready(frame.Wizards(), &WizardCommands::ChordSearchReady);
    QSignalSpy go(frame.Wizards(), &WizardCommands::ChordSearchGo);
    bool driven = false;
    WhenModalOpens<calc::ChordWizard>([&](calc::ChordWizard& wizard) {
        EXPECT_EQ(wizard.parentWidget(), &frame);
        EXPECT_TRUE(wizard.isModal());
        for (const char* note : {"C", "E", "G"})
            ClickEnabled(wizard.NotesPage()->Picker()->NoteButton(QString::fromLatin1(note)));
        ClickEnabled(wizard.NextButton());
        ClickEnabled(wizard.NextButton());
        ClickEnabled(wizard.FinishButton());
        driven = true;
    });
    QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);

    ASSERT_TRUE(driven);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(go.count(), 1);
    const theory::ChordSearchRequest request = objects_->engine.Chords().Request();
    EXPECT_EQ(request.notes, (std::vector<theory::Note>{60, 64, 67}));
    EXPECT_EQ(request.root, 0);
    EXPECT_EQ(objects_->theory.GetRootName(), "C");
    EXPECT_EQ(objects_->theory.FormatNotes(), "C - E - G");
}

TEST_F(ChordWizardCommandTest, FinishShowsTheChordFormulasWithTheRowsComingIn)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow& calculations = *frame.Calculations();
    calculations.Tabs().setCurrentWidget(&calculations.ScalePage());
    bool running = false;
    WhenModalOpens<calc::ChordWizard>([&](calc::ChordWizard& wizard) {
        for (const char* note : {"C", "E", "G"})
            ClickEnabled(wizard.NotesPage()->Picker()->NoteButton(QString::fromLatin1(note)));
        ClickEnabled(wizard.NextButton());
        ClickEnabled(wizard.NextButton());
        ClickEnabled(wizard.FinishButton());
        // Ready and go were handled before the wizard closed.
        running = calculations.ChordPage().Runner().HasWorker();
    });
    frame.action(CommandId::ChordWizard)->trigger();

    EXPECT_TRUE(running);
    calc::ChordResultPage& page = calculations.ChordPage();
    EXPECT_EQ(calculations.Tabs().currentWidget(), &page);
    EXPECT_EQ(calculations.Tabs().tabText(calculations.Tabs().currentIndex()),
        QStringLiteral("Chord formulas"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page.List().SelectedRow() == 0; }, 10000));
    const calc::ResultListModel& model = page.Model();
    const QStringList first{model.index(0, 0).data().toString(),
        model.index(0, 1).data().toString(), model.index(0, 2).data().toString()};
    EXPECT_EQ(first,
        (QStringList{QStringLiteral("1 - 2 - 3"), QStringLiteral("C - E - G"),
            QStringLiteral("8 - 5 - 0")}));
    // Row 0 is on the ChordBoard: fret 8 of string 1, fret 5 of string 2, string 3 open.
    const board::FretBoard& chordBoard =
        objects_->boards.Board(board::BoardCollection::kChordBoard);
    EXPECT_TRUE(chordBoard.Row(0).Cell(8).Marked());
    EXPECT_TRUE(chordBoard.Row(1).Cell(5).Marked());
    EXPECT_TRUE(chordBoard.Row(2).Cell(0).Marked());
    EXPECT_FALSE(chordBoard.Row(3).Cell(0).Marked());
    page.Runner().StopAndWait();
}

TEST_F(ChordWizardCommandTest, CancelReportsNothing)
{
    MainFrame& frame = MakeFrame();
    QSignalSpy ready(frame.Wizards(), &WizardCommands::ChordSearchReady);
    WhenModalOpens<calc::ChordWizard>([&](calc::ChordWizard& wizard) {
        ClickEnabled(wizard.NotesPage()->Picker()->NoteButton(QStringLiteral("D")));
        ClickEnabled(wizard.CancelButton());
    });
    EXPECT_EQ(frame.Wizards()->RunChordWizard(), QDialog::Rejected);
    EXPECT_EQ(ready.count(), 0);
    EXPECT_FALSE(objects_->theory.HasSelection());
}

}  // namespace
}  // namespace guivarna
