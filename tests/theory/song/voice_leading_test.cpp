#include "theory/formats/chord_symbol.h"
#include "theory/notes/instrument_limits.h"
#include "theory/search/voicing_request.h"
#include "theory/song/voice_leading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace guivarna::theory {
namespace {

const std::vector<Note> kGuitar(kStandardTuningNotes.begin(), kStandardTuningNotes.end());

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

std::vector<Voicing> VoicingsOf(const std::string& symbol)
{
    const ChordReading reading = ReadChordSymbol(symbol);
    return FindVoicings(VoicingRequestFor(*reading.chord, kGuitar, {}), kGuitar);
}

// The total of one voicing per position, computed directly.
std::int64_t TotalOf(const std::vector<const Voicing*>& chosen)
{
    std::int64_t total = 0;
    for (std::size_t p = 0; p < chosen.size(); ++p)
        total += chosen[p]->rank + (p > 0 ? MovementCost(*chosen[p - 1], *chosen[p]) : 0);
    return total;
}

// The lowest total over every combination: of one voicing per position, or with repeats held,
// of one voicing per chord.
std::int64_t BruteForce(const std::vector<std::vector<Voicing>>& candidates,
    const std::vector<int>& sequence, bool varyRepeats)
{
    const std::size_t slots = varyRepeats ? sequence.size() : candidates.size();
    const auto choicesOf = [&](std::size_t slot) {
        return candidates[static_cast<std::size_t>(varyRepeats ? sequence[slot] : int(slot))]
            .size();
    };
    std::vector<std::size_t> at(slots, 0);
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    while (true) {
        std::vector<const Voicing*> chosen;
        for (std::size_t p = 0; p < sequence.size(); ++p) {
            const auto c = static_cast<std::size_t>(sequence[p]);
            chosen.push_back(&candidates[c][at[varyRepeats ? p : c]]);
        }
        best = std::min(best, TotalOf(chosen));
        std::size_t s = 0;
        while (s < slots && ++at[s] == choicesOf(s))
            at[s++] = 0;
        if (s == slots)
            return best;
    }
}

TEST(VoiceLeading, PlanMatchesBruteForce)
{
    // Real guitar voicings, a few of each chord drawn at random, with their ranks shuffled so
    // that the cheapest path often wants two voicings of one chord.
    const std::vector<std::vector<Voicing>> pools = {
        VoicingsOf("C"), VoicingsOf("Am"), VoicingsOf("F"), VoicingsOf("G")};
    const std::vector<std::vector<int>> sequences = {{0}, {0, 1}, {0, 0}, {0, 1, 2, 3},
        {0, 1, 0, 2}, {0, 1, 1, 0}, {0, 1, 2, 0}, {0, 1, 0, 1}, {2, 0, 2, 0}, {3, 3, 3, 3}};
    std::mt19937 random(7);
    for (int trial = 0; trial < 60; ++trial) {
        std::vector<std::vector<Voicing>> candidates;
        for (const auto& pool : pools) {
            std::vector<Voicing> few;
            const int count = 1 + static_cast<int>(random() % 5);
            for (int i = 0; i < count; ++i) {
                Voicing v = pool[random() % 40];
                v.rank = static_cast<std::int64_t>(random() % 60);
                few.push_back(v);
            }
            candidates.push_back(few);
        }
        for (const auto& sequence : sequences) {
            for (const bool vary : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "trial " << trial << " vary " << vary);
                const LeadPlan plan = PlanLeading(candidates, sequence, vary);
                ASSERT_EQ(plan.choice.size(), sequence.size());
                EXPECT_TRUE(plan.optimal);
                EXPECT_EQ(plan.total, BruteForce(candidates, sequence, vary));
                std::vector<const Voicing*> chosen;
                for (std::size_t p = 0; p < sequence.size(); ++p) {
                    const auto c = static_cast<std::size_t>(sequence[p]);
                    chosen.push_back(&candidates[c][static_cast<std::size_t>(plan.choice[p])]);
                    for (std::size_t q = 0; q < p && !vary; ++q) {
                        if (sequence[q] == sequence[p]) {
                            EXPECT_EQ(plan.choice[q], plan.choice[p]);
                        }
                    }
                }
                EXPECT_EQ(plan.total, TotalOf(chosen));
            }
        }
    }
}

TEST(VoiceLeading, LongSequencesWithRepeatsHeldMatchBruteForce)
{
    // Three chords over forty positions: the branch and bound against every voicing per chord.
    const std::vector<std::vector<Voicing>> pools = {
        VoicingsOf("D"), VoicingsOf("A"), VoicingsOf("Bm")};
    std::mt19937 random(11);
    int constrained = 0;  // trials where holding the repeats costs more than varying them
    for (int trial = 0; trial < 30; ++trial) {
        std::vector<std::vector<Voicing>> candidates;
        for (const auto& pool : pools) {
            std::vector<Voicing> few;
            for (int i = 0; i < 5; ++i) {
                Voicing v = pool[random() % std::min<std::size_t>(pool.size(), 60)];
                v.rank = static_cast<std::int64_t>(random() % 30);
                few.push_back(v);
            }
            candidates.push_back(few);
        }
        std::vector<int> sequence;
        for (int p = 0; p < 40; ++p)
            sequence.push_back(static_cast<int>(random() % 3));
        const LeadPlan plan = PlanLeading(candidates, sequence, false);
        EXPECT_TRUE(plan.optimal);
        EXPECT_EQ(plan.total, BruteForce(candidates, sequence, false)) << "trial " << trial;
        if (PlanLeading(candidates, sequence, true).total < plan.total)
            ++constrained;
    }
    EXPECT_GE(constrained, 10);
}

