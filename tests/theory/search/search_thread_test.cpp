#include "tests/theory/search_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <random>
#include <thread>

namespace guivarna::theory::test {
namespace {

// A fingering read while the worker appends must be complete: one entry per chord note,
// ascending strings, frets within reach.
void ExpectWellFormed(const ChordFingering& f, std::size_t notes)
{
    ASSERT_EQ(f.StringSet.size(), notes);
    ASSERT_EQ(f.StringNotes.size(), notes);
    ASSERT_EQ(f.FretBoardPosition.size(), notes);
    ASSERT_TRUE(std::is_sorted(f.StringSet.begin(), f.StringSet.end()));
    for (std::size_t i = 0; i < notes; ++i) {
        ASSERT_TRUE(f.StringNotes[i] >= 60 && f.StringNotes[i] <= 71);
        ASSERT_LE(f.FretBoardPosition[i], 24u);
    }
}

// A chord request for the given note names, taken the way the chord wizard takes it.
ChordSearchRequest ChordRequestFor(const std::vector<std::string>& notes)
{
    MusicTheory theory;
    LoadChord(theory, notes);
    ChordSearchRequest request;
    TakeChord(request, theory);
    return request;
}

TEST(SearchEngineConcurrency, InterfaceReadsWhileWorkersAppend)
{
    SearchEngine engine;
    ChordSearch& chords = engine.Chords();
    ScaleSearch& scales = engine.Scales();
    chords.SetTuning(kStandardGuitar);
    chords.SetRequest(ChordRequestFor({"C", "D", "E", "F", "G", "Bb"}));
    scales.SetRequest({.toneCount = 5});

    std::latch started(2);
    std::atomic<bool> chordDone{false};
    std::size_t chordCount = 0;
    std::size_t scaleCount = 0;
    std::thread chordWorker([&] {
        const auto run = chords.StartRun();
        started.count_down();
        ChordFingering f;
        while (run->Next(f))
            ++chordCount;
        chordDone.store(true);
    });
    std::thread scaleWorker([&] {
        const auto run = scales.StartRun();
        started.count_down();
        std::vector<Note> scale;
        while (run->Next(scale))
            ++scaleCount;
    });

    // Once both runs have started, the interface may set the next request at will.
    started.wait();
    ChordSearchRequest next = chords.Request();
    next.span = 1;
    chords.SetRequest(next);
    chords.SetTuning({40, 45});
    scales.SetRequest({.toneCount = 12, .mustHaveFilter = true, .mustHaveNotes = {61}});

    ChordFingering read;
    std::size_t reads = 0;
    for (std::size_t lastCount = 0; !chordDone.load(); ++reads) {
        const auto list = chords.Results();
        const std::size_t count = list->Count();
        ASSERT_GE(count, lastCount);
        lastCount = count;
        if (count > 0) {
            list->Get((count * 7919 + reads) % count, read);
            ExpectWellFormed(read, 6);
        }
        chords.SetCurrent(static_cast<int>(count) - 1);
        if (chords.CurrentFingering(read))
            ExpectWellFormed(read, 6);
        const auto scaleList = scales.Results();
        const std::size_t scaleResults = scaleList->Count();
        if (scaleResults > 0) {
            ASSERT_EQ(scaleList->Get(scaleResults - 1).size(), 5u);
        }
        scales.SetCurrent(static_cast<int>(scaleResults) - 1);
        scales.CurrentScaleText();
    }
    chordWorker.join();
    scaleWorker.join();
    EXPECT_EQ(chordCount, 59616u);
    EXPECT_EQ(chords.Results()->Count(), 59616u);
    EXPECT_EQ(scaleCount, 792u);
    EXPECT_EQ(scales.Results()->Count(), 792u);
}

TEST(SearchEngineConcurrency, ClearingTheResultsWhileAWorkerAppends)
{
    SearchEngine engine;
    ChordSearch& chords = engine.Chords();
    chords.SetTuning({64, 59, 55, 50, 45, 40, 35});
    chords.SetRequest(ChordRequestFor({"C", "D", "E", "F", "G", "A", "Bb"}));
    const auto run = chords.StartRun();

    std::latch firstFound(1);
    std::size_t found = 0;
    std::thread worker([&] {
        ChordFingering f;
        bool more = run->Next(f);
        firstFound.count_down();
        while (more) {
            ++found;
            more = run->Next(f);
        }
    });
    firstFound.wait();
    chords.SetCurrent(0);
    chords.ClearResults();  // the interface starts a new request
    ChordFingering read;
    EXPECT_FALSE(chords.CurrentFingering(read));
    worker.join();
    // Whether the old run was still going or had just ended, nothing landed in the new list;
    // the old run completed its own.
    EXPECT_EQ(chords.Results()->Count(), 0u);
    EXPECT_EQ(chords.Current(), -1);
    EXPECT_FALSE(run->Stopped());
    EXPECT_GT(found, 0u);
    EXPECT_EQ(run->Results()->Count(), found);
}

TEST(SearchEngineConcurrency, PausedRunHoldsNoLockAndResumesWhereItStopped)
{
    SearchEngine engine;
    ChordSearch& chords = engine.Chords();
    chords.SetTuning(kStandardGuitar);
    chords.SetRequest(ChordRequestFor({"C", "E", "G", "Bb"}));
    const auto sequential = RunChordSearch(chords);
    ASSERT_GT(sequential.size(), 100u);

    const auto run = chords.StartRun();
    std::vector<ChordFingering> found(40);
    for (ChordFingering& f : found)
        ASSERT_TRUE(run->Next(f));
    run->Control().Pause();
    std::vector<ChordFingering> rest;
    std::thread worker([&] { rest = Drain(*run); });

    // The worker waits inside Next; the list, the current index and the request stay usable.
    const auto list = run->Results();
    // (EXPECT, not ASSERT: the worker must be resumed and joined whatever happens.)
    for (int i = 0; i < 1000 && !testing::Test::HasFailure(); ++i) {
        EXPECT_EQ(list->Count(), found.size());
        EXPECT_EQ(list->Get(static_cast<std::size_t>(i) % found.size()),
            found[static_cast<std::size_t>(i) % found.size()]);
        chords.SetCurrent(i % 40);
        ChordFingering current;
        EXPECT_TRUE(chords.CurrentFingering(current));
        ChordSearchRequest request = chords.Request();
        request.span = 1 + i % 24;
        chords.SetRequest(request);
        std::this_thread::yield();
    }
    chords.SetTuning({40});
    run->Control().Resume();
    worker.join();

    EXPECT_FALSE(run->Stopped());
    found.insert(found.end(), rest.begin(), rest.end());
    EXPECT_EQ(found, sequential);
    EXPECT_EQ(ListedFingerings(*list), sequential);
}

TEST(SearchEngineCancel, StopTakesEffectDuringALongSkip)
{
    // Eight notes on 24 strings with a policy that accepts nothing: one Next call would examine
    // hundreds of billions of candidates before returning false.
    SearchEngine engine;
    ChordSearch& chords = engine.Chords();
    chords.SetTuning(std::vector<Note>(24, 40));
    ChordSearchRequest request = ChordRequestFor({"C", "D", "E", "F", "G", "A", "B", "Bb"});
    request.openStrings = static_cast<OpenStringPolicy>(9);
    chords.SetRequest(request);
    const auto run = chords.StartRun();

    std::latch searching(1);
    bool found = true;
    std::thread worker([&] {
        searching.count_down();
        ChordFingering f;
        found = run->Next(f);
    });
    searching.wait();
    run->Control().Stop();
    worker.join();
    EXPECT_FALSE(found);
    EXPECT_TRUE(run->Stopped());

    // A stopped run stays stopped; the next run has a control of its own.
    ChordFingering f;
    EXPECT_FALSE(run->Next(f));
    EXPECT_FALSE(run->Next(f));
    EXPECT_TRUE(run->Stopped());
    request.openStrings = OpenStringPolicy::ByPosition;
    chords.SetRequest(request);
    const auto next = chords.StartRun();
    EXPECT_TRUE(next->Next(f));
    EXPECT_FALSE(next->Stopped());
}

TEST(SearchEngineCancel, ScaleStopEndsTheRun)
{
    SearchEngine engine;
    ScaleSearch& scales = engine.Scales();
    scales.SetRequest({.toneCount = 6});
    const auto run = scales.StartRun();
    std::vector<Note> scale;
    ASSERT_TRUE(run->Next(scale));
    std::thread([&] { run->Control().Stop(); }).join();
    EXPECT_FALSE(run->Next(scale));
    EXPECT_TRUE(run->Stopped());
    EXPECT_FALSE(run->Next(scale));
    EXPECT_EQ(scales.Results()->Count(), 1u);
}

TEST(SearchEngineCancel, StopBeforeTheFirstNextIsNeverLost)
{
    SearchEngine engine;
    engine.Chords().SetTuning(kStandardGuitar);
    engine.Chords().SetRequest(ChordRequestFor({"C", "E", "G"}));
    engine.Scales().SetRequest({.toneCount = 7});

    // Stopped on another thread before the worker first looks, with and without a pause.
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "running");
        auto chordControl = std::make_shared<RunControl>();
        auto scaleControl = std::make_shared<RunControl>();
        const auto chordRun = engine.Chords().StartRun(chordControl);
        const auto scaleRun = engine.Scales().StartRun(scaleControl);
        std::thread([&] {
            if (paused) {
                chordControl->Pause();
                scaleControl->Pause();
            }
            chordControl->Stop();
            scaleControl->Stop();
        }).join();
        bool chordFound = true;
        bool scaleFound = true;
        std::thread worker([&] {
            ChordFingering f;
            chordFound = chordRun->Next(f);
            std::vector<Note> scale;
            scaleFound = scaleRun->Next(scale);
        });
        worker.join();
        EXPECT_FALSE(chordFound);
        EXPECT_TRUE(chordRun->Stopped());
        EXPECT_EQ(chordRun->Results()->Count(), 0u);
        EXPECT_FALSE(scaleFound);
        EXPECT_TRUE(scaleRun->Stopped());
        EXPECT_EQ(scaleRun->Results()->Count(), 0u);
    }
}

