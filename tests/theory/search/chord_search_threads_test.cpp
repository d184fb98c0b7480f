#include "tests/theory/search_support.h"
#include "theory/search/parallel_chord_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <new>
#include <random>
#include <string>
#include <thread>

namespace guivarna::theory::test {
namespace {

const std::vector<Note> kSevenStrings = {64, 59, 55, 50, 45, 40, 35};

struct SearchCase {
    const char* name;
    std::vector<Note> tuning;
    std::vector<std::string> notes;
    std::function<void(ChordSearchRequest&)> adjust = [](ChordSearchRequest&) {};
};

void Prepare(ChordSearch& search, const SearchCase& c)
{
    MusicTheory theory;
    LoadChord(theory, c.notes);
    ChordSearchRequest request;
    TakeChord(request, theory);
    c.adjust(request);
    search.SetTuning(c.tuning);
    search.SetRequest(request);
}

// Searches with pieces of every shape: many small string combinations, one combination with
// thousands of note orders, filters that empty most pieces but not all, repeated notes, and
// searches that find nothing at all.
const std::vector<SearchCase>& Cases()
{
    static const std::vector<SearchCase> cases = {
        {"triadOnSixStrings", kStandardGuitar, {"C", "E", "G"}},
        {"sixNotesOnSix", kStandardGuitar, {"C", "D", "E", "F", "G", "Bb"}},
        {"fiveNotesOnSevenHighFrets", kSevenStrings, {"C", "D", "E", "G", "A"},
            [](ChordSearchRequest& r) {
                r.lowestFret = 14;
                r.highestFret = 17;
            }},
        {"onlyLowStringsAndMelody", kSevenStrings, {"C", "E", "G", "Bb"},
            [](ChordSearchRequest& r) {
                r.allowedStrings = {3, 5, 6, 7};
                r.melody = 4;
            }},
        {"fixedNoteOrder", kStandardGuitar, {"C", "E", "G", "B"},
            [](ChordSearchRequest& r) {
                r.permutation = {67, 60, 71, 64};
            }},
        {"playableMustHaveOpen", kStandardGuitar, {"C", "E", "G", "A"},
            [](ChordSearchRequest& r) {
                r.playableOnly = true;
                r.openStrings = OpenStringPolicy::MustHave;
            }},
        {"repeatedNotes", kStandardGuitar, {"C", "E", "G"},
            [](ChordSearchRequest& r) {
                r.notes = {60, 64, 60, 67, 64};
            }},
        {"singleNote", {64}, {"E"}},
        {"moreNotesThanStrings", {64, 59}, {"C", "E", "G"}},
        {"narrowSpan", kStandardGuitar, {"C", "D", "E", "F#", "A"},
            [](ChordSearchRequest& r) {
                r.span = 1;
                r.openStrings = OpenStringPolicy::ByPosition;
            }},
        {"unknownOpenPolicy", kStandardGuitar, {"C", "E", "G"},
            [](ChordSearchRequest& r) { r.openStrings = static_cast<OpenStringPolicy>(7); }},
    };
    return cases;
}

struct Reference {
    std::vector<ChordFingering> rows;
    std::size_t bytes = 0;
};

Reference OneThreadRun(ChordSearch& search)
{
    const auto run = search.StartRun();
    Reference reference{Drain(*run), run->Results()->Bytes()};
    return reference;
}

TEST(ChordSearchThreads, SameRowsInTheSameOrderAtAnyThreadCount)
{
    for (const SearchCase& c : Cases()) {
        ChordSearch search;
        Prepare(search, c);
        const Reference reference = OneThreadRun(search);
        for (const int threads : {1, 2, 3, 8}) {
            SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(threads) + " threads");
            const auto run = search.StartRun();
            run->RunToEnd(threads);
            EXPECT_FALSE(run->Stopped());
            ChordFingering after;
            EXPECT_FALSE(run->Next(after));
            EXPECT_EQ(ListedFingerings(*run->Results()), reference.rows);
            // The list is laid out as a one-thread run lays it out.
            EXPECT_EQ(run->Results()->Bytes(), reference.bytes);
        }
    }
}

TEST(ChordSearchThreads, PieceSizeAndRoomAheadDoNotChangeTheRows)
{
    // One note order per piece and no room ahead, odd sizes, and pieces far larger than the
    // search.
    const ChordPieceLimits limits[] = {
        {1, 1}, {1, 0}, {7, 3}, {300, 2}, {std::uint64_t{1} << 40, 4}};
    for (const SearchCase& c : Cases()) {
        ChordSearch search;
        Prepare(search, c);
        const Reference reference = OneThreadRun(search);
        for (const ChordPieceLimits& limit : limits) {
            for (const int threads : {2, 3}) {
                SCOPED_TRACE(std::string(c.name) + " pieces of " +
                    std::to_string(limit.pieceCandidates) + ", " +
                    std::to_string(limit.piecesAhead) + " ahead, " + std::to_string(threads) +
                    " threads");
                ChordResultList list;
                RunControl control;
                const ChordFilter filter = ChordFilter::For(c.tuning, search.Request());
                EXPECT_FALSE(RunChordSearchInPieces(filter, list, control, threads, limit));
                EXPECT_EQ(ListedFingerings(list), reference.rows);
            }
        }
    }
}

TEST(ChordSearchThreads, ByteLimitStopsTheListWhereOneThreadStops)
{
    ChordSearch search;
    Prepare(search, Cases()[1]);
    search.SetResultByteLimit(40000);
    const auto single = search.StartRun();
    EXPECT_THROW(single->RunToEnd(1), std::bad_alloc);
    const std::vector<ChordFingering> kept = ListedFingerings(*single->Results());
    ASSERT_GT(kept.size(), 0u);
    for (const int threads : {2, 3, 8}) {
        SCOPED_TRACE(threads);
        const auto run = search.StartRun();
        EXPECT_THROW(run->RunToEnd(threads), std::bad_alloc);
        EXPECT_EQ(ListedFingerings(*run->Results()), kept);
    }
}

TEST(ChordSearchThreads, StopBeforeTheStartFindsNothing)
{
    ChordSearch search;
    Prepare(search, Cases()[1]);
    auto control = std::make_shared<RunControl>();
    control->Stop();
    const auto run = search.StartRun(control);
    run->RunToEnd(3);
    EXPECT_TRUE(run->Stopped());
    EXPECT_EQ(run->Results()->Count(), 0u);
}

// Pauses, resumes and a stop at random moments of runs on several threads: while held, the
// list does not grow; a run resumed to its end has every row once, in order; a stopped run
// keeps a leading part of the rows and nothing else.
TEST(ChordSearchThreads, PauseResumeAndStopAtRandomPoints)
{
    ChordSearch search;
    Prepare(search, Cases()[1]);
    const std::vector<ChordFingering> reference = OneThreadRun(search).rows;
    std::mt19937 random(20261210);
    int heldRuns = 0;
    for (const int threads : {2, 3, 8}) {
        for (int round = 0; round < 3; ++round) {
            const bool stopAtEnd = round != 0;
            SCOPED_TRACE(std::to_string(threads) + " threads, round " + std::to_string(round));
            auto control = std::make_shared<RunControl>();
            const auto run = search.StartRun(control);
            std::thread worker([&] { run->RunToEnd(threads); });
            const std::shared_ptr<const ChordResultList> list = run->Results();
            for (int pause = 0; pause < 3; ++pause) {
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
                control->Pause();
                while (!control->Holding() && list->Count() < reference.size())
                    std::this_thread::yield();
                if (control->Holding()) {
                    ++heldRuns;
                    const std::size_t held = list->Count();
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                    EXPECT_EQ(list->Count(), held) << "a held run went on";
                }
                control->Resume();
            }
            if (stopAtEnd) {
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 5000));
                control->Stop();
            }
            worker.join();
            const std::vector<ChordFingering> rows = ListedFingerings(*list);
            ASSERT_LE(rows.size(), reference.size());
            EXPECT_TRUE(std::equal(rows.begin(), rows.end(), reference.begin()))
                << "rows lost, doubled or out of order";
            if (!run->Stopped()) {
                EXPECT_EQ(rows.size(), reference.size());
            }
        }
    }
    // Every thread of a paused run came to wait.
    EXPECT_GT(heldRuns, 0);
}

}  // namespace
}  // namespace guivarna::theory::test
