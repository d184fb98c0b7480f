#include "tests/theory/search_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <thread>

namespace guivarna::theory::test {
namespace {

// A fingering read while the worker appends must be complete: one entry per chord note,
// ascending strings, frets within reach.
void ExpectWellFormed(const ChordFingering& f, std::size_t notes)
{
    ASSERT_EQ(f.StringSet.size(), notes);
    ASSERT_EQ(f.NotePermutation.size(), notes);
    ASSERT_EQ(f.FretBoardPosition.size(), notes);
    ASSERT_TRUE(std::is_sorted(f.StringSet.begin(), f.StringSet.end()));
    for (std::size_t i = 0; i < notes; ++i) {
        ASSERT_TRUE(f.NotePermutation[i] >= 60 && f.NotePermutation[i] <= 71);
        ASSERT_LE(f.FretBoardPosition[i], 24u);
    }
}

TEST(SearchEngineConcurrency, InterfaceReadsWhileWorkersAppend)
{
    MusicTheory theory;
    LoadChord(theory, {"C", "D", "E", "F", "G", "Bb"});
    SearchEngine engine(theory);
    engine.SetTuning(kStandardGuitar);
    engine.SetToneCount(5);

    std::latch started(2);
    std::atomic<bool> chordDone{false};
    std::size_t chordCount = 0;
    std::size_t scaleCount = 0;
    std::thread chordWorker([&] {
        engine.ClearChordResults();
        engine.ResetChordSearch();
        started.count_down();
        ChordFingering f;
        while (engine.FindNextChord(f))
            ++chordCount;
        chordDone.store(true);
    });
    std::thread scaleWorker([&] {
        engine.ClearScaleResults();
        engine.ResetScaleSearch();
        started.count_down();
        std::vector<Note> scale;
        while (engine.FindNextScale(scale))
            ++scaleCount;
    });

    // Once both runs have their request, the interface may set the next one at will.
    started.wait();
    engine.SetSpan(1);
    engine.SetTuning({40, 45});
    engine.SetToneCount(12);
    engine.SetMustHaveFilter(true);
    engine.SetMustHaveNotes({61});

    ChordFingering read;
    std::size_t reads = 0;
    for (std::size_t lastCount = 0; !chordDone.load(); ++reads) {
        const std::size_t count = engine.ChordResultCount();
        ASSERT_GE(count, lastCount);
        lastCount = count;
        if (count > 0) {
            engine.GetFingering(read, (count * 7919 + reads) % count);
            ExpectWellFormed(read, 6);
        }
        engine.SetCurrentChord(static_cast<int>(count) - 1);
        if (engine.GetCurrentFingering(read))
            ExpectWellFormed(read, 6);
        const std::size_t scales = engine.ScaleResultCount();
        if (scales > 0) {
            ASSERT_EQ(engine.GetScale(scales - 1).size(), 5u);
        }
        engine.SetCurrentScale(static_cast<int>(scales) - 1);
        engine.FormatCurrentScale();
    }
    chordWorker.join();
    scaleWorker.join();
    EXPECT_EQ(chordCount, 59616u);
    EXPECT_EQ(scaleCount, 792u);
    EXPECT_EQ(engine.ScaleResultCount(), 792u);
}

TEST(SearchEngineConcurrency, ClearingTheResultsWhileAWorkerAppends)
{
    MusicTheory theory;
    LoadChord(theory, {"C", "D", "E", "F", "G", "A", "Bb"});
    SearchEngine engine(theory);
    engine.SetTuning({64, 59, 55, 50, 45, 40, 35});
    engine.ClearChordResults();
    engine.ResetChordSearch();

    std::latch firstFound(1);
    std::thread worker([&] {
        ChordFingering f;
        bool more = engine.FindNextChord(f);
        firstFound.count_down();
        while (more)
            more = engine.FindNextChord(f);
    });
    firstFound.wait();
    engine.SetCurrentChord(0);
    engine.ClearChordResults();  // the interface starts a new request
    ChordFingering read;
    EXPECT_FALSE(engine.GetCurrentFingering(read));
    worker.join();
    // Whether the old run was still going or had just ended, nothing landed after the clear.
    EXPECT_EQ(engine.ChordResultCount(), 0u);
    EXPECT_EQ(engine.GetCurrentChord(), -1);
}

TEST(SearchEngineCancel, StopTakesEffectDuringALongSkip)
{
    // Eight notes on 24 strings with a policy that accepts nothing: one FindNextChord call would
    // examine hundreds of billions of candidates before returning false.
    MusicTheory theory;
    LoadChord(theory, {"C", "D", "E", "F", "G", "A", "B", "Bb"});
    SearchEngine engine(theory);
    engine.SetTuning(std::vector<Note>(24, 40));
    engine.SetOpenStringPolicy(9);
    engine.ClearChordResults();
    engine.ResetChordSearch();

    std::latch searching(1);
    bool found = true;
    std::thread worker([&] {
        searching.count_down();
        ChordFingering f;
        found = engine.FindNextChord(f);
    });
    searching.wait();
    engine.RequestChordStop();
    worker.join();
    EXPECT_FALSE(found);
    EXPECT_TRUE(engine.ChordSearchStopped());

    // Stopped runs stay stopped until the next reset; a reset withdraws the stop.
    ChordFingering f;
    EXPECT_FALSE(engine.FindNextChord(f));
    engine.SetOpenStringPolicy(kOpenStringsByPosition);
    engine.ResetChordSearch();
    EXPECT_TRUE(engine.FindNextChord(f));
    EXPECT_FALSE(engine.ChordSearchStopped());
}

TEST(SearchEngineCancel, ScaleStopEndsTheRun)
{
    MusicTheory theory;
    SearchEngine engine(theory);
    engine.SetToneCount(6);
    engine.ClearScaleResults();
    engine.ResetScaleSearch();
    std::vector<Note> scale;
    ASSERT_TRUE(engine.FindNextScale(scale));
    std::thread([&] { engine.RequestScaleStop(); }).join();
    EXPECT_FALSE(engine.FindNextScale(scale));
    EXPECT_TRUE(engine.ScaleSearchStopped());
    EXPECT_EQ(engine.ScaleResultCount(), 1u);
}

}  // namespace
}  // namespace guivarna::theory::test
