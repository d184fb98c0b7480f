#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/result_models.h"

#include "tests/calc/calc_test_support.h"

#include <QLabel>
#include <QTest>

#include <random>

namespace guivarna::calc {
namespace {

// Go, pauze, resume and stop in random order while workers run: the page never deadlocks, and
// the last run, left to finish, lists exactly what a fresh complete run finds.
class CalcRunnerThreadStorm : public test::CalcObjects { };

TEST_F(CalcRunnerThreadStorm, RandomCommandsLeaveTheLastRunComplete)
{
    LoadChord({"C", "D", "E", "F", "G"});
    ChordResultPage page(engine_, theory_, boards_);
    page.Runner().SetDelay(0);
    CalcRunner& runner = page.Runner();

    std::mt19937 random(20261208);
    for (int step = 0; step < 200; ++step) {
        switch (random() % 4) {
        case 0:
            runner.Go();
            break;
        case 1:
            runner.Pause();
            break;
        case 2:
            runner.Resume();
            break;
        default:
            runner.Stop();
            break;
        }
        QTest::qWait(static_cast<int>(random() % 3));
    }
    // Let every old worker end, then run once to the end without interruption.
    runner.Stop();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !runner.HasWorker() && !runner.RestartPending(); }, 60000));
    runner.Go();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !runner.HasWorker(); }, 60000));

    theory::ChordSearch fresh;
    fresh.SetTuning(engine_.Chords().Tuning());
    fresh.SetRequest(engine_.Chords().Request());
    auto run = fresh.StartRun();
    theory::ChordFingering f;
    while (run->Next(f)) { }
    const auto& shown = *engine_.Chords().Results();
    ASSERT_EQ(static_cast<std::size_t>(page.Model().rowCount()), run->Results()->Count());
    ASSERT_EQ(shown.Count(), run->Results()->Count());
    for (std::size_t i = 0; i < shown.Count(); i += 97)
        ASSERT_EQ(shown.Get(i), run->Results()->Get(i)) << i;
}

TEST_F(CalcRunnerThreadStorm, RunningOutOfMemoryEndsTheRunAndKeepsItsRows)
{
    // A real result store that has 16 KiB to grow in: a few thousand rows, then std::bad_alloc
    // on the worker, as on a huge run.
    LoadChord({"C", "D", "E", "F", "G"});
    engine_.Chords().SetResultByteLimit(16 * 1024);
    ChordResultPage page(engine_, theory_, boards_);
    page.Runner().SetDelay(0);
    page.Runner().Go();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.Runner().HasWorker(); }, 60000));
    const std::size_t kept = engine_.Chords().Results()->Count();
    EXPECT_GT(kept, 1000u);
    EXPECT_EQ(static_cast<std::size_t>(page.Model().rowCount()), kept);
    const auto* status = page.findChild<QLabel*>(QStringLiteral("runStatus"));
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(status->isHidden());
    EXPECT_EQ(status->text(),
        QStringLiteral("Out of memory: the search stopped after %1 results").arg(kept));
}

TEST_F(CalcRunnerThreadStorm, DestroyingAPageDuringAPausedRunEndsItsWorker)
{
    engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40, 35, 30});
    LoadChord({"C", "D", "E", "F", "G", "A", "Bb", "B"});
    auto page = std::make_unique<ChordResultPage>(engine_, theory_, boards_);
    page->Runner().SetDelay(0);
    page->Runner().Go();
    page->Runner().Pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->Runner().state() == CalcRunner::Paused; }));
    page.reset();  // must neither hang on the paused worker nor leave it running
    SUCCEED();
}

}  // namespace
}  // namespace guivarna::calc
