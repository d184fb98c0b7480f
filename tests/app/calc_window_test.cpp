#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "theory/search/parallel_chord_run.h"
#include "theory/search/search_engine.h"

#include "tests/app/app_test_fixture.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QTabWidget>

#include <algorithm>

namespace guivarna {
namespace {

using test::AppTest;

class CalcWindowTest : public AppTest {
protected:
    void LoadChord(const std::vector<std::string>& notes)
    {
        objects_->theory.ClearSelection();
        objects_->theory.SetRootName(notes.front());
        for (const std::string& note : notes)
            objects_->theory.AddNote(note);
    }
};

TEST_F(CalcWindowTest, StartsDockedAtTheBottomAndAltKeysToggleIt)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow* window = frame.Calculations();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Calculations"));
    EXPECT_EQ(frame.dockWidgetArea(window), Qt::BottomDockWidgetArea);
    EXPECT_FALSE(window->isFloating());
    EXPECT_EQ(window->Tabs().tabText(0), QStringLiteral("Chord formulas"));
    EXPECT_EQ(window->Tabs().tabText(1), QStringLiteral("Scale formulas"));

    QAction* item = frame.action(CommandId::CalculationsWindow);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(frame.menu(MenuId::Windows)->actions().contains(item));
    EXPECT_EQ(item->text(), QStringLiteral("&Calculations window"));
    frame.UpdateCommands();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(item->isChecked());
    for (const auto key : {Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_1}) {
        const bool before = window->isVisible();
        QTest::keyClick(&frame, key, Qt::AltModifier);
        EXPECT_NE(window->isVisible(), before);
        frame.UpdateCommands();
        EXPECT_EQ(item->isChecked(), window->isVisible());
    }
}

TEST_F(CalcWindowTest, TheFirstUndockFloatsAtItsFirstSizeAndLaterOnesKeepTheirs)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow& window = *frame.Calculations();
    window.setFloating(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(250, 250); }));

    window.resize(400, 300);
    window.setFloating(false);
    window.setFloating(true);
    QCoreApplication::processEvents();
    EXPECT_NE(window.size(), QSize(250, 250));
}

TEST_F(CalcWindowTest, TheRelaysSelectTheTabAndStartTheSearch)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow& window = *frame.Calculations();
    window.SetPauseDelay(0);
    objects_->engine.Scales().SetRequest({.toneCount = 7});
    frame.ScaleSearchReady();
    EXPECT_EQ(window.Tabs().currentIndex(), 1);

    LoadChord({"C", "E", "G"});
    frame.ChordSearchReady();
    EXPECT_EQ(window.Tabs().currentIndex(), 0);
    frame.action(CommandId::ShowArpeggio)->setChecked(true);
    frame.ChordSearchGo();
    EXPECT_FALSE(frame.action(CommandId::ShowArpeggio)->isChecked());
    frame.ScaleSearchGo();
    EXPECT_EQ(window.Tabs().currentIndex(), 0) << "go does not change the tab";
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !window.ChordPage().Runner().HasWorker() && !window.ScalePage().Runner().HasWorker();
    }));
    EXPECT_EQ(window.ChordPage().Model().rowCount(), 1184);
    EXPECT_EQ(window.ScalePage().Model().rowCount(), 792);
    EXPECT_EQ(objects_->engine.Chords().Current(), 0);
    EXPECT_EQ(objects_->engine.Scales().Current(), 0);
}

TEST_F(CalcWindowTest, ClosingTheWindowDuringARunEndsCleanly)
{
    MainFrame& frame = MakeFrame();
    objects_->engine.Chords().SetTuning({64, 59, 55, 50, 45, 40, 35, 30});
    LoadChord({"C", "D", "E", "F", "G", "A", "Bb", "B"});
    frame.ChordSearchGo();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return frame.Calculations()->ChordPage().Model().rowCount() > 0; }));
    EXPECT_TRUE(frame.Calculations()->ChordPage().Runner().HasWorker());
    frame.close();
    frame_.reset();
    SUCCEED();
}

TEST_F(CalcWindowTest, WhereItWasDockedIsRememberedAcrossRestarts)
{
    {
        MainFrame& frame = MakeFrame();
        frame.addDockWidget(Qt::LeftDockWidgetArea, frame.Calculations());
        frame.close();
        frame_.reset();
    }
    MainFrame& again = MakeFrame();
    EXPECT_EQ(again.dockWidgetArea(again.Calculations()), Qt::LeftDockWidgetArea);

    // A corrupt stored area falls back to the bottom.
    again.close();
    frame_.reset();
    store_->WriteInt(u"CalcWindow\\Area", 4);  // the top is not allowed
    MainFrame& third = MakeFrame();
    EXPECT_EQ(third.dockWidgetArea(third.Calculations()), Qt::BottomDockWidgetArea);
}

TEST_F(CalcWindowTest, SearchThreadsAreChosenInTheContextMenuAndKeptAcrossRestarts)
{
    const int cores = theory::DefaultSearchThreads();
    {
        MainFrame& frame = MakeFrame();
        calc::ChordResultPage& page = frame.Calculations()->ChordPage();
        QMenu& threads = page.SearchThreadsMenu();
        EXPECT_EQ(threads.title(), QStringLiteral("Search threads"));
        EXPECT_TRUE(page.ContextMenu().actions().contains(threads.menuAction()));
        // One item per core, the number of cores chosen until the user picks another.
        ASSERT_EQ(threads.actions().size(), cores);
        EXPECT_EQ(page.SearchThreads(), cores);
        EXPECT_TRUE(threads.actions().back()->isChecked());
        threads.actions().front()->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(page.SearchThreads(), 1);
        EXPECT_TRUE(page.SearchThreadsMenu().actions().front()->isChecked());

        // Three threads list the rows of a one-thread search, in its order.
        page.SetSearchThreads(3);
        EXPECT_EQ(page.SearchThreadsMenu().actions().size(), std::max(cores, 3));
        objects_->engine.Chords().SetTuning({64, 59, 55, 50, 45, 40});
        LoadChord({"C", "D", "E", "F", "G", "Bb"});
        frame.ChordSearchGo();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !page.Runner().HasWorker(); }, 20000));
        const auto listed = objects_->engine.Chords().Results();
        theory::ChordSearch alone;
        alone.SetTuning(objects_->engine.Chords().Tuning());
        alone.SetRequest(objects_->engine.Chords().Request());
        const auto run = alone.StartRun();
        std::size_t index = 0;
        theory::ChordFingering expected;
        theory::ChordFingering got;
        while (run->Next(expected)) {
            ASSERT_LT(index, listed->Count());
            listed->Get(index++, got);
            ASSERT_EQ(got, expected) << "row " << index - 1;
        }
        EXPECT_EQ(index, listed->Count());
        frame.close();
        frame_.reset();
    }
    MainFrame& again = MakeFrame();
    EXPECT_EQ(again.Calculations()->ChordPage().SearchThreads(), 3);

    // A stored value out of range reads as the default.
    again.close();
    frame_.reset();
    store_->WriteInt(u"CalcWindow\\SearchThreads", 0);
    MainFrame& third = MakeFrame();
    EXPECT_EQ(third.Calculations()->ChordPage().SearchThreads(), cores);
}

}  // namespace
}  // namespace guivarna
