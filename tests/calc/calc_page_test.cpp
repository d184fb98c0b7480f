#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"

#include "tests/calc/calc_test_support.h"
#include "tests/support/widget_steps.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <system_error>
#include <thread>

namespace guivarna::calc {
namespace {

using board::BoardCollection;

// What the four buttons allow, in the order go, pauze, resume, stop.
struct Buttons {
    bool go, pause, resume, stop;
    bool operator==(const Buttons&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Buttons& b)
{
    return out << "go " << b.go << " pauze " << b.pause << " resume " << b.resume << " stop "
               << b.stop;
}

Buttons Read(const CalcPage& page)
{
    const auto enabled = [&](const char* name) {
        return page.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled();
    };
    return {enabled("go"), enabled("pauze"), enabled("resume"), enabled("stop")};
}

void Click(const CalcPage& page, const char* name)
{
    QTest::mouseClick(page.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

constexpr Buttons kIdle{true, false, false, false};
constexpr Buttons kRunning{false, true, false, true};
constexpr Buttons kPaused{false, false, true, true};
constexpr Buttons kOnlyStop{false, false, false, true};

// A pause delay short enough to wait past, for the tests that show a pending pause never comes.
constexpr int kShortDelayMs = 20;

class ChordPageTest : public test::CalcObjects {
protected:
    void SetUp() override
    {
        CalcObjects::SetUp();
        page_ = std::make_unique<ChordResultPage>(engine_, theory_, boards_);
        page_->Runner().SetDelay(0);
        page_->resize(400, 300);
        page_->show();
    }
    void TearDown() override { page_.reset(); }

    // A chord with millions of fingerings on eight strings: a run that outlasts any test step.
    void LoadLongSearch()
    {
        engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40, 35, 30});
        LoadChord({"C", "D", "E", "F", "G", "A", "Bb", "B"});
        page_->UpdateButtons();
    }
    bool WorkerEnded()
    {
        return QTest::qWaitFor([&] { return !page_->Runner().HasWorker(); });
    }

    std::unique_ptr<ChordResultPage> page_;
};

TEST_F(ChordPageTest, GrowingThePageGrowsTheListAndKeepsTheButtonsAtTheBottom)
{
    const auto* go = page_->findChild<QPushButton*>(QStringLiteral("go"));
    for (const QSize size : {QSize(300, 200), QSize(600, 500), QSize(400, 260)}) {
        page_->resize(size);
        QCoreApplication::processEvents();
        const int gap = page_->height() - go->geometry().bottom();
        EXPECT_LE(gap, 12) << size.width() << "x" << size.height();
        EXPECT_GE(page_->List().height(), page_->height() - 3 * go->height() - 12);
        EXPECT_EQ(page_->List().width(), page_->width() - 4);
    }
}

TEST_F(ChordPageTest, GoIsDisabledUntilTheChordHasNotes)
{
    EXPECT_EQ(Read(*page_), (Buttons{false, false, false, false}));
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    EXPECT_EQ(Read(*page_), kIdle);
}

TEST_F(ChordPageTest, ARunListsEveryFingeringAndShowsTheFirstOnTheChordBoard)
{
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    const ResultListModel& model = page_->Model();
    ASSERT_GT(model.rowCount(), 0);
    EXPECT_EQ(static_cast<std::size_t>(model.rowCount()), engine_.Chords().Results()->Count());
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("1 - 2 - 3"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("C - E - G"));
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("8 - 5 - 0"));
    EXPECT_EQ(page_->List().SelectedRow(), 0);
    EXPECT_EQ(engine_.Chords().Current(), 0);
    EXPECT_EQ(Marks(BoardCollection::kChordBoard),
        (std::vector<std::pair<int, int>>{{1, 8}, {2, 5}, {3, 0}}));
    EXPECT_EQ(Read(*page_), kIdle);
}

TEST_F(ChordPageTest, ARunListsOnlyFingeringsWithinTheChordBoardsFrets)
{
    // A neck of 12 positions (frets 0 .. 11) under the default request for frets 0 .. 24.
    boards_.ApplyInstrument({.openNotes = {64, 59, 55, 50, 45, 40}, .positions = 12});
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    const std::shared_ptr<const theory::ChordResultList> results = engine_.Chords().Results();
    ASSERT_GT(results->Count(), 0u);
    for (std::size_t i = 0; i < results->Count(); ++i) {
        for (const std::uint32_t fret : results->Get(i).FretBoardPosition)
            ASSERT_LE(fret, 11u) << "result " << i;
    }
    // The limit held for that run alone: a board lengthened later searches the whole range.
    EXPECT_EQ(engine_.Chords().Request().highestFret, theory::kMaxFret);
    boards_.ApplyInstrument({.openNotes = {64, 59, 55, 50, 45, 40}, .positions = 25});
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    EXPECT_GT(engine_.Chords().Results()->Count(), results->Count());
}

TEST_F(ChordPageTest, ADoubleClickOnADividerFitsTheColumnToItsTexts)
{
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    QHeaderView* header = page_->List().header();
    EXPECT_EQ(header->sectionResizeMode(0), QHeaderView::Interactive);
    header->resizeSection(0, 12);
    const QPoint divider(
        header->sectionViewportPosition(0) + header->sectionSize(0) - 1, header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, divider);
    const QString text = page_->Model().data(page_->Model().index(0, 0)).toString();
    EXPECT_GE(header->sectionSize(0), page_->List().fontMetrics().horizontalAdvance(text));
}

TEST_F(ChordPageTest, AWorkerThatCannotStartKeepsTheLastResultsAndSaysWhy)
{
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    const int rows = page_->Model().rowCount();
    ASSERT_GT(rows, 0);

    page_->Runner().SetThreadStarter([](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    Click(*page_, "go");
    EXPECT_EQ(page_->Model().rowCount(), rows);
    EXPECT_EQ(page_->List().SelectedRow(), 0);
    EXPECT_EQ(Read(*page_), kIdle);
    auto* box = page_->findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith(QStringLiteral("The calculation could not be started: ")));
    box->close();
}

TEST_F(ChordPageTest, TheFirstResultIsShownWhileTheSearchGoesOn)
{
    LoadLongSearch();
    Click(*page_, "go");
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->List().SelectedRow() == 0; }));
    EXPECT_TRUE(page_->Runner().HasWorker());
    EXPECT_FALSE(Marks(BoardCollection::kChordBoard).empty());
    EXPECT_EQ(Read(*page_), kRunning);
    Click(*page_, "stop");
    EXPECT_TRUE(WorkerEnded());
    EXPECT_EQ(Read(*page_), kIdle);
}

