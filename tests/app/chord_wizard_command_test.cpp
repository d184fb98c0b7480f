#include "app/wizard_commands.h"
#include "calc/chord_wizard.h"
#include "calc/note_select_page.h"

#include "tests/app/app_test_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace guivarna {
namespace {

class ChordWizardCommandTest : public test::AppTest {
protected:
    // Runs drive inside the modal loop of the wizard that the next command opens.
    static void WhenWizardOpens(std::function<void(calc::ChordWizard&)> drive)
    {
        QTimer::singleShot(0, [drive] {
            auto* wizard = qobject_cast<calc::ChordWizard*>(QApplication::activeModalWidget());
            ASSERT_NE(wizard, nullptr);
            drive(*wizard);
        });
    }

    static void Click(QPushButton* button)
    {
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

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
    WhenWizardOpens([&](calc::ChordWizard& wizard) {
        EXPECT_EQ(wizard.parentWidget(), &frame);
        EXPECT_TRUE(wizard.isModal());
        for (const char* note : {"C", "E", "G"})
            Click(wizard.NotesPage()->NoteButton(QString::fromLatin1(note)));
        Click(wizard.NextButton());
        Click(wizard.NextButton());
        Click(wizard.FinishButton());
        driven = true;
    });
    QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);

    ASSERT_TRUE(driven);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(go.count(), 1);
    const theory::ChordSearchRequest request = objects_->engine.Chords().Request();
    EXPECT_EQ(request.notes, (std::vector<theory::Note>{60, 64, 67}));
    EXPECT_EQ(request.rootName, "C");
    EXPECT_EQ(objects_->theory.GetRootName(), "C");
    EXPECT_EQ(objects_->theory.FormatNotes(), "C - E - G");
}

TEST_F(ChordWizardCommandTest, CancelReportsNothing)
{
    MainFrame& frame = MakeFrame();
    QSignalSpy ready(frame.Wizards(), &WizardCommands::ChordSearchReady);
    WhenWizardOpens([&](calc::ChordWizard& wizard) {
        Click(wizard.NotesPage()->NoteButton(QStringLiteral("D")));
        Click(wizard.CancelButton());
    });
    EXPECT_EQ(frame.Wizards()->RunChordWizard(), QDialog::Rejected);
    EXPECT_EQ(ready.count(), 0);
    EXPECT_FALSE(objects_->theory.HasSelection());
}

}  // namespace
}  // namespace guivarna
