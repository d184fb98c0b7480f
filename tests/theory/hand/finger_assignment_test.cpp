#include "tests/theory/search_support.h"
#include "theory/hand/finger_assignment.h"
#include "theory/search/difficulty_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace guivarna::theory {
namespace {

const std::vector<Note> kUkulele = {69, 64, 60, 67};
const std::vector<Note> kSevenString = {64, 59, 55, 50, 45, 40, 35};

// A shape as chord books write it, low string first, one character a string: "x32010". The
// result is string 1 first, as AssignFingers takes it.
std::vector<int> FromChordBook(const std::string& shape)
{
    std::vector<int> frets;
    for (auto c = shape.rbegin(); c != shape.rend(); ++c)
        frets.push_back(*c == 'x' ? kNotPlayed : *c - '0');
    return frets;
}

// The fingers back in chord-book order ("x32010").
std::string ChordBookFingers(const Hand& shape)
{
    std::string text = FingerText(shape, "");
    return shape.playable ? std::string(text.rbegin(), text.rend()) : text;
}

TEST(FingerAssignment, FingersWellKnownShapesAsChordBooksDo)
{
    struct Case {
        std::string name;
        std::string frets;  // low string first
        std::string fingers;  // low string first, or "unplayable"
        std::vector<Barre> barres;  // string numbers from 1 (the highest string)
    };
    const std::vector<Case> cases = {
        {"C", "x32010", "x32010", {}},
        {"F", "133211", "134211", {{1, 1, 1, 6}}},
        {"D", "xx0232", "xx0132", {}},
        {"Dm", "xx0231", "xx0231", {}},
        {"B", "x24442", "x12341", {{1, 2, 1, 5}}},
        {"E", "022100", "023100", {}},
        {"A", "x02220", "x01230", {}},
        {"G", "320003", "210003", {}},
        {"Am", "x02210", "x02310", {}},
        {"Em", "022000", "023000", {}},
        {"C7", "x32310", "x32410", {}},
        {"Cmaj7", "x32000", "x32000", {}},
        {"small F", "xx3211", "xx3211", {{1, 1, 1, 2}}},
        {"G barre 3", "355433", "134211", {{1, 3, 1, 6}}},
        {"A barre 5", "577655", "134211", {{1, 5, 1, 6}}},
        {"Bm barre 2", "x24432", "x13421", {{1, 2, 1, 5}}},
        {"stretch", "1xxxx8", "unplayable", {}},
        {"five frets", "x12345", "unplayable", {}},
        {"all open", "000000", "000000", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " " + c.frets);
        const Hand shape = AssignFingers(FromChordBook(c.frets));
        EXPECT_EQ(ChordBookFingers(shape), c.fingers);
        EXPECT_EQ(std::vector<Barre>(shape.barres.begin(), shape.barres.begin() + shape.barreCount),
            c.barres);
        EXPECT_EQ(shape.playable, shape.difficulty < kUnplayable);
    }
}

TEST(FingerAssignment, UkuleleAndSevenStringShapes)
{
    struct Case {
        std::string frets;  // the string with the highest number first
        std::string fingers;
        int barres;
    };
    const std::vector<Case> cases = {
        {"0003", "0003", 0},  // ukulele C: the ring finger
        {"0232", "0132", 0},  // ukulele G
        {"2000", "2000", 0},  // ukulele Am
        {"3211", "3211", 1},  // ukulele Bb
        {"4222", "3111", 1},  // ukulele Bm
        {"xx32010", "xx32010", 0},  // seven strings, C
        {"x133211", "x134211", 1},  // seven strings, F with the low B left out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frets);
        const Hand shape = AssignFingers(FromChordBook(c.frets));
        EXPECT_EQ(ChordBookFingers(shape), c.fingers);
        EXPECT_EQ(shape.barreCount, c.barres);
    }
}

// Published shapes for the book conventions, string 1 first as guivarna-cli fingers takes them:
// the index barres the lowest fret over strings fretted higher, lies across a muted string, and
// leaves three strings at one fret above it to three fingers.
TEST(FingerAssignment, BookConventionsStringOneFirst)
{
    struct Case {
        std::vector<int> frets;
        std::string fingers;
        int barres;
    };
    const int x = kNotPlayed;
    const std::vector<Case> cases = {
        {{4, 5, 4, 6}, "1,2,1,4", 1},  // ukulele A
        {{7, 5, 4, 4}, "4,2,1,1", 1},
        {{1, 1, 1, 0}, "3,2,1,0", 0},  // open strings, one fret: a finger each
        {{x, 7, 8, 7, x, 8}, "x,1,3,1,x,2", 1},
        {{8, 10, 9, 10, x, 8}, "1,4,2,3,x,1", 1},  // the barre damps string 5
        {{10, 8, 9, 8, 10, 8}, "4,1,2,1,3,1", 1},
        {{3, 5, 5, 5, 3, 3}, "1,4,3,2,1,1", 1},
        // A barre at 8 would stop string 3 at 8, not 7: six fingers' work.
        {{10, 8, 7, 8, 10, 8}, "unplayable", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.frets));
        const Hand shape = AssignFingers(c.frets);
        EXPECT_EQ(FingerText(shape), c.fingers);
        EXPECT_EQ(shape.barreCount, c.barres);
    }
}