TEST_F(ChordPageTest, PauseResumeAndStopFollowTheButtons)
{
    LoadLongSearch();
    page_->Runner().SetDelay(30);
    Click(*page_, "go");
    Click(*page_, "pauze");
    EXPECT_EQ(Read(*page_), kRunning);  // the change comes after the delay
    ASSERT_TRUE(QTest::qWaitFor([&] { return Read(*page_) == kPaused; }));
    // The worker stops at its next checkpoint and waits there; after a resume it finds more.
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->Runner().WorkerHeld(); }));
    const std::size_t found = engine_.Chords().Results()->Count();
    Click(*page_, "resume");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Read(*page_) == kRunning; }));
    EXPECT_FALSE(page_->Runner().WorkerHeld());
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine_.Chords().Results()->Count() > found; }));
    Click(*page_, "pauze");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Read(*page_) == kPaused; }));
    Click(*page_, "stop");
    ASSERT_TRUE(WorkerEnded());
    EXPECT_EQ(Read(*page_), kIdle);
}

TEST_F(ChordPageTest, StopWithinTheDelayCancelsThePendingPause)
{
    LoadLongSearch();
    page_->Runner().SetDelay(kShortDelayMs);
    Click(*page_, "go");
    Click(*page_, "pauze");
    Click(*page_, "stop");
    ASSERT_TRUE(WorkerEnded());
    guivarna::test::WaitPast(kShortDelayMs);
    EXPECT_EQ(page_->Runner().state(), CalcRunner::Stopped);
    EXPECT_EQ(Read(*page_), kIdle);
}

