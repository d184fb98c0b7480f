// Times the calculations window from a click on "go" in a shown main window: when row 0 is shown
// on its board, when every row is listed, how late a 5 ms timer on the interface thread ran, and
// how much memory the listing took beyond the result list itself. Prints one line per case:
// <case> rows=<n> first_row_ms=<t> listed_ms=<t> engine_ms=<t> max_stall_ms=<t> extra_rss_mb=<m>
// The sort cases list the chords the same way and then click the "Difficulty" header: from the
// click to the sorted list shown, the stalls meanwhile and the memory beyond the unsorted list and
// view:
// <case> rows=<n> sorted_ms=<t> engine_ms=<t> max_stall_ms=<t> extra_rss_mb=<m>

#include "app/main_frame.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/board_settings.h"
#include "board/fret_board.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace guivarna;

struct Case {
    const char* name;
    bool chord;
    std::vector<std::string> notes;
    std::vector<theory::Note> tuning;
    int toneCount;
    bool sortByDifficulty = false;
};

double ResidentMb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// Writes a ChordBoard with the case's strings into the settings file.
void StoreTuning(settings::SettingsStore& store, const std::vector<theory::Note>& tuning)
{
    using namespace settings::board_keys;
    for (int boardIndex : {0, 1}) {
        const QString boardPath = board::BoardPath(boardIndex);
        store.WriteInt(board::Join(boardPath, kNumSnares), static_cast<int>(tuning.size()));
        for (std::size_t row = 0; row < tuning.size(); ++row)
            store.WriteInt(
                board::Join(board::RowPath(boardPath, static_cast<int>(row)), kOpenSnare),
                static_cast<int>(tuning[row]));
    }
    store.Sync();
}