TEST(FingerAssignment, EasierShapesScoreLower)
{
    const auto score = [](const std::string& frets) {
        return AssignFingers(FromChordBook(frets)).difficulty;
    };
    EXPECT_LT(score("022000"), score("x32010"));  // fewer fingers
    EXPECT_LT(score("x32010"), score("133211"));  // no barre
    EXPECT_LT(score("x32010"), score("x3x010"));  // a string left out inside the shape
    EXPECT_LT(score("133211"), score("577655"));  // up the neck
    EXPECT_EQ(AssignFingers(std::vector<int>{kNotPlayed, 25}).playable, false);
}

// Every fingering of a few searches: each fretted string has one finger, fingers keep fret
// order, barres lie over strings fretted at their fret or above (the index barre over strings
// not played too), and the string order of a result is irrelevant.
TEST(FingerAssignment, InvariantsOverWholeSearches)
{
    struct Search {
        std::vector<Note> tuning;
        std::vector<std::string> notes;
        std::uint32_t highestFret;
    };
    const std::vector<Search> searches = {
        {test::kStandardGuitar, {"C", "E", "G"}, 7},
        {test::kStandardGuitar, {"G", "B", "D", "F"}, 12},
        {test::kStandardGuitar, {"C", "E", "G", "Bb", "D", "A"}, 9},
        {kUkulele, {"A", "C", "E", "G"}, 12},
        {kSevenString, {"D", "F", "A"}, 5},
    };
    std::mt19937 random(7);
    for (const Search& s : searches) {
        MusicTheory theory;
        test::LoadChord(theory, s.notes);
        ChordSearch search;
        search.SetTuning(s.tuning);
        ChordSearchRequest request;
        TakeChord(request, theory);
        request.highestFret = s.highestFret;
        search.SetRequest(request);
        const std::vector<ChordFingering> found = test::RunChordSearch(search);
        ASSERT_GT(found.size(), 30u);
        const int strings = static_cast<int>(s.tuning.size());
        int playable = 0;
        for (ChordFingering f : found) {
            const Hand shape = AssignFingers(f, strings);
            std::vector<int> fret(static_cast<std::size_t>(strings), kNotPlayed);
            for (std::size_t i = 0; i < f.StringSet.size(); ++i)
                fret[f.StringSet[i] - 1] = static_cast<int>(f.FretBoardPosition[i]);
            SCOPED_TRACE(
                FingerText(AssignFingers(fret)) + " for " + ::testing::PrintToString(fret));
            if (shape.playable) {
                ++playable;
                for (std::size_t a = 0; a < fret.size(); ++a) {
                    const int finger = shape.fingers[a];
                    EXPECT_EQ(finger == kNotPlayed, fret[a] == kNotPlayed);
                    EXPECT_EQ(finger == 0, fret[a] == 0);
                    EXPECT_LE(finger, 4);
                    for (std::size_t b = 0; b < fret.size(); ++b) {
                        if (finger > 0 && shape.fingers[b] > finger) {
                            EXPECT_LE(fret[a], fret[b]);
                        }
                    }
                }
                for (int i = 0; i < shape.barreCount; ++i) {
                    const Barre& barre = shape.barres[static_cast<std::size_t>(i)];
                    EXPECT_LT(barre.firstString, barre.lastString);
                    for (int string = barre.firstString; string <= barre.lastString; ++string) {
                        const int under = fret[static_cast<std::size_t>(string - 1)];
                        EXPECT_TRUE(under >= barre.fret ||
                            (under == kNotPlayed && i == 0 && barre.finger == 1))
                            << string;
                    }
                }
            }
            // The same result with its strings listed in another order.
            std::vector<std::size_t> order(f.StringSet.size());
            for (std::size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::shuffle(order.begin(), order.end(), random);
            ChordFingering shuffled;
            for (const std::size_t i : order) {
                shuffled.StringSet.push_back(f.StringSet[i]);
                shuffled.StringNotes.push_back(f.StringNotes[i]);
                shuffled.FretBoardPosition.push_back(f.FretBoardPosition[i]);
            }
            const Hand again = AssignFingers(shuffled, strings);
            EXPECT_EQ(again.difficulty, shape.difficulty);
            EXPECT_EQ(FingerText(again), FingerText(shape));
        }
        EXPECT_GT(playable, 0);
    }
}

TEST(DifficultyOrder, SortsEasiestFirstWithSearchOrderBreakingTies)
{
    MusicTheory theory;
    test::LoadChord(theory, {"C", "E", "G"});
    ChordSearch search;
    search.SetTuning(test::kStandardGuitar);
    ChordSearchRequest request;
    TakeChord(request, theory);
    search.SetRequest(request);
    test::RunChordSearch(search);
    const std::shared_ptr<const ChordResultList> list = search.Results();
    const std::size_t count = list->Count();

    std::vector<std::pair<int, std::uint32_t>> expected;
    for (std::uint32_t row = 0; row < count; ++row)
        expected.emplace_back(AssignFingers(list->Get(row), 6).difficulty, row);
    std::sort(expected.begin(), expected.end());

    for (const int threads : {1, 2, 3}) {
        SCOPED_TRACE(threads);
        DifficultyOrder order;
        std::atomic<std::size_t> done{0};
        ASSERT_TRUE(ComputeDifficultyOrder(
            *list, 6, count, threads, std::atomic<bool>{false}, order, &done));
        EXPECT_EQ(done.load(), count);
        ASSERT_EQ(order.easiestFirst.size(), count);
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(order.easiestFirst[i], expected[i].second) << i;
            ASSERT_EQ(order.difficulties[expected[i].second], expected[i].first);
        }
        const std::vector<std::uint32_t> hardest = HardestFirst(order);
        ASSERT_EQ(hardest.size(), count);
        for (std::size_t i = 1; i < count; ++i) {
            const int before = order.difficulties[hardest[i - 1]];
            const int after = order.difficulties[hardest[i]];
            ASSERT_TRUE(before > after || (before == after && hardest[i - 1] < hardest[i])) << i;
        }
    }
    DifficultyOrder cancelled;
    EXPECT_FALSE(ComputeDifficultyOrder(*list, 6, count, 2, std::atomic<bool>{true}, cancelled));
    // No instrument has these string counts: a failure, not an empty order.
    for (const int strings : {-1, kMaxStrings + 1})
        EXPECT_FALSE(
            ComputeDifficultyOrder(*list, strings, count, 1, std::atomic<bool>{false}, cancelled));
}