TEST_F(ChordPageTest, GoWithinThePauseDelayRestartsAndThePauseNeverComes)
{
    LoadLongSearch();
    page_->Runner().SetDelay(kShortDelayMs);
    Click(*page_, "go");
    Click(*page_, "pauze");
    LoadChord({"C", "E", "G"});
    engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    page_->Runner().Go();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !page_->Runner().HasWorker() && !page_->Runner().RestartPending(); }));
    guivarna::test::WaitPast(kShortDelayMs);
    EXPECT_NE(page_->Runner().state(), CalcRunner::Paused);
    EXPECT_EQ(page_->Model().rowCount(), 1184);
    EXPECT_EQ(Read(*page_), kIdle);
}

TEST_F(ChordPageTest, GoWhilePausedWaitsForStopThenStartsTheNewRun)
{
    LoadLongSearch();
    Click(*page_, "go");
    Click(*page_, "pauze");
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->Runner().WorkerHeld(); }));
    LoadChord({"C", "E", "G"});
    engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    page_->Runner().Go();
    EXPECT_EQ(Read(*page_), kOnlyStop);
    EXPECT_TRUE(page_->Runner().WorkerHeld()) << "the paused worker waits for stop";
    Click(*page_, "stop");
    // The old worker ends, then the new run starts by itself and lists the three-note chord.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !page_->Runner().HasWorker() && !page_->Runner().RestartPending() &&
            page_->Model().rowCount() > 0 &&
            page_->Model().data(page_->Model().index(0, 1)).toString() ==
            QStringLiteral("C - E - G");
    }));
    ASSERT_TRUE(WorkerEnded());
    EXPECT_EQ(page_->Model().rowCount(), 1184);
}

TEST_F(ChordPageTest, GoWhileRunningRestartsWithAnEmptiedList)
{
    LoadLongSearch();
    Click(*page_, "go");
    ASSERT_TRUE(QTest::qWaitFor([&] { return page_->Model().rowCount() > 100; }));
    LoadChord({"C", "E", "G"});
    engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    page_->Runner().Go();  // the wizard's immediate calculation
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->Runner().RestartPending(); }));
    ASSERT_TRUE(WorkerEnded());
    EXPECT_EQ(page_->Model().rowCount(), 1184);
    EXPECT_EQ(
        page_->Model().data(page_->Model().index(0, 1)).toString(), QStringLiteral("C - E - G"));
}

TEST_F(ChordPageTest, ARunWithoutResultsShowsTheNoticeRowThatMarksNothing)
{
    LoadChord({"C", "E", "G"});
    theory::ChordSearchRequest request;
    request.lowestFret = 3;
    request.highestFret = 3;  // no C, E and G on fret 3 alone
    engine_.Chords().SetRequest(request);
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    const ResultListModel& model = page_->Model();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(),
        QStringLiteral("Current filter filtered out all options..."));
    page_->List().SelectRow(0);
    EXPECT_TRUE(Marks(BoardCollection::kChordBoard).empty());
    EXPECT_EQ(engine_.Chords().Current(), -1);
}

TEST_F(ChordPageTest, ClickingAnotherRowMarksItAndAStaleRowMarksNothing)
{
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    ResultListView& list = page_->List();
    const QRect second = list.RowRect(1);
    ASSERT_FALSE(second.isEmpty());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(engine_.Chords().Current(), 1);
    const theory::ChordFingering fingering = engine_.Chords().Results()->Get(1);
    std::vector<std::pair<int, int>> expected;
    for (std::size_t i = 0; i < fingering.StringSet.size(); ++i)
        expected.emplace_back(fingering.StringSet[i], fingering.FretBoardPosition[i]);
    EXPECT_EQ(Marks(BoardCollection::kChordBoard), expected);

    // A wizard's Finish clears the results: the rows stay, but they no longer mark anything.
    engine_.Chords().ClearResults();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.RowRect(2).center());
    EXPECT_EQ(Marks(BoardCollection::kChordBoard), expected);
    EXPECT_EQ(engine_.Chords().Current(), -1);
}