double EngineMs(const Case& c, const ProgramObjects& objects)
{
    QElapsedTimer clock;
    clock.start();
    if (c.chord) {
        theory::ChordSearch search;
        search.SetTuning(objects.engine.Chords().Tuning());
        search.SetRequest(objects.engine.Chords().Request());
        auto run = search.StartRun();
        theory::ChordFingering f;
        while (run->Next(f)) { }
    } else {
        theory::ScaleSearch search;
        search.SetRequest(objects.engine.Scales().Request());
        auto run = search.StartRun();
        std::vector<theory::Note> scale;
        while (run->Next(scale)) { }
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void RunCase(const Case& c, const QString& screenshot = {})
{
    QTemporaryDir dir;
    settings::SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    StoreTuning(store, c.tuning);
    ProgramObjects objects(store);
    MainFrame frame(objects);
    frame.setWindowState(Qt::WindowNoState);
    frame.resize(1200, 900);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        std::fprintf(stderr, "the window did not show\n");

    calc::CalcWindow& window = *frame.Calculations();
    calc::CalcPage* page = c.chord ? static_cast<calc::CalcPage*>(&window.ChordPage())
                                   : static_cast<calc::CalcPage*>(&window.ScalePage());
    if (c.chord) {
        objects.theory.ClearSelection();
        objects.theory.SetRootName(c.notes.front());
        for (const std::string& note : c.notes)
            objects.theory.AddNote(note);
        frame.ChordSearchReady();
    } else {
        theory::ScaleSearchRequest request;
        request.toneCount = c.toneCount;
        request.runLimit = 12;
        objects.engine.Scales().SetRequest(request);
        frame.ScaleSearchReady();
    }
    QTest::qWait(50);

    const int boardIndex =
        c.chord ? board::BoardCollection::kChordBoard : board::BoardCollection::kScaleBoard;
    if (!screenshot.isEmpty()) {
        // A picture of the whole screen while the list is still filling.
        frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        frame.resizeDocks({frame.Calculations()}, {320}, Qt::Vertical);
        QTest::qWait(500);
        page->Runner().Go();
        if (!QTest::qWaitFor([&] { return page->Model().rowCount() > 20000; }, 20000))
            std::fprintf(stderr, "the list did not fill\n");
        QTest::qWait(100);
        const bool stillFilling = page->Runner().HasWorker();
        QGuiApplication::primaryScreen()->grabWindow(0).save(screenshot);
        std::printf("screenshot %s rows=%d filling=%d\n", qPrintable(screenshot),
            page->Model().rowCount(), stillFilling ? 1 : 0);
        frame.close();
        return;
    }

    QElapsedTimer clock;
    double firstRowMs = -1;
    double listedMs = -1;
    // The page marks the chosen row on its board once the selection has changed.
    QObject::connect(&page->List(), &calc::ResultListView::SelectionChanged, &frame, [&] {
        if (page->List().CurrentRow() == 0 && firstRowMs < 0 &&
            !objects.boards.Board(boardIndex).MarkedPositions().empty())
            firstRowMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    });
    QObject::connect(&page->Runner(), &calc::CalcRunner::RunFinished, &frame,
        [&] { listedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6; });

    double maxStallMs = 0;
    QElapsedTimer tick;
    QTimer stallTimer;
    stallTimer.setTimerType(Qt::PreciseTimer);
    stallTimer.setInterval(5);
    QObject::connect(&stallTimer, &QTimer::timeout, [&] {
        const double late = static_cast<double>(tick.nsecsElapsed()) / 1e6 - 5.0;
        maxStallMs = std::max(maxStallMs, late);
        tick.restart();
    });

    const double rssBefore = ResidentMb();
    QPushButton* go = page->findChild<QPushButton*>(QStringLiteral("go"));
    stallTimer.start();
    tick.start();
    clock.start();
    QTest::mouseClick(go, Qt::LeftButton);
    while (listedMs < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    stallTimer.stop();

    // Scroll to the last row and paint it, as a user reading the end of the list would.
    calc::ResultListView& list = page->List();
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
    list.viewport()->repaint();
    QCoreApplication::processEvents();
    const std::size_t listBytes = c.chord ? objects.engine.Chords().Results()->Bytes()
                                          : objects.engine.Scales().Results()->Bytes();
    const double extraMb = ResidentMb() - rssBefore - static_cast<double>(listBytes) / 1048576.0;
    const int rows = page->Model().rowCount();

    const double engineMs = EngineMs(c, objects);
    if (c.sortByDifficulty) {
        calc::ChordResultPage& chordPage = window.ChordPage();
        QHeaderView* header = list.header();
        // A row is selected, as when a user picks one first: the sort keeps it selected.
        list.SelectRow(rows / 2);
        QCoreApplication::processEvents();
        const double rssBeforeSort = ResidentMb();
        maxStallMs = 0;
        stallTimer.start();
        tick.restart();
        QElapsedTimer sortClock;
        sortClock.start();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(calc::ChordResultModel::kDifficultyColumn) + 4,
                header->height() / 2));
        while (chordPage.Sorting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        list.viewport()->repaint();
        const double sortedMs = static_cast<double>(sortClock.nsecsElapsed()) / 1e6;
        stallTimer.stop();
        const double sortMb = ResidentMb() - rssBeforeSort;
        std::printf(
            "%s rows=%d sorted_ms=%.1f engine_ms=%.1f max_stall_ms=%.1f extra_rss_mb=%.1f\n",
            c.name, rows, sortedMs, engineMs, maxStallMs, sortMb);
        std::fflush(stdout);
        frame.close();
        return;
    }
    std::printf("%s rows=%d first_row_ms=%.1f listed_ms=%.1f engine_ms=%.1f max_stall_ms=%.1f "
                "extra_rss_mb=%.1f\n",
        c.name, rows, firstRowMs, listedMs, engineMs, maxStallMs, extraMb);
    std::fflush(stdout);
    frame.close();
}

}  // namespace

int main(int argc, char** argv)
{
    // "--screenshot FILE": the first case on the real display, pictured while it fills.
    const bool screenshot = argc > 2 && std::string(argv[1]) == "--screenshot";
    if (!screenshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const std::vector<Case> cases = {
        {"chord8on8", true, {"C", "D", "E", "F", "G", "A", "Bb", "B"},
            {64, 59, 55, 50, 45, 40, 35, 30}, 0},
        {"chord6worst", true, {"C", "D", "E", "F", "G", "Bb"}, {64, 59, 55, 50, 45, 40}, 0},
        {"scale7", false, {}, {64, 59, 55, 50, 45, 40}, 7},
        {"chord8on8sort", true, {"C", "D", "E", "F", "G", "A", "Bb", "B"},
            {64, 59, 55, 50, 45, 40, 35, 30}, 0, true},
        {"chord6worstsort", true, {"C", "D", "E", "F", "G", "Bb"}, {64, 59, 55, 50, 45, 40}, 0,
            true},
    };
    if (screenshot) {
        RunCase(cases.front(), QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    const std::string only = argc > 1 ? argv[1] : "";
    for (const Case& c : cases) {
        if (only.empty() || only == c.name)
            RunCase(c);
    }
    return 0;
}
