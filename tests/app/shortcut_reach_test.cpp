#include "calc/calc_page.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "sheet/window/chord_sheet_window.h"

#include "tests/app/app_test_fixture.h"

#include <QApplication>
#include <QDockWidget>

namespace guivarna {
namespace {

using ShortcutReachTest = test::AppTest;

// The window's shortcuts work whichever of its widgets has the focus, the calculations window
// docked or floating.
TEST_F(ShortcutReachTest, SheetShortcutWorksFromTheResultList)
{
    MainFrame& frame = MakeFrame();
    frame.Sheet()->Dialogs().tell = [](bool, const QString&) {};
    calc::ChordResultPage& page = test::RunCMajorSearch(*objects_, frame);
    calc::ResultListView& list = page.List();
    for (const bool floating : {false, true}) {
        SCOPED_TRACE(floating ? "floating" : "docked");
        frame.Calculations()->setFloating(floating);
        frame.Calculations()->show();
        QWidget* window = list.window();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        list.setFocus(Qt::TabFocusReason);
        ASSERT_EQ(window->focusWidget(), &list);
        QTest::keyClick(&list, Qt::Key_Home);
        const std::size_t before = frame.Sheet()->Sheet().Shapes().size();
        QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(frame.Sheet()->Sheet().Shapes().size(), before + 1);
        // And a frame command that does not depend on the list: the sheet window's own key.
        const bool shown = frame.Sheet()->isVisible();
        QTest::keyClick(&list, Qt::Key_2, Qt::AltModifier);
        EXPECT_NE(frame.Sheet()->isVisible(), shown);
    }
}

}  // namespace
}  // namespace guivarna
