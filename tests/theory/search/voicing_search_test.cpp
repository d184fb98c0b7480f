#include "tests/theory/book_shapes.h"
#include "theory/formats/chord_symbol.h"
#include "theory/notes/instrument_limits.h"
#include "theory/search/run_control.h"
#include "theory/search/voicing_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace guivarna::theory {
namespace {

const std::vector<Note> kGuitar(kStandardTuningNotes.begin(), kStandardTuningNotes.end());
const std::vector<Note> kUkulele = {69, 64, 60, 67};

std::string FretsText(const std::vector<int>& frets)
{
    std::string text;
    for (const int fret : frets) {
        if (!text.empty())
            text += ',';
        text += fret == kNotPlayed ? std::string("x") : std::to_string(fret);
    }
    return text;
}

VoicingRequest RequestFor(const std::string& symbol, const std::vector<Note>& tuning)
{
    const ChordReading reading = ReadChordSymbol(symbol);
    EXPECT_TRUE(reading) << symbol;
    VoicingRequest request;
    request.root = PitchClassOf(reading.chord->root);
    request.intervals = reading.chord->mask;
    request.bass = DefaultBass(tuning);
    request.omittable = DefaultOmittable(request.intervals, tuning);
    return request;
}

std::vector<std::string> Ranked(
    const VoicingRequest& request, const std::vector<Note>& tuning, int threads = 1)
{
    std::vector<std::string> rows;
    for (const Voicing& v : FindVoicings(request, tuning, threads))
        rows.push_back(FretsText(v.frets));
    return rows;
}

// Every fret pattern tried one by one against what a voicing is.
std::set<std::string> BruteForce(const VoicingRequest& r, const std::vector<Note>& tuning)
{
    int chord = 0;
    for (int k = 0; k < 12; ++k)
        if ((r.intervals & (1 << k)) != 0)
            chord |= 1 << ((r.root + k) % 12);
    const int optional = DegreeIntervals(r.omittable, r.intervals);
    int required = 0;
    for (int k = 0; k < 12; ++k)
        if ((r.intervals & ~optional & (1 << k)) != 0)
            required |= 1 << ((r.root + k) % 12);
    const int bass = r.bass == VoicingBass::Root ? r.root
        : r.bass == VoicingBass::Note            ? r.bassNote
                                                 : -1;
    if (bass >= 0)
        required |= 1 << bass;
    std::set<std::string> found;
    std::vector<int> frets(tuning.size(), kNotPlayed);
    const auto visit = [&](auto&& self, std::size_t s) -> void {
        if (s == tuning.size()) {
            int covered = 0, sounding = 0, lo = 99, hi = 0, first = -1, last = -1;
            Note lowest = 999;
            int lowestClass = -1;
            for (std::size_t i = 0; i < frets.size(); ++i) {
                if (frets[i] == kNotPlayed)
                    continue;
                const Note pitch = tuning[i] + static_cast<Note>(frets[i]);
                if ((chord & (1 << (pitch % 12))) == 0)
                    return;
                covered |= 1 << (pitch % 12);
                ++sounding;
                if (frets[i] > 0) {  // open strings need no finger: they are outside the span
                    lo = std::min(lo, frets[i]);
                    hi = std::max(hi, frets[i]);
                } else if (r.lowestFret > 0) {
                    return;
                }
                first = first < 0 ? static_cast<int>(i) : first;
                last = static_cast<int>(i);
                if (pitch < lowest) {
                    lowest = pitch;
                    lowestClass = static_cast<int>(pitch % 12);
                }
            }
            if (lo == 99)
                lo = hi;
            if (sounding < r.minStrings || lo < r.lowestFret || hi > r.highestFret ||
                hi - lo >= r.span || (covered & required) != required ||
                (bass >= 0 && lowestClass != bass) ||
                (!r.mutedInside && last - first + 1 != sounding))
                return;
            if (AssignFingers(frets).playable)
                found.insert(FretsText(frets));
            return;
        }
        for (int fret = kNotPlayed; fret <= r.highestFret; ++fret) {
            frets[s] = fret;
            self(self, s + 1);
        }
    };
    visit(visit, 0);
    return found;
}

TEST(VoicingSearch, FindsExactlyWhatABruteForceFinds)
{
    struct Case {
        const char* chord;
        std::vector<Note> tuning;
        VoicingBass bass;
        unsigned omit;
        int minStrings;
        bool mutedInside;
        int lowest, highest, span;
    };
    const std::vector<Case> cases = {
        {"C", {64, 59, 55}, VoicingBass::Any, kDegreeFifth, 2, true, 0, 6, 4},
        {"G7", {64, 59, 55, 50}, VoicingBass::Root, kDegreeFifth, 3, true, 0, 7, 4},
        {"Am", {69, 64, 60, 67}, VoicingBass::Any, 0, 3, false, 0, 6, 3},
        {"Cmaj9", {64, 59, 55, 50, 45}, VoicingBass::Any, kDegreeFifth | kDegreeRoot, 3, true, 2, 7,
            4},
        {"D/F#", {64, 59, 55, 50, 45}, VoicingBass::Note, 0, 3, true, 0, 5, 5},
        {"E", {64, 59, 55, 50, 45}, VoicingBass::Root, kDegreeFifth, 4, false, 0, 5, 2},
        {"Em", {69, 64, 60, 67}, VoicingBass::Any, 0, 3, true, 0, 6, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chord);
        VoicingRequest request = RequestFor(c.chord, c.tuning);
        request.bass = c.bass;
        if (c.bass == VoicingBass::Note)
            request.bassNote = ReadChordSymbol(c.chord).chord->bass;
        request.omittable = c.omit;
        request.minStrings = c.minStrings;
        request.mutedInside = c.mutedInside;
        request.lowestFret = c.lowest;
        request.highestFret = c.highest;
        request.span = c.span;
        const std::vector<std::string> rows = Ranked(request, c.tuning);
        const std::set<std::string> unique(rows.begin(), rows.end());
        EXPECT_EQ(unique.size(), rows.size());
        EXPECT_EQ(unique, BruteForce(request, c.tuning));
        EXPECT_FALSE(rows.empty());
        // Threads share out the work, never the order.
        EXPECT_EQ(Ranked(request, c.tuning, 3), rows);
    }
}

TEST(VoicingSearch, TheShapesChordBooksPrintFirstComeFirst)
{
    struct Case {
        const char* chord;
        const std::vector<Note>* tuning;
        std::vector<std::string> anyOf;  // string 1 first
    };
    const std::vector<Case> cases = {
        {"C", &kGuitar, {"0,1,0,2,3,x"}},
        {"F", &kGuitar, {"1,1,2,3,3,1", "1,1,2,3,x,x"}},
        {"G", &kGuitar, {"3,0,0,0,2,3", "3,3,0,0,2,3"}},
        {"Am", &kGuitar, {"0,1,2,2,0,x"}},
        {"Bb7", &kGuitar, {"1,3,1,3,1,x"}},
        {"D", &kGuitar, {"2,3,2,0,x,x"}},
        {"E", &kGuitar, {"0,0,1,2,2,0"}},
        {"C", &kUkulele, {"3,0,0,0"}},
        {"G", &kUkulele, {"2,3,2,0"}},
        {"F", &kUkulele, {"0,1,0,2"}},
        {"Am", &kUkulele, {"0,0,0,2"}},
        {"A9", &kUkulele, {"2,0,1,0"}},
        {"A6/9", &kUkulele, {"4,2,4,4"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> rows = Ranked(RequestFor(c.chord, *c.tuning), *c.tuning);
        const std::vector<std::string> first(
            rows.begin(), rows.begin() + std::min<std::size_t>(3, rows.size()));
        const bool listed =
            std::any_of(c.anyOf.begin(), c.anyOf.end(), [&](const std::string& shape) {
                return std::find(first.begin(), first.end(), shape) != first.end();
            });
        EXPECT_TRUE(listed) << c.chord << " on " << c.tuning->size() << " strings: first rows "
                            << ::testing::PrintToString(first);
    }
}

// Where the open shapes chord books print come among the voicings of their chord: the run prints
// how many are in the first three rows, per instrument, and fails below a floor.
TEST(VoicingSearch, OpenBookShapesRankNearTheTop)
{
    struct Instrument {
        const char* name;
        const std::vector<Note>* tuning;
        const std::vector<book_shapes::BookShape>* shapes;
    };
    for (const Instrument& instrument : {Instrument{"guitar", &kGuitar, &book_shapes::kGuitarOpen},
             Instrument{"ukulele", &kUkulele, &book_shapes::kUkuleleOpen}}) {
        int shapes = 0;
        int first3 = 0;
        std::vector<std::string> misses;
        for (const book_shapes::BookShape& book : *instrument.shapes) {
            const std::string symbol(book.name,
                std::string_view(book.name).find(' ') == std::string_view::npos
                    ? std::string_view(book.name).size()
                    : std::string_view(book.name).find(' '));
            if (!ReadChordSymbol(symbol))
                continue;
            std::vector<int> frets;
            for (const char* c = book.frets; *c != 0; ++c)
                frets.insert(frets.begin(), *c == 'x' ? kNotPlayed : *c - '0');
            VoicingRequest request = RequestFor(symbol, *instrument.tuning);
            if (const PitchClass bass = ReadChordSymbol(symbol).chord->bass;
                bass != kNoPitchClass) {
                request.bass = VoicingBass::Note;
                request.bassNote = bass;
            }
            const std::vector<std::string> rows = Ranked(request, *instrument.tuning);
            const auto at = std::find(rows.begin(), rows.end(), FretsText(frets)) - rows.begin();
            ++shapes;
            if (at < 3)
                ++first3;
            else
                misses.push_back(std::string(book.name) + " at " + std::to_string(at + 1));
        }
        std::printf("Voicings: %d of %d open book shapes of the %s in the first three rows\n",
            first3, shapes, instrument.name);
        for (const std::string& miss : misses)
            std::printf("  %s\n", miss.c_str());
        EXPECT_GE(first3 * 10, shapes * 8) << instrument.name;
    }
}

TEST(VoicingSearch, DefaultsFollowTheInstrument)
{
    struct Case {
        const char* chord;
        const std::vector<Note>* tuning;
        unsigned omittable;
    };
    const std::vector<Case> cases = {
        {"C", &kGuitar, kDegreeFifth},
        {"C13", &kGuitar, kDegreeFifth | kDegreeNinth | kDegreeEleventh},
        {"C11", &kGuitar, kDegreeFifth | kDegreeNinth},
        {"Csus4", &kGuitar, kDegreeFifth},
        {"A9", &kUkulele, kDegreeFifth | kDegreeRoot},
        {"A7", &kUkulele, kDegreeFifth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chord);
        EXPECT_EQ(DefaultOmittable(ReadChordSymbol(c.chord).chord->mask, *c.tuning), c.omittable);
    }
    EXPECT_EQ(DefaultBass(kGuitar), VoicingBass::Root);
    EXPECT_EQ(DefaultBass(kUkulele), VoicingBass::Any);
}

// The lowest fretted fret of a voicing (0 when only open strings sound).
int LowestFretted(const Voicing& voicing)
{
    int lowest = 0;
    for (const int fret : voicing.frets) {
        if (fret > 0 && (lowest == 0 || fret < lowest))
            lowest = fret;
    }
    return lowest;
}

std::vector<std::vector<Voicing>> Pieces(
    const VoicingRequest& request, int threads, RunControl* control = nullptr)
{
    std::vector<std::vector<Voicing>> pieces;
    StreamVoicings(request, kGuitar, threads, control,
        [&](std::vector<Voicing>&& piece) { pieces.push_back(std::move(piece)); });
    return pieces;
}

// The pieces come window by window up the neck whatever the threads, each ranked (empty for a
// window without voicings), and their
// merge is the ranked list; a stopped run hands on nothing, a paused one holds every thread
// and, resumed, finds everything.
TEST(VoicingSearchThreads, StreamWindowsUpTheNeckAndHonourPauseAndStop)
{
    VoicingRequest request = RequestFor("C7", kGuitar);
    request.bass = VoicingBass::Any;
    const auto one = Pieces(request, 1);
    ASSERT_GT(one.size(), 5u);
    int window = -1;
    for (const auto& piece : one) {
        if (piece.empty())
            continue;  // a window without voicings
        const int low = LowestFretted(piece.front());
        EXPECT_GT(low, window);
        window = low;
        for (const Voicing& v : piece)
            EXPECT_EQ(LowestFretted(v), low);
        EXPECT_TRUE(std::is_sorted(piece.begin(), piece.end(), RankedBefore));
    }
    const auto three = Pieces(request, 3);
    ASSERT_EQ(three.size(), one.size());
    for (std::size_t p = 0; p < one.size(); ++p)
        EXPECT_EQ(three[p], one[p]) << p;
    std::vector<std::string> merged;
    std::vector<const Voicing*> flat;
    for (const auto& piece : one)
        for (const Voicing& v : piece)
            flat.push_back(&v);
    for (const std::size_t index : RankedMerge(one))
        merged.push_back(FretsText(flat[index]->frets));
    EXPECT_EQ(merged, Ranked(request, kGuitar));

    RunControl stopped;
    stopped.Stop();
    EXPECT_TRUE(Pieces(request, 2, &stopped).empty());

    RunControl paused;
    paused.Pause();
    std::vector<std::vector<Voicing>> found;
    std::thread run([&] { found = Pieces(request, 2, &paused); });
    while (!paused.Holding())
        std::this_thread::yield();
    paused.Resume();
    run.join();
    EXPECT_EQ(found.size(), one.size());
}

}  // namespace
}  // namespace guivarna::theory
