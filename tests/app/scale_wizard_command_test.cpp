#include "app/wizard_commands.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/note_picker.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "calc/scale_notes_page.h"
#include "calc/scale_wizard.h"
#include "page/page_scene.h"
#include "page/text_panel.h"

#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

#include <set>

namespace guivarna {
namespace {

using test::ClickEnabled;
using test::WhenModalOpens;

class ScaleWizardCommandTest : public test::AppTest {
protected:
    // The pitch classes (60..71) marked anywhere on the ScaleBoard.
    std::set<int> ScaleBoardPitches() const
    {
        std::set<int> pitches;
        const board::FretBoard& board = objects_->boards.Board(board::BoardCollection::kScaleBoard);
        for (const auto& [s, f] : board.MarkedPositions())
            pitches.insert(60 + (board.Row(s).OpenNote() + f) % 12);
        return pitches;
    }

    void SelectChordAndShowArpeggio(MainFrame& frame)
    {
        objects_->theory.SetRootName("C");
        for (const char* note : {"C", "E", "G"})
            objects_->theory.AddNote(note);
        frame.UpdateCommands();
        frame.action(CommandId::ShowArpeggio)->trigger();
        ASSERT_TRUE(frame.action(CommandId::ShowArpeggio)->isChecked());
        ASSERT_EQ(ScaleBoardPitches(), (std::set<int>{60, 64, 67}));
    }
};

TEST_F(ScaleWizardCommandTest, FirstItemOfTheScaleBoardMenu)
{
    MainFrame& frame = MakeFrame();
    QAction* wizard = frame.action(CommandId::ScaleWizard);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(wizard->text(), QStringLiteral("&Scale wizard"));
    EXPECT_EQ(wizard->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
    EXPECT_EQ(frame.menu(MenuId::ScaleBoard)->actions().front(), wizard);
}

TEST_F(ScaleWizardCommandTest, FinishShowsTheScaleFormulasWithTheFirstScaleOnTheBoard)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow& calculations = *frame.Calculations();
    calculations.Tabs().setCurrentWidget(&calculations.ChordPage());
    QSignalSpy ready(frame.Wizards(), &WizardCommands::ScaleSearchReady);
    bool running = false;
    WhenModalOpens<calc::ScaleWizard>([&](calc::ScaleWizard& wizard) {
        EXPECT_EQ(wizard.parentWidget(), &frame);
        EXPECT_TRUE(wizard.isModal());
        ClickEnabled(wizard.NextButton());
        ClickEnabled(wizard.FinishButton());
        // Ready and go were handled before the wizard closed.
        running = calculations.ScalePage().Runner().HasWorker();
    });
    QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier);

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_TRUE(running);
    calc::ScaleResultPage& page = calculations.ScalePage();
    EXPECT_EQ(calculations.Tabs().currentWidget(), &page);
    EXPECT_EQ(calculations.Tabs().tabText(calculations.Tabs().currentIndex()),
        QStringLiteral("Scale formulas"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page.List().SelectedRow() == 0; }, 10000));

    // Seven tones with at most two notes in chromatic succession; the first such scale in
    // ascending order is shown on the ScaleBoard and described in the panel.
    const std::vector<theory::Note> first = objects_->engine.Scales().Results()->Get(0);
    EXPECT_EQ(first, (std::vector<theory::Note>{60, 61, 63, 64, 66, 67, 69}));
    EXPECT_EQ(ScaleBoardPitches(), std::set<int>(first.begin(), first.end()));
    const std::vector<page::TextPanel::Line> lines =
        frame.View()->GetScene().ScaleInformation().Lines(objects_->theory, objects_->engine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].text, QStringLiteral("Scalenotes: C - Db - Eb - E - Gb - G - A"));
    EXPECT_FALSE(frame.action(CommandId::ShowArpeggio)->isChecked());
    page.Runner().StopAndWait();
}

TEST_F(ScaleWizardCommandTest, OkSwitchesTheArpeggioOff)
{
    MainFrame& frame = MakeFrame();
    SelectChordAndShowArpeggio(frame);
    WhenModalOpens<calc::ScaleWizard>([&](calc::ScaleWizard& wizard) {
        ClickEnabled(wizard.findChild<QCheckBox*>(QStringLiteral("calculateRightAway")));
        ClickEnabled(wizard.NextButton());
        ClickEnabled(wizard.FinishButton());
    });
    EXPECT_EQ(frame.Wizards()->RunScaleWizard(), QDialog::Accepted);
    EXPECT_FALSE(frame.action(CommandId::ShowArpeggio)->isChecked());
    EXPECT_TRUE(ScaleBoardPitches().empty());
    // Without "Calculate right away" nothing runs, but "go" is ready on the shown page.
    EXPECT_FALSE(frame.Calculations()->ScalePage().Runner().HasWorker());
    EXPECT_EQ(frame.Calculations()->Tabs().currentWidget(), &frame.Calculations()->ScalePage());
    EXPECT_TRUE(objects_->engine.Scales().HasToneCount());
}

TEST_F(ScaleWizardCommandTest, CancelKeepsTheArpeggio)
{
    MainFrame& frame = MakeFrame();
    SelectChordAndShowArpeggio(frame);
    QSignalSpy ready(frame.Wizards(), &WizardCommands::ScaleSearchReady);
    WhenModalOpens<calc::ScaleWizard>([&](calc::ScaleWizard& wizard) {
        ClickEnabled(wizard.NotesPage()->ChordCheck());
        ClickEnabled(wizard.CancelButton());
    });
    EXPECT_EQ(frame.Wizards()->RunScaleWizard(), QDialog::Rejected);
    EXPECT_EQ(ready.count(), 0);
    EXPECT_TRUE(frame.action(CommandId::ShowArpeggio)->isChecked());
    EXPECT_EQ(ScaleBoardPitches(), (std::set<int>{60, 64, 67}));
    EXPECT_FALSE(objects_->engine.Scales().HasToneCount());
}

}  // namespace
}  // namespace guivarna
