#include "tests/theory/search_support.h"
#include "theory/search/chord_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace guivarna::theory::test {
namespace {

using Values = std::vector<std::uint32_t>;

class ChordSearch : public ::testing::Test {
protected:
    ChordSearch() { chords.SetTuning(kStandardGuitar); }

    // Takes the chord from the theory object into the request, sets it and runs a search.
    std::vector<ChordFingering> Search(const std::vector<std::string>& notes)
    {
        LoadChord(theory, notes);
        return SearchLoaded();
    }

    std::vector<ChordFingering> SearchLoaded()
    {
        TakeChord(request, theory);
        chords.SetRequest(request);
        return RunChordSearch(chords);
    }

    MusicTheory theory;
    SearchEngine engine;
    theory::ChordSearch& chords = engine.Chords();
    ChordSearchRequest request;
};

TEST_F(ChordSearch, FirstResultOfCMajorOnStandardGuitar)
{
    const auto results = Search({"C", "E", "G"});
    ASSERT_FALSE(results.empty());
    EXPECT_EQ(results[0], (ChordFingering{{1, 2, 3}, {60, 64, 67}, {8, 5, 0}}));
    // The octave variants of the first note order follow, last string fastest.
    EXPECT_EQ(results[1].FretBoardPosition, (Values{8, 5, 12}));
    EXPECT_EQ(results[2].FretBoardPosition, (Values{8, 5, 24}));
    EXPECT_EQ(results[3].FretBoardPosition, (Values{8, 17, 0}));
    EXPECT_EQ(chords.Results()->Count(), results.size());
    for (std::size_t i = 0; i < results.size(); ++i)
        ASSERT_EQ(chords.Results()->Get(i), results[i]) << i;
}

TEST_F(ChordSearch, SpanKeepsFretsWithinConsecutiveFrets)
{
    request.span = 4;
    const auto results = Search({"C", "E", "G"});
    ASSERT_FALSE(results.empty());
    for (const ChordFingering& f : results) {
        const auto [low, high] =
            std::minmax_element(f.FretBoardPosition.begin(), f.FretBoardPosition.end());
        ASSERT_LE(*high - *low, 3u);
    }
}

TEST_F(ChordSearch, MelodyNoteIsOnTheHighestStringUsed)
{
    request.melody = 4;
    const auto results = Search({"C", "E", "G"});
    ASSERT_FALSE(results.empty());
    for (const ChordFingering& f : results)
        ASSERT_EQ(f.StringNotes[0], 64u);
    // The request is kept as it was set: taking the chord only fills in the notes and the root.
    const ChordSearchRequest kept = chords.Request();
    EXPECT_EQ(kept.melody, 4);
    EXPECT_TRUE(kept.permutation.empty());
    EXPECT_EQ(kept.notes, (std::vector<Note>{60, 64, 67}));
    EXPECT_EQ(kept.root, 0);
}

TEST_F(ChordSearch, PermutationFixesTheNoteOrder)
{
    request.permutation = {64, 60, 67};
    const auto results = Search({"C", "E", "G"});
    ASSERT_FALSE(results.empty());
    for (const ChordFingering& f : results)
        ASSERT_EQ(f.StringNotes, (Values{64, 60, 67}));
    // A melody note on top of the permutation narrows it further; one that contradicts it
    // leaves nothing.
    request.melody = 4;
    EXPECT_EQ(SearchLoaded(), results);
    request.melody = 7;
    EXPECT_TRUE(SearchLoaded().empty());
}

TEST_F(ChordSearch, AllowedStringsLimitTheStringSet)
{
    request.allowedStrings = {2, 3, 4};
    const auto results = Search({"C", "E", "G"});
    ASSERT_FALSE(results.empty());
    for (const ChordFingering& f : results)
        ASSERT_EQ(f.StringSet, (Values{2, 3, 4}));
}

TEST_F(ChordSearch, SixDistinctNotesOnSixStringsGiveEveryNoteOrder)
{
    const auto results = Search({"C", "D", "E", "F", "G", "Bb"});
    EXPECT_EQ(results.size(), 59616u);
    std::vector<Values> orders;
    for (const ChordFingering& f : results) {
        ASSERT_EQ(f.StringSet, (Values{1, 2, 3, 4, 5, 6}));
        orders.push_back(f.StringNotes);
    }
    orders.erase(std::unique(orders.begin(), orders.end()), orders.end());
    EXPECT_EQ(orders.size(), 720u);
    EXPECT_TRUE(std::is_sorted(orders.begin(), orders.end()));
}

TEST_F(ChordSearch, RepeatedNotesAreNotArrangedTwice)
{
    const auto results = Search({"C", "C", "E"});
    std::vector<Values> orders;
    for (const ChordFingering& f : results) {
        if (f.StringSet == Values{1, 2, 3} && (orders.empty() || orders.back() != f.StringNotes))
            orders.push_back(f.StringNotes);
    }
    EXPECT_EQ(orders, (std::vector<Values>{{60, 60, 64}, {60, 64, 60}, {64, 60, 60}}));
}

TEST_F(ChordSearch, ExhaustedRunStaysDoneAndANewRunStartsOver)
{
    LoadChord(theory, {"C", "E", "G"});
    TakeChord(request, theory);
    chords.SetRequest(request);
    const auto run = chords.StartRun();
    const auto results = Drain(*run);
    ChordFingering again;
    EXPECT_FALSE(run->Next(again));
    EXPECT_FALSE(run->Stopped());
    EXPECT_EQ(run->Results()->Count(), results.size());

    const auto next = chords.StartRun();
    ASSERT_TRUE(next->Next(again));
    EXPECT_EQ(again, results.front());
    EXPECT_FALSE(next->Stopped());
}

TEST_F(ChordSearch, RequestsThatCannotBePlayedGiveNoResults)
{
    LoadChord(theory, {"C", "D", "E", "F", "G", "A", "B"});
    EXPECT_TRUE(SearchLoaded().empty());  // seven notes on six strings

    theory.ClearSelection();
    EXPECT_TRUE(SearchLoaded().empty());  // no notes

    theory.AddNote("H");  // unknown name: 999999
    theory.AddNote("C");
    EXPECT_TRUE(SearchLoaded().empty());

    LoadChord(theory, {"C", "E"});
    request.permutation = {60, 64, 67};  // longer than the chord
    EXPECT_TRUE(SearchLoaded().empty());
    request.permutation.clear();
    request.melody = 12;  // no pitch class
    EXPECT_TRUE(SearchLoaded().empty());
}

TEST_F(ChordSearch, CurrentChordReadsFromTheList)
{
    const auto results = Search({"C", "E", "G"});
    ChordFingering current;
    EXPECT_EQ(chords.Current(), -1);
    EXPECT_FALSE(chords.CurrentFingering(current));
    chords.SetCurrent(5);
    ASSERT_TRUE(chords.CurrentFingering(current));
    EXPECT_EQ(current, results[5]);
    chords.SetCurrent(static_cast<int>(results.size()));
    EXPECT_FALSE(chords.CurrentFingering(current));
    EXPECT_THROW(chords.Results()->Get(results.size()), std::out_of_range);
    chords.SetCurrent(0);
    chords.ClearResults();
    EXPECT_EQ(chords.Current(), -1);
    EXPECT_EQ(chords.Results()->Count(), 0u);
    // Starting a run also empties the list and drops the selection.
    Search({"C", "E", "G"});
    chords.SetCurrent(3);
    const auto run = chords.StartRun();
    EXPECT_EQ(chords.Current(), -1);
    EXPECT_EQ(chords.Results()->Count(), 0u);
}

TEST_F(ChordSearch, ClearingTheResultsDetachesTheRunningSearch)
{
    LoadChord(theory, {"C", "E", "G"});
    TakeChord(request, theory);
    chords.SetRequest(request);
    const auto run = chords.StartRun();
    ChordFingering f;
    ASSERT_TRUE(run->Next(f));
    const auto ownList = run->Results();
    EXPECT_EQ(chords.Results(), ownList);
    chords.ClearResults();  // a new request while the old run winds down
    EXPECT_NE(chords.Results(), ownList);
    // The old run goes on to the end, appending only to the list it started with.
    auto rest = Drain(*run);
    EXPECT_FALSE(run->Stopped());
    EXPECT_EQ(chords.Results()->Count(), 0u);
    rest.insert(rest.begin(), f);
    EXPECT_EQ(ListedFingerings(*ownList), rest);
    EXPECT_EQ(rest, RunChordSearch(chords));
}

TEST_F(ChordSearch, RequestIsTakenWhenTheRunStarts)
{
    LoadChord(theory, {"C", "E", "G"});
    TakeChord(request, theory);
    chords.SetRequest(request);
    const auto run = chords.StartRun();
    request.span = 1;
    chords.SetRequest(request);
    chords.SetTuning({40});
    theory.ClearSelection();
    EXPECT_EQ(Drain(*run).size(), 1184u);
    EXPECT_EQ(run->Results()->Count(), 1184u);
}

TEST_F(ChordSearch, StoredResultsOfRunsWithDifferentTuningsReadBackExactly)
{
    const auto standard = Search({"C", "E", "G"});
    const auto standardList = chords.Results();
    chords.SetTuning({62, 57, 53, 48, 43, 38});  // a whole tone down: same strings, other frets
    const auto lowered = RunChordSearch(chords);
    ASSERT_EQ(lowered.front(), (ChordFingering{{1, 2, 3}, {60, 64, 67}, {10, 7, 2}}));
    // The list of the first run, still held, is untouched by the second.
    EXPECT_EQ(ListedFingerings(*standardList), standard);
    EXPECT_EQ(ListedFingerings(*chords.Results()), lowered);
}

TEST_F(ChordSearch, NoAllowedStringsMeansEveryStringOfTheTuningAtRunTime)
{
    Search({"C"});
    EXPECT_TRUE(chords.Request().allowedStrings.empty());  // a run does not fill it in
    chords.SetTuning({64, 59, 55, 50, 45, 40, 35});
    const auto results = Search({"B"});
    EXPECT_EQ(results.back().StringSet, Values{7});
    request.allowedStrings = {2};
    chords.SetRequest(request);
    chords.SetTuning({64, 59});
    EXPECT_EQ(chords.Request().allowedStrings, Values{2});  // chosen by the user: kept
}

TEST_F(ChordSearch, StringCountLimits)
{
    chords.SetTuning({});
    EXPECT_TRUE(Search({"C"}).empty());
    std::vector<Note> many(kMaxStrings, 40);
    chords.SetTuning(many);
    many.push_back(41);
    EXPECT_THROW(chords.SetTuning(many), std::length_error);
    EXPECT_EQ(chords.StringCount(), kMaxStrings);
    EXPECT_EQ(chords.Tuning(), std::vector<Note>(kMaxStrings, 40));
    // One note on each of 24 strings tuned alike: fret 8 and 20 on every string.
    EXPECT_EQ(Search({"C"}).size(), 48u);
}

TEST(ChordFilters, FretRangeAndSpanUnderEachOpenStringPolicy)
{
    struct Case {
        int policy;
        std::uint32_t lowest;
        std::uint32_t highest;
        int span;
        std::vector<std::uint8_t> frets;
        bool range;
        bool spanOk;
    };
    const std::vector<Case> cases = {
        {0, 5, 8, 24, {0, 5, 5}, false, true},  // an open string is fret 0
        {1, 5, 8, 24, {0, 5, 5}, true, true},  // open strings are always allowed
        {2, 5, 8, 24, {0, 5, 5}, true, true},
        {1, 5, 8, 24, {0, 9, 5}, false, true},
        {2, 0, 24, 24, {3, 5, 5}, true, false},  // no open string
        {2, 0, 24, 24, {0, 0, 0}, false, true},  // only open strings
        {1, 0, 24, 24, {0, 0, 0}, true, true},
        {0, 0, 24, 4, {1, 4, 5}, true, false},  // max - min must stay below the span
        {0, 0, 24, 4, {2, 4, 5}, true, true},
        {0, 0, 24, 4, {0, 12, 15}, true, false},
        {1, 0, 24, 4, {0, 12, 15}, true, true},  // open strings are left out of the span
        {2, 0, 24, 4, {0, 12, 16}, true, false},
        {0, 0, 24, 24, {0, 24}, true, false},
        {7, 0, 24, 24, {5, 5}, true, false},  // any other policy accepts nothing
        {-1, 9, 3, 24, {5, 5}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
            << "policy " << c.policy << " frets " << c.lowest << "-" << c.highest << " span "
            << c.span << " case " << (&c - cases.data()));
        ChordFilter filter;
        filter.openStrings = static_cast<OpenStringPolicy>(c.policy);
        filter.lowestFret = c.lowest;
        filter.highestFret = c.highest;
        filter.span = c.span;
        filter.Prepare();
        FingeringCandidate candidate;
        candidate.count = static_cast<int>(c.frets.size());
        std::copy(c.frets.begin(), c.frets.end(), candidate.frets.begin());
        EXPECT_EQ(filter.PassesFretRange(candidate), c.range);
        EXPECT_EQ(filter.PassesSpan(candidate), c.spanOk);
        EXPECT_EQ(filter.Accepts(candidate), c.range && c.spanOk);
    }
}

// ---------------------------------------------------------------------------------------------
// The search against a brute-force enumeration written straight from the rules.

struct Request {
    std::string label{};
    std::vector<Note> tuning{};
    std::vector<std::string> notes{};
    std::uint32_t lowest = 0;
    std::uint32_t highest = 24;
    int span = 24;
    int policy = 0;
    Values allowed{};
    Values permutation{};
    std::string melody{};
};

bool PlainFilters(const Request& r, const ChordFingering& f)
{
    const Values& frets = f.FretBoardPosition;
    Values fretted;
    for (const std::uint32_t fret : frets) {
        if (fret != 0)
            fretted.push_back(fret);
    }
    const bool hasOpen = fretted.size() < frets.size();
    auto inRange = [&](const Values& v) {
        return std::all_of(
            v.begin(), v.end(), [&](std::uint32_t x) { return x >= r.lowest && x <= r.highest; });
    };
    auto within = [&](const Values& v) {
        if (v.empty())
            return true;
        const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
        return static_cast<int>(*hi - *lo) < r.span;
    };
    bool range = true;
    bool span = false;
    if (r.policy == 0) {
        range = inRange(frets);
        span = within(frets);
    } else if (r.policy == 1) {
        range = inRange(fretted);
        span = within(fretted);
    } else if (r.policy == 2) {
        range = inRange(fretted) && !fretted.empty();
        span = hasOpen && within(fretted);
    }
    Values allowed = r.allowed;
    if (allowed.empty()) {
        for (std::uint32_t s = 1; s <= r.tuning.size(); ++s)
            allowed.push_back(s);
    }
    const bool strings = std::all_of(f.StringSet.begin(), f.StringSet.end(), [&](std::uint32_t s) {
        return std::find(allowed.begin(), allowed.end(), s) != allowed.end();
    });
    bool permutation = r.permutation.size() <= f.StringNotes.size();
    for (std::size_t i = 0; permutation && i < r.permutation.size(); ++i)
        permutation = f.StringNotes[i] == r.permutation[i];
    const bool melody = r.melody.empty() || NoteName(f.StringNotes[0]) == r.melody;
    return range && span && strings && permutation && melody;
}

std::vector<ChordFingering> BruteForce(const Request& r)
{
    const std::size_t n = r.tuning.size();
    Values notes;
    for (const std::string& name : r.notes)
        notes.push_back(NoteNumber(name));
    std::sort(notes.begin(), notes.end());
    const std::size_t k = notes.size();

    std::vector<Values> combinations;
    for (unsigned mask = 1; mask < (1u << n); ++mask) {
        if (static_cast<std::size_t>(std::popcount(mask)) != k)
            continue;
        Values strings;
        for (std::uint32_t s = 0; s < n; ++s) {
            if ((mask & (1u << s)) != 0)
                strings.push_back(s + 1);
        }
        combinations.push_back(strings);
    }
    std::sort(combinations.begin(), combinations.end());

    std::vector<ChordFingering> accepted;
    for (const Values& strings : combinations) {
        Values order = notes;
        do {
            Values base;
            std::size_t variants = 1;
            std::vector<std::size_t> shifts;
            for (std::size_t i = 0; i < k; ++i) {
                const int open = static_cast<int>(r.tuning[strings[i] - 1]);
                int fret = (static_cast<int>(order[i]) - open) % 12;
                if (fret < 0)
                    fret += 12;
                base.push_back(static_cast<std::uint32_t>(fret));
                shifts.push_back((24 - static_cast<std::size_t>(fret)) / 12 + 1);
                variants *= shifts.back();
            }
            for (std::size_t v = 0; v < variants; ++v) {
                Values frets = base;
                std::size_t rest = v;
                for (std::size_t i = k; i-- > 0;) {
                    frets[i] += static_cast<std::uint32_t>(12 * (rest % shifts[i]));
                    rest /= shifts[i];
                }
                ChordFingering f{strings, order, frets};
                if (PlainFilters(r, f))
                    accepted.push_back(f);
            }
        } while (std::next_permutation(order.begin(), order.end()));
    }
    return accepted;
}

TEST(ChordSearchAgainstBruteForce, SameFingeringsInTheSameOrder)
{
    const std::vector<Note> g = kStandardGuitar;
    const std::vector<Note> seven = {64, 59, 55, 50, 45, 40, 35};
    const std::vector<Note> eight = {64, 59, 55, 50, 45, 40, 35, 30};
    const std::vector<Note> nine = {64, 59, 55, 50, 45, 40, 35, 30, 25};
    const std::vector<Request> requests = {
        {.label = "C E G defaults", .tuning = g, .notes = {"C", "E", "G"}},
        {.label = "span 4", .tuning = g, .notes = {"C", "E", "G"}, .span = 4},
        {.label = "frets 5-8 by position",
            .tuning = g,
            .notes = {"C", "E", "G"},
            .lowest = 5,
            .highest = 8},
        {.label = "frets 5-8 may open",
            .tuning = g,
            .notes = {"C", "E", "G"},
            .lowest = 5,
            .highest = 8,
            .policy = 1},
        {.label = "frets 1-5 span 3 must open",
            .tuning = g,
            .notes = {"G", "B", "D"},
            .lowest = 1,
            .highest = 5,
            .span = 3,
            .policy = 2},
        {.label = "policy 4 accepts nothing", .tuning = g, .notes = {"C", "E", "G"}, .policy = 4},
        {.label = "strings 2 3 4", .tuning = g, .notes = {"C", "E", "G"}, .allowed = {2, 3, 4}},
        {.label = "strings with strays", .tuning = g, .notes = {"A", "D"}, .allowed = {6, 1, 9, 0}},
        {.label = "permutation",
            .tuning = g,
            .notes = {"C", "E", "G"},
            .highest = 12,
            .span = 5,
            .permutation = {67, 60, 64}},
        {.label = "partial permutation",
            .tuning = g,
            .notes = {"C", "E", "G", "Bb"},
            .span = 6,
            .policy = 1,
            .permutation = {70}},
        {.label = "melody", .tuning = g, .notes = {"C", "E", "G"}, .melody = "E"},
        {.label = "permutation and melody",
            .tuning = g,
            .notes = {"C", "E", "G", "Bb"},
            .span = 5,
            .permutation = {64, 70},
            .melody = "E"},
        {.label = "repeated notes", .tuning = g, .notes = {"D", "A", "D", "Gb"}, .span = 5},
        {.label = "one note", .tuning = g, .notes = {"Gb"}},
        {.label = "all six strings",
            .tuning = g,
            .notes = {"E", "B", "G", "D", "A", "E"},
            .highest = 7,
            .span = 4,
            .policy = 1},
        {.label = "seven strings",
            .tuning = seven,
            .notes = {"B", "D", "F", "A"},
            .span = 4,
            .policy = 2},
        {.label = "low tuning",
            .tuning = {28, 33, 38, 43},
            .notes = {"E", "A"},
            .lowest = 2,
            .highest = 14,
            .span = 3},
        {.label = "seven notes on seven strings",
            .tuning = seven,
            .notes = {"C", "C", "E", "E", "G", "G", "Bb"},
            .span = 6},
        {.label = "eight notes on eight strings",
            .tuning = eight,
            .notes = {"C", "C", "C", "E", "E", "G", "G", "G"},
            .lowest = 2,
            .highest = 14,
            .span = 5,
            .policy = 1},
        {.label = "nine notes on nine strings",
            .tuning = nine,
            .notes = {"C", "C", "C", "C", "C", "E", "E", "E", "E"},
            .span = 9,
            .policy = 2},
        {.label = "eight of nine strings",
            .tuning = nine,
            .notes = {"C", "C", "C", "C", "E", "E", "E", "E"},
            .span = 12,
            .allowed = {1, 2, 3, 4, 5, 6, 7, 9},
            .melody = "E"},
        {.label = "span zero", .tuning = g, .notes = {"C", "E"}, .span = 0},
        {.label = "fret range upside down",
            .tuning = g,
            .notes = {"C", "E"},
            .lowest = 9,
            .highest = 3,
            .policy = 1},
    };
    for (const Request& r : requests) {
        SCOPED_TRACE(r.label);
        MusicTheory theory;
        LoadChord(theory, r.notes);
        ChordSearchRequest request;
        TakeChord(request, theory);
        request.lowestFret = r.lowest;
        request.highestFret = r.highest;
        request.span = r.span;
        request.openStrings = static_cast<OpenStringPolicy>(r.policy);
        request.allowedStrings = r.allowed;
        request.permutation = r.permutation;
        request.melody = PitchClassOfName(r.melody);
        SearchEngine engine;
        engine.Chords().SetTuning(r.tuning);
        engine.Chords().SetRequest(request);

        const auto expected = BruteForce(r);
        const auto found = RunChordSearch(engine.Chords());
        const auto stored = engine.Chords().Results();
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            ASSERT_EQ(found[i], expected[i]) << "result " << i;
            ASSERT_EQ(stored->Get(i), expected[i]) << "stored result " << i;
        }
    }
}

}  // namespace
}  // namespace guivarna::theory::test
