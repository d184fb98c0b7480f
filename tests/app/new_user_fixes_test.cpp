#include "app/by_name_commands.h"
#include "app/chord_by_name_dialog.h"
#include "app/kova_view.h"
#include "app/marked_notes_commands.h"
#include "board/board_collection.h"
#include "calc/chord_symbol_edit.h"
#include "calc/chord_wizard.h"
#include "calc/note_picker.h"
#include "calc/note_select_page.h"

#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace guivarna {
namespace {

using board::BoardCollection;

class NewUserFixesTest : public test::AppTest { };

TEST_F(NewUserFixesTest, ChordSearchLeavesNoScaleInThePanelOfTheClearedScaleBoard)
{
    MainFrame& frame = MakeFrame();
    test::SelectFirstSevenToneScale(*objects_);
    objects_->boards.ShowPitchClasses(BoardCollection::kScaleBoard, {60, 62, 64});
    ASSERT_FALSE(frame.View()->PanelText(2).isEmpty());
    frame.ChordSearchGo();
    EXPECT_TRUE(objects_->boards.Board(BoardCollection::kScaleBoard).MarkedPositions().empty());
    EXPECT_EQ(frame.View()->PanelText(2), QString());
}

TEST_F(NewUserFixesTest, ChordByNameClearsTheOldShapeAndCanOpenTheWizard)
{
    MainFrame& frame = MakeFrame();
    objects_->boards.ClickCell(BoardCollection::kChordBoard, 1, 1);
    test::WhenModalOpens<ChordByNameDialog>([&](ChordByNameDialog& dialog) {
        QTest::keyClicks(dialog.SymbolEdit()->Edit(), QStringLiteral("Dm"));
        QTest::mouseClick(dialog.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    frame.action(CommandId::ChordByName)->trigger();
    EXPECT_EQ(objects_->theory.FormatNotes(), "D - F - A");
    EXPECT_TRUE(objects_->boards.Board(BoardCollection::kChordBoard).MarkedPositions().empty());

    QStringList chosen;
    test::WhenModalOpens<ChordByNameDialog>([&](ChordByNameDialog& dialog) {
        EXPECT_FALSE(dialog.WizardButton()->isEnabled());
        QTest::keyClicks(dialog.SymbolEdit()->Edit(), QStringLiteral("G7"));
        test::WhenModalOpens<calc::ChordWizard>([&](calc::ChordWizard& wizard) {
            chosen = wizard.NotesPage()->Picker()->NoteNames();
            wizard.reject();
        });
        test::ClickEnabled(dialog.WizardButton());
    });
    frame.action(CommandId::ChordByName)->trigger();
    EXPECT_EQ(chosen,
        (QStringList{
            QStringLiteral("G"), QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("F")}));
    EXPECT_EQ(objects_->theory.FormatNotes(), "G - B - D - F");
}

TEST_F(NewUserFixesTest, AClickOutsideTheCompletionListStillPressesTheButton)
{
    MainFrame& frame = MakeFrame();
    ChordByNameDialog dialog(6, &frame);
    dialog.show();
    QLineEdit* edit = dialog.SymbolEdit()->Edit();
    // A short list, so it does not lie over the buttons on the test's small screen.
    dialog.SymbolEdit()->Completer()->setMaxVisibleItems(2);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("C"));
    QAbstractItemView* popup = dialog.SymbolEdit()->Completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 2000));
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(ok->isEnabled());
    // The press as the popup gets it while it holds the mouse.
    const QPoint global = ok->mapToGlobal(ok->rect().center());
    ASSERT_FALSE(popup->geometry().contains(global));
    QMouseEvent press(QEvent::MouseButtonPress, popup->mapFromGlobal(global), global,
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(NewUserFixesTest, MarkingNamesTheChordUnlessSwitchedOff)
{
    MainFrame& frame = MakeFrame();
    KovaView& view = *frame.View();
    QAction* option = frame.action(CommandId::NameAsYouMark);
    ASSERT_NE(option, nullptr);
    frame.UpdateCommands();
    EXPECT_TRUE(option->isChecked());
    view.setFocus(Qt::TabFocusReason);
    view.SetCursor({BoardCollection::kChordBoard, 1, 1});
    view.ClickCursor();  // C on string 2
    view.SetCursor({BoardCollection::kChordBoard, 3, 2});
    view.ClickCursor();  // E on string 4
    // The lowest sounding mark is the root.
    EXPECT_EQ(objects_->theory.GetRootName(), "E");
    EXPECT_EQ(objects_->theory.GetNotes(true).size(), 2U);
    view.ClickCursor();
    view.SetCursor({BoardCollection::kChordBoard, 1, 1});
    view.ClickCursor();  // the last mark goes, and the chord with it
    EXPECT_FALSE(objects_->theory.HasSelection());
    option->trigger();
    frame.UpdateCommands();
    EXPECT_FALSE(option->isChecked());
    view.ClickCursor();
    EXPECT_FALSE(objects_->theory.HasSelection());
    // The ScaleBoard is never named.
    option->trigger();
    view.SetCursor({BoardCollection::kScaleBoard, 0, 0});
    view.ClickCursor();
    EXPECT_FALSE(objects_->theory.HasSelection());
}

}  // namespace
}  // namespace guivarna