// Where a finger stays on a string at its fret between two voicings: string number (from 1),
// fret and finger.
using Kept = std::set<std::tuple<int, int, int>>;

Kept KeptFingers(const Voicing& a, const Voicing& b)
{
    Kept kept;
    for (std::size_t s = 0; s < a.frets.size(); ++s) {
        const int finger = a.hand.fingers[s];
        if (finger > 0 && finger == b.hand.fingers[s] && a.frets[s] == b.frets[s])
            kept.insert({static_cast<int>(s) + 1, a.frets[s], finger});
    }
    return kept;
}

TEST(VoiceLeading, CommonTonesStayUnderTheirFingers)
{
    struct Case {
        std::vector<std::string> symbols;
        std::size_t from;  // the change from chord from to the next
        std::string fromFrets;
        std::string toFrets;
        Kept kept;
    };
    const std::vector<Case> cases = {
        // x32010 to x02210: the index on B 1 and the middle finger on D 2 stay.
        {{"C", "Am", "F", "G"}, 0, "0,1,0,2,3,x", "0,1,2,2,0,x", {{2, 1, 1}, {4, 2, 2}}},
        {{"Am", "Am7", "D7", "G"}, 0, "0,1,2,2,0,x", "0,1,0,2,0,x", {{2, 1, 1}, {4, 2, 2}}},
        {{"C", "Cmaj7", "C7", "F"}, 1, "0,0,0,2,3,x", "0,1,3,2,3,x", {{4, 2, 2}, {5, 3, 3}}},
        // G with the ring finger on B 3 holds it into D, and C on the little finger on e 3
        // holds it into G.
        {{"G", "D", "Em", "C", "G"}, 0, "3,3,0,0,2,3", "2,3,2,0,x,x", {{2, 3, 3}}},
        {{"G", "D", "Em", "C", "G"}, 3, "3,1,0,2,3,x", "3,3,0,0,2,3", {{1, 3, 4}}},
        // The A on G 2 passes from the ring finger to the middle one: no finger stays.
        {{"Am", "Dm", "E", "Am"}, 0, "0,1,2,2,0,x", "1,3,2,0,x,x", {}},
        // E to A moves every finger: nothing is kept.
        {{"E", "A", "B7", "E"}, 0, "0,0,1,2,2,0", "0,2,2,2,0,x", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.symbols));
        const LeadResult result =
            LeadVoicings(LeadChordsOfSymbols(c.symbols, kGuitar, {}), kGuitar, {});
        const Voicing& a = result.steps[c.from].voicing;
        const Voicing& b = result.steps[c.from + 1].voicing;
        EXPECT_EQ(FretsText(a.frets), c.fromFrets);
        EXPECT_EQ(FretsText(b.frets), c.toFrets);
        EXPECT_EQ(KeptFingers(a, b), c.kept);
    }
}

TEST(VoiceLeading, ACapoPlaysTheChordsAShapeLowerAndSoundsTheSame)
{
    const std::vector<std::string> song = {"Eb", "Bb", "Cm", "Ab", "Eb", "Bb/D", "Cm7"};
    for (int capo = 1; capo <= 7; ++capo) {
        SCOPED_TRACE(capo);
        LeadOptions options;
        options.capo = capo;
        const std::vector<LeadChord> chords = LeadChordsOfSymbols(song, kGuitar, {});
        std::vector<LeadChord> lower = chords;
        for (LeadChord& chord : lower) {
            chord.identity += "-";
            chord.request->root = (chord.request->root + 12 - capo) % 12;
            if (chord.request->bassNote != kNoPitchClass)
                chord.request->bassNote = (chord.request->bassNote + 12 - capo) % 12;
        }
        const LeadResult withCapo = LeadVoicings(chords, kGuitar, options);
        const LeadResult without = LeadVoicings(lower, kGuitar, {});
        EXPECT_EQ(withCapo.total, without.total);
        for (std::size_t i = 0; i < song.size(); ++i) {
            const std::vector<int>& frets = withCapo.steps[i].voicing.frets;
            ASSERT_EQ(withCapo.steps[i].status, LeadStatus::Voiced);
            ASSERT_EQ(frets, without.steps[i].voicing.frets) << song[i];
            // Every sounding note is the one the lower shape sounds, capo semitones up, and a
            // tone of the chord asked for.
            const ReadChord chord = *ReadChordSymbol(song[i]).chord;
            for (std::size_t s = 0; s < frets.size(); ++s) {
                if (frets[s] == kNotPlayed)
                    continue;
                const Note sounding = kGuitar[s] + static_cast<Note>(capo + frets[s]);
                EXPECT_EQ(sounding, kGuitar[s] + static_cast<Note>(frets[s]) + capo);
                const int above = (PitchClassOf(sounding) - PitchClassOf(chord.root) + 12) % 12;
                EXPECT_NE(chord.mask & (1 << above), 0) << song[i];
            }
        }
    }
    // Frets below the capo do not exist and the neck ends at its last fret.
    LeadOptions high;
    high.capo = 20;
    for (const LeadStep& step :
        LeadVoicings(LeadChordsOfSymbols(song, kGuitar, {}), kGuitar, high).steps)
        for (const int fret : step.voicing.frets)
            EXPECT_LE(fret, 4);
}