TEST_F(ChordPageTest, TheKeyboardMovesTheSelection)
{
    LoadChord({"C", "E", "G"});
    page_->UpdateButtons();
    Click(*page_, "go");
    ASSERT_TRUE(WorkerEnded());
    ResultListView& list = page_->List();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.SelectedRow(), 2);
    EXPECT_EQ(engine_.Chords().Current(), 2);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.SelectedRow(), 1183);
    EXPECT_EQ(list.FirstVisibleRow() + list.viewport()->height() / list.RowHeight() - 1, 1183);
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.SelectedRow(), 0);
}

class ScalePageTest : public test::CalcObjects {
protected:
    void SetUp() override
    {
        CalcObjects::SetUp();
        page_ = std::make_unique<ScaleResultPage>(engine_, boards_);
        page_->Runner().SetDelay(0);
        page_->resize(400, 300);
        page_->show();
    }
    void TearDown() override { page_.reset(); }

    std::unique_ptr<ScaleResultPage> page_;
};

TEST_F(ScalePageTest, ARowMarksItsPitchClassesOnEveryStringOpenStringsIncluded)
{
    EXPECT_EQ(Read(*page_), (Buttons{false, false, false, false}));
    theory::ScaleSearchRequest request;
    request.toneCount = 7;
    engine_.Scales().SetRequest(request);
    page_->UpdateButtons();
    EXPECT_EQ(Read(*page_), kIdle);
    Click(*page_, "go");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->Runner().HasWorker(); }));
    EXPECT_EQ(page_->Model().rowCount(), 792);
    EXPECT_EQ(page_->Model().data(page_->Model().index(0, 0)).toString(),
        QStringLiteral("C - Db - D - Eb - E - F - Gb"));
    EXPECT_EQ(engine_.Scales().CurrentScaleText(), "C - Db - D - Eb - E - F - Gb");
    // E (open string 1) is in the scale, G (open string 3) is not.
    const auto marks = Marks(BoardCollection::kScaleBoard);
    EXPECT_NE(std::find(marks.begin(), marks.end(), std::pair{1, 0}), marks.end());
    EXPECT_EQ(std::find(marks.begin(), marks.end(), std::pair{3, 0}), marks.end());
}

TEST(ResultModels, PassTheModelTesterWhileRowsArePublishedAndReset)
{
    ChordResultModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    theory::ChordSearch search;
    search.SetTuning({64, 59, 55, 50, 45, 40});
    theory::ChordSearchRequest request;
    request.notes = {60, 64, 67};
    search.SetRequest(request);
    auto run = search.StartRun();
    model.SetList(run->Results(), 6);
    theory::ChordFingering f;
    for (int i = 0; i < 10 && run->Next(f); ++i) { }
    EXPECT_TRUE(model.Publish());
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_FALSE(model.Publish());
    while (run->Next(f)) { }
    model.Finish();
    EXPECT_EQ(model.rowCount(), 1184);
    EXPECT_FALSE(model.ShowsNotice());

    model.SetList(search.StartRun()->Results(), 6);
    EXPECT_EQ(model.rowCount(), 0);
    model.Finish();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_TRUE(model.ShowsNotice());

    ScaleResultModel scales;
    QAbstractItemModelTester scaleTester(
        &scales, QAbstractItemModelTester::FailureReportingMode::Fatal);
    theory::ScaleSearch scaleSearch;
    scaleSearch.SetRequest({.toneCount = 7});
    auto scaleRun = scaleSearch.StartRun();
    scales.SetList(scaleRun->Results());
    std::vector<theory::Note> scale;
    while (scaleRun->Next(scale)) { }
    scales.Finish();
    EXPECT_EQ(scales.rowCount(), 792);
    EXPECT_EQ(
        scales.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Scales"));
    EXPECT_EQ(
        scales.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Names"));
    // The names of a row are those of the catalogue scales with exactly its notes.
    int major = -1;
    for (int row = 0; row < scales.rowCount() && major < 0; ++row) {
        if (scales.index(row, 0).data().toString() == QStringLiteral("C - D - E - F - G - A - B"))
            major = row;
    }
    ASSERT_GE(major, 0);
    EXPECT_EQ(scales.index(major, 1).data().toString(),
        QStringLiteral(
            "C major, D dorian, E phrygian, F lydian, G mixolydian, A minor, B locrian"));
    EXPECT_EQ(scales.index(0, 1).data().toString(), QString());
}

}  // namespace
}  // namespace guivarna::calc
