#include "app/chord_by_name_dialog.h"
#include "app/instrument_dialog.h"
#include "app/kova_view.h"
#include "app/scale_by_name_dialog.h"
#include "calc/calc_page.h"
#include "calc/calc_window.h"
#include "calc/chord_wizard.h"
#include "calc/interval_stacker.h"
#include "calc/note_picker.h"
#include "calc/note_select_page.h"
#include "calc/result_list_view.h"
#include "calc/scale_wizard.h"

#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QApplication>
#include <QPushButton>

#include <functional>
#include <set>

namespace guivarna {
namespace {

// The widgets Tab visits from the window's focus widget until the focus comes back to it (at
// most `limit` presses), the start first.
QList<QWidget*> TabCycle(QWidget& window, int limit = 80)
{
    QList<QWidget*> visited;
    QWidget* start = window.focusWidget();
    if (start == nullptr)
        return visited;
    visited << start;
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        QWidget* now = window.focusWidget();
        if (now == start || now == nullptr)
            break;
        visited << now;
    }
    return visited;
}

// Every widget of the window a user can reach with Tab now.
std::set<QWidget*> Reachable(QWidget& window)
{
    std::set<QWidget*> widgets;
    for (QWidget* w : window.findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && w->isEnabled() &&
            w->focusProxy() == nullptr && w->isVisible())
            widgets.insert(w);
    return widgets;
}

// Tab reaches every reachable widget of the window once before it comes back round.
void ExpectFullCycle(QWidget& window)
{
    if (window.focusWidget() == nullptr) {
        // The first widget of the window's focus chain that Tab stops at.
        QWidget* first = window.nextInFocusChain();
        while (first != &window &&
            !((first->focusPolicy() & Qt::TabFocus) && first->isVisible() && first->isEnabled()))
            first = first->nextInFocusChain();
        first->setFocus(Qt::TabFocusReason);
    }
    const QList<QWidget*> cycle = TabCycle(window);
    const std::set<QWidget*> visited(cycle.begin(), cycle.end());
    std::string order;
    for (QWidget* w : cycle)
        order += w->objectName().toStdString() + "(" + w->metaObject()->className() + ") ";
    SCOPED_TRACE(order);
    EXPECT_EQ(visited.size(), static_cast<std::size_t>(cycle.size())) << "a widget came twice";
    for (QWidget* w : Reachable(window)) {
        // Radio buttons of one group share a single stop.
        if (w->inherits("QRadioButton"))
            continue;
        EXPECT_TRUE(visited.count(w)) << w->metaObject()->className() << " "
                                      << w->objectName().toStdString() << " is never reached";
    }
}

using FocusOrderTest = test::AppTest;

TEST_F(FocusOrderTest, TabGoesThroughBothBoardsThenTheCalculationsAndBack)
{
    MainFrame& frame = MakeFrame();
    KovaView& view = *frame.View();
    view.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(view.hasFocus());
    EXPECT_EQ(view.Cursor().board, 0);
    QTest::keyClick(&view, Qt::Key_Tab);
    ASSERT_TRUE(view.hasFocus());
    EXPECT_EQ(view.Cursor().board, 1);
    QTest::keyClick(&view, Qt::Key_Tab);
    ASSERT_FALSE(view.hasFocus());
    // On through the calculations window, and round to the ScaleBoard again.
    bool list = false;
    for (int i = 0; i < 60 && !view.hasFocus(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        list |= focus == &frame.Calculations()->ChordPage().List();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_TRUE(list);
    ASSERT_TRUE(view.hasFocus());
    EXPECT_EQ(view.Cursor().board, 0);
    // Shift+Tab from the widget after the view comes back in at the ChordBoard.
    QTest::keyClick(&view, Qt::Key_Tab);
    QTest::keyClick(&view, Qt::Key_Tab);
    ASSERT_FALSE(view.hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(view.hasFocus());
    EXPECT_EQ(view.Cursor().board, 1);
    QTest::keyClick(&view, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(view.hasFocus());
    EXPECT_EQ(view.Cursor().board, 0);
}

TEST_F(FocusOrderTest, EveryWizardPageAndDialogIsOneTabCycle)
{
    MainFrame& frame = MakeFrame();
    {
        calc::ChordWizard wizard(
            objects_->theory, objects_->engine, objects_->boards, *store_, &frame);
        wizard.show();
        for (const char* note : {"C", "E", "G"})
            test::ClickEnabled(wizard.NotesPage()->Picker()->NoteButton(QString::fromLatin1(note)));
        for (int page = 0; page < wizard.PageCount(); ++page) {
            SCOPED_TRACE(page);
            ExpectFullCycle(wizard);
            if (page + 1 < wizard.PageCount())
                test::ClickEnabled(wizard.NextButton());
        }
    }
    {
        calc::ScaleWizard wizard(objects_->theory, objects_->engine, *store_, &frame);
        wizard.show();
        for (int page = 0; page < wizard.PageCount(); ++page) {
            SCOPED_TRACE(page);
            ExpectFullCycle(wizard);
            if (page + 1 < wizard.PageCount())
                test::ClickEnabled(wizard.NextButton());
        }
    }
    const std::vector<std::function<std::unique_ptr<QWidget>()>> dialogs = {
        [&] { return std::make_unique<ChordByNameDialog>(6, &frame); },
        [&] { return std::make_unique<ScaleByNameDialog>(&frame); },
        [&] {
            return std::make_unique<InstrumentDialog>(objects_->boards.CurrentInstrument(), &frame);
        },
        [&] { return std::make_unique<calc::IntervalStacker>(objects_->boards, *store_, &frame); },
    };
    for (const auto& make : dialogs) {
        std::unique_ptr<QWidget> dialog = make();
        SCOPED_TRACE(dialog->metaObject()->className());
        dialog->show();
        ExpectFullCycle(*dialog);
    }
}

}  // namespace
}  // namespace guivarna