TEST(RowOrder, EveryColumnSortsStablyBothWays)
{
    MusicTheory theory;
    test::LoadChord(theory, {"C", "E", "G"});
    ChordSearch search;
    search.SetTuning(test::kStandardGuitar);
    ChordSearchRequest request;
    TakeChord(request, theory);
    request.highestFret = 12;
    search.SetRequest(request);
    const std::vector<ChordFingering> rows = test::RunChordSearch(search);
    // What each column compares, from the rows themselves.
    using Key = std::vector<int>;
    const auto keyOf = [](ChordColumn column, const ChordFingering& f) -> Key {
        Key key;
        switch (column) {
        case ChordColumn::kStrings:
            return {f.StringSet.begin(), f.StringSet.end()};
        case ChordColumn::kNotes:
            for (const Note n : f.StringNotes)
                key.push_back(NoteName(n)[0] * 256 + (NoteName(n).size() > 1 ? NoteName(n)[1] : 0));
            return key;
        case ChordColumn::kFrets:
            return {f.FretBoardPosition.begin(), f.FretBoardPosition.end()};
        case ChordColumn::kFingers:
            for (const char c : FingerText(AssignFingers(f, 6)))
                key.push_back(c == 'u' ? 1000 : c);
            return key;
        default:
            return {AssignFingers(f, 6).difficulty};
        }
    };
    for (const ChordColumn column : {ChordColumn::kStrings, ChordColumn::kNotes,
             ChordColumn::kFrets, ChordColumn::kFingers, ChordColumn::kDifficulty}) {
        for (const bool descending : {false, true}) {
            SCOPED_TRACE(::testing::Message() << static_cast<int>(column) << descending);
            std::vector<std::uint32_t> expected(rows.size());
            std::iota(expected.begin(), expected.end(), 0u);
            std::stable_sort(
                expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
                    const Key ka = keyOf(column, rows[a]);
                    const Key kb = keyOf(column, rows[b]);
                    return descending ? kb < ka : ka < kb;
                });
            std::vector<std::uint32_t> order;
            ASSERT_TRUE(ComputeRowOrder(*search.Results(), 6, rows.size(), column, descending, 2,
                std::atomic<bool>{false}, order));
            EXPECT_EQ(order, expected);
        }
    }
}

TEST(ChordSearchPlayable, KeepsExactlyThePlayableShapesInSearchOrder)
{
    MusicTheory theory;
    test::LoadChord(theory, {"C", "E", "G"});
    ChordSearch search;
    search.SetTuning(test::kStandardGuitar);
    ChordSearchRequest request;
    TakeChord(request, theory);
    request.highestFret = 9;
    search.SetRequest(request);
    std::vector<ChordFingering> expected;
    for (const ChordFingering& f : test::RunChordSearch(search)) {
        if (AssignFingers(f, 6).playable)
            expected.push_back(f);
    }
    request.playableOnly = true;
    search.SetRequest(request);
    const std::vector<ChordFingering> found = test::RunChordSearch(search);
    EXPECT_FALSE(found.empty());
    EXPECT_EQ(found, expected);
    EXPECT_EQ(test::ListedFingerings(*search.Results()), expected);
}

}  // namespace
}  // namespace guivarna::theory