TEST(VoiceLeading, BestCapoTakesTheLowestTotalAndTheLowestCapoOfATie)
{
    const std::vector<LeadChord> chords =
        LeadChordsOfSymbols(std::vector<std::string>{"Eb", "Bb", "Cm", "Ab"}, kGuitar, {});
    const LeadResult best = LeadVoicingsBestCapo(chords, kGuitar, {});
    const std::int64_t bestCost = best.total + CapoCost(best.capo, chords.size());
    for (int capo = 0; capo <= 7; ++capo) {
        LeadOptions options;
        options.capo = capo;
        const std::int64_t cost =
            LeadVoicings(chords, kGuitar, options).total + CapoCost(capo, chords.size());
        EXPECT_LE(bestCost, cost);
        if (capo < best.capo) {
            EXPECT_LT(bestCost, cost);
        }
    }
    EXPECT_EQ(best.capo, 3);  // C G Am F shapes
    // A song whose open shapes are easy already takes no capo.
    const std::vector<LeadChord> inG = LeadChordsOfSymbols(
        std::vector<std::string>{"G", "Em", "C", "D", "G", "Em", "Am", "D7"}, kGuitar, {});
    EXPECT_EQ(LeadVoicingsBestCapo(inG, kGuitar, {}).capo, 0);
}

TEST(VoiceLeading, GapsOwnShapesAndRepeats)
{
    // N.C. and a typo have no voicing; the chords either side are led as neighbours.
    const std::vector<std::string> symbols = {"C", "N.C.", "Am", "Hm7", "C"};
    const LeadResult gaps = LeadVoicings(LeadChordsOfSymbols(symbols, kGuitar, {}), kGuitar, {});
    EXPECT_EQ(gaps.steps[1].status, LeadStatus::Unreadable);
    EXPECT_EQ(gaps.steps[3].status, LeadStatus::Unreadable);
    EXPECT_EQ(gaps.steps[2].move, MovementCost(gaps.steps[0].voicing, gaps.steps[2].voicing));
    EXPECT_EQ(gaps.steps[4].voicing.frets, gaps.steps[0].voicing.frets);

    // A chord nothing can voice within the options is reported and skipped the same way.
    std::vector<LeadChord> chords = LeadChordsOfSymbols(symbols, kGuitar, {});
    chords[2].request->minStrings = 7;
    const LeadResult none = LeadVoicings(chords, kGuitar, {});
    EXPECT_EQ(none.steps[2].status, LeadStatus::NoVoicing);
    EXPECT_EQ(none.steps[4].status, LeadStatus::Voiced);

    // A shape of the player's own wins, even one four fingers cannot hold; a wrong string count
    // is no shape.
    const std::map<std::string, std::vector<int>> own = {
        {"C", {3, 1, 0, 2, 3, kNotPlayed}}, {"Am", {5, 5, 5, 7, 7, 5}}, {"F", {1, 2}}};
    const std::vector<std::string> withF = {"C", "Am", "F", "C"};
    const LeadResult fixed =
        LeadVoicings(LeadChordsOfSymbols(withF, kGuitar, {}, own), kGuitar, {});
    EXPECT_EQ(FretsText(fixed.steps[0].voicing.frets), "3,1,0,2,3,x");
    EXPECT_EQ(FretsText(fixed.steps[1].voicing.frets), "5,5,5,7,7,5");
    EXPECT_EQ(fixed.steps[2].status, LeadStatus::NoVoicing);
    EXPECT_EQ(FretsText(fixed.steps[3].voicing.frets), "3,1,0,2,3,x");

    // Repeats keep their voicing unless they may vary, which can only lower the total.
    const std::vector<std::string> song = {"G", "C", "G", "D", "G", "Em", "G", "C"};
    const std::vector<LeadChord> repeated = LeadChordsOfSymbols(song, kGuitar, {});
    const LeadResult held = LeadVoicings(repeated, kGuitar, {});
    LeadOptions vary;
    vary.varyRepeats = true;
    const LeadResult varied = LeadVoicings(repeated, kGuitar, vary);
    EXPECT_TRUE(held.optimal);
    for (std::size_t i = 0; i < song.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (song[i] == song[j]) {
                EXPECT_EQ(held.steps[i].voicing.frets, held.steps[j].voicing.frets);
            }
        }
    }
    EXPECT_LE(varied.total, held.total);
}

}  // namespace
}  // namespace guivarna::theory