TEST(SearchEngineCancel, StopWhilePausedEndsTheRun)
{
    SearchEngine engine;
    ChordSearch& chords = engine.Chords();
    chords.SetTuning(kStandardGuitar);
    chords.SetRequest(ChordRequestFor({"C", "E", "G"}));
    const auto run = chords.StartRun();
    ChordFingering f;
    ASSERT_TRUE(run->Next(f));
    run->Control().Pause();
    bool found = true;
    std::thread worker([&] { found = run->Next(f); });
    EXPECT_EQ(run->Results()->Count(), 1u);
    run->Control().Stop();
    worker.join();
    EXPECT_FALSE(found);
    EXPECT_TRUE(run->Stopped());
    EXPECT_EQ(run->Results()->Count(), 1u);
    // A resume after the stop does not revive the run.
    run->Control().Resume();
    EXPECT_FALSE(run->Next(f));
}

// A worker drains chord runs while this thread pauses, resumes, stops, clears and reads at
// random. Nothing may deadlock; a run that was not stopped gives exactly the sequential results,
// and a stopped one a prefix of them; a clear never lets a run write into the engine's new list.
TEST(SearchEngineConcurrency, RandomControlWhileAWorkerRuns)
{
    SearchEngine engine;
    ChordSearch& chords = engine.Chords();
    chords.SetTuning(kStandardGuitar);
    chords.SetRequest(ChordRequestFor({"C", "E", "G", "Bb"}));
    const auto sequential = RunChordSearch(chords);
    ASSERT_FALSE(sequential.empty());

    std::mt19937 random(20261208);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const auto run = chords.StartRun();
        RunControl& control = run->Control();
        std::vector<ChordFingering> found;
        std::atomic<bool> done{false};
        std::thread worker([&] {
            found = Drain(*run);
            done.store(true);
        });

        bool stopped = false;
        bool cleared = false;
        for (int step = 0; step < 200 && !done.load(); ++step) {
            switch (random() % 8) {
            case 0:
            case 1:
                control.Pause();
                break;
            case 2:
            case 3:
                control.Resume();
                break;
            case 4:
                if (random() % 4 == 0) {
                    control.Stop();
                    stopped = true;
                }
                break;
            case 5:
                chords.ClearResults();
                cleared = true;
                break;
            default: {
                const auto list = run->Results();
                const std::size_t count = list->Count();
                if (count > 0) {
                    EXPECT_EQ(list->Get(count - 1), sequential[count - 1]);
                }
                break;
            }
            }
            std::this_thread::yield();
        }
        control.Resume();
        worker.join();

        if (!stopped || found.size() < sequential.size()) {
            EXPECT_EQ(run->Stopped(), stopped);
        }
        if (stopped) {
            ASSERT_LE(found.size(), sequential.size());
            EXPECT_TRUE(std::equal(found.begin(), found.end(), sequential.begin()));
        } else {
            EXPECT_EQ(found, sequential);
        }
        EXPECT_EQ(ListedFingerings(*run->Results()), found);
        if (cleared) {
            EXPECT_EQ(chords.Results()->Count(), 0u);
        }
    }
}

}  // namespace
}  // namespace guivarna::theory::test
