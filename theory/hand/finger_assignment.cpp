#include "theory/hand/finger_assignment.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace guivarna::theory {

namespace {

// The difficulty of a playable shape is the sum of these weights (lower is easier):
constexpr int kPerFinger = 1;  // each finger put down; a barre counts as one finger
constexpr int kPerBarre = 2;  // each barre, for the pressure across the strings
constexpr int kPerSpanFret = 1;  // each fret between the lowest and the highest fretted fret
constexpr int kPerStretchFret = 2;  // each fret neighbouring fingers lie further apart than
                                    // their distance in fingers (index to ring over 3 frets)
constexpr int kPerInnerMute = 2;  // each string left out between two strings played
constexpr int kPerPositionStep = 1;  // each 4 frets the lowest fretted fret lies above fret 4

// The reach of the hand: two fingers a and b (a < b) may lie at most b - a + 1 frets apart.
constexpr int kReachBeyondSpread = 1;

// How the fingers are chosen among the ways that fit (not part of the difficulty): each fret
// neighbouring fingers lie away from one finger per fret, and this for a note beyond the
// thumb-side end of an index barre, two frets or more above it, when a finger between holds a
// string inside the barre, not held by the little finger (the ring would have to reach round
// the middle finger: ukulele 6454 is 4121).
constexpr int kChoiceBeyondBarreNotLittle = 2;

// The strings in the order the hand meets them: position 0 is the string with the highest
// number (nearest the thumb), so "low string first" as chord books write shapes.
struct Layout {
    int count = 0;
    std::array<int, kMaxStrings> fret{};  // by position: kNotPlayed, 0 open, or a fret
    int highestPlayed = -1;  // the last position played, -1 when none
};

struct Fretted {
    int pos;
    int fret;
};

// One finger's job: a single string, or a barre over positions first..last.
struct Unit {
    int fret;
    int first;
    int last;
    bool barre;
};

struct Segment {
    int fret;
    int first;
    int last;
    int notes;
};

struct Solution {
    std::array<Unit, 4> units{};
    std::array<int, 4> fingers{};
    int count = 0;
};

constexpr int kMaxSegments = kMaxStrings;

// The barres possible at fret: stretches of strings fretted at fret or above, from their first
// to their last string at exactly fret, with at least two such strings. An open string, or one
// fretted lower, ends a stretch; so does a string not played unless acrossMuted (the barring
// finger damps it).
int SegmentsAt(const Layout& layout, int fret, bool acrossMuted,
    std::array<Segment, kMaxSegments>& out, int count)
{
    Segment current{fret, -1, -1, 0};
    const auto close = [&] {
        if (current.notes >= 2 && count < kMaxSegments)
            out[static_cast<std::size_t>(count++)] = current;
        current = {fret, -1, -1, 0};
    };
    for (int p = 0; p < layout.count; ++p) {
        const int f = layout.fret[static_cast<std::size_t>(p)];
        if (f == kNotPlayed && acrossMuted)
            continue;
        if (f < fret) {
            close();
            continue;
        }
        if (f == fret) {
            if (current.first < 0)
                current.first = p;
            current.last = p;
            ++current.notes;
        }
    }
    close();
    return count;
}

// Whether unit i lies beyond the thumb-side end of an index barre, two frets or more above it,
// with a finger between those frets inside the barre (ukulele 6454: the 5 inside the barre
// of 4s, the 6 beyond it).
bool ReachesRoundMiddle(const Solution& s, int i)
{
    const Unit& barre = s.units[0];
    const Unit& unit = s.units[static_cast<std::size_t>(i)];
    if (!barre.barre || unit.first >= barre.first || unit.fret - barre.fret < 2)
        return false;
    for (int k = 1; k < i; ++k) {
        const Unit& inner = s.units[static_cast<std::size_t>(k)];
        if (inner.fret < unit.fret && barre.first < inner.first && inner.last < barre.last)
            return true;
    }
    return false;
}

// Gives increasing fingers to the notes with the barres given, keeping fret order and the
// reach; among the ways that fit, the one of the lowest choice cost, then the lowest fingers.
bool Solve(std::span<const Fretted> notes, std::span<const Segment> barres, Solution& out)
{
    Solution s;
    for (const Segment& b : barres) {
        if (s.count == 4)
            return false;
        s.units[static_cast<std::size_t>(s.count++)] = {b.fret, b.first, b.last, true};
    }
    for (const Fretted& n : notes) {
        const bool covered = std::any_of(barres.begin(), barres.end(), [&](const Segment& b) {
            return b.fret == n.fret && b.first <= n.pos && n.pos <= b.last;
        });
        if (covered)
            continue;
        if (s.count == 4)
            return false;
        s.units[static_cast<std::size_t>(s.count++)] = {n.fret, n.pos, n.pos, false};
    }
    // An insertion sort of the (at most four) units by fret, then by string.
    for (int i = 1; i < s.count; ++i) {
        const Unit unit = s.units[static_cast<std::size_t>(i)];
        int j = i;
        for (; j > 0; --j) {
            const Unit& before = s.units[static_cast<std::size_t>(j - 1)];
            if (before.fret < unit.fret || (before.fret == unit.fret && before.first < unit.first))
                break;
            s.units[static_cast<std::size_t>(j)] = before;
        }
        s.units[static_cast<std::size_t>(j)] = unit;
    }

    int bestCost = -1;
    std::array<int, 4> best{};
    // Every choice of count fingers out of four, lowest fingers first.
    for (int mask = 1; mask < 16; ++mask) {
        // A barre of the lowest fret is the index's.
        if (std::popcount(static_cast<unsigned>(mask)) != s.count ||
            (s.units[0].barre && (mask & 1) == 0))
            continue;
        std::array<int, 4> fingers{};
        int k = 0;
        for (int f = 1; f <= 4; ++f) {
            if ((mask & (1 << (f - 1))) != 0)
                fingers[static_cast<std::size_t>(k++)] = f;
        }
        bool fits = true;
        int cost = 0;
        for (int i = 0; i < s.count && fits; ++i) {
            for (int j = i + 1; j < s.count; ++j) {
                const int frets = s.units[static_cast<std::size_t>(j)].fret -
                    s.units[static_cast<std::size_t>(i)].fret;
                const int spread =
                    fingers[static_cast<std::size_t>(j)] - fingers[static_cast<std::size_t>(i)];
                if (frets > spread + kReachBeyondSpread) {
                    fits = false;
                    break;
                }
                if (j == i + 1)
                    cost += std::abs(spread - std::max(frets, 1));
            }
            if (i > 0 && fingers[static_cast<std::size_t>(i)] != 4 && ReachesRoundMiddle(s, i))
                cost += kChoiceBeyondBarreNotLittle;
        }
        if (fits && (bestCost < 0 || cost < bestCost || (cost == bestCost && fingers < best))) {
            bestCost = cost;
            best = fingers;
        }
    }
    if (bestCost < 0)
        return false;
    s.fingers = best;
    out = s;
    return true;
}

// In open position a shape of few fingers is held with the finger that matches its fret
// (ukulele C 0003 with the ring finger, C major 7 x32000 with ring and middle), as long as
// the little finger stays free.
void ShiftIntoPosition(const Layout& layout, int lowestFret, Solution& s)
{
    const bool open = std::any_of(
        layout.fret.begin(), layout.fret.begin() + layout.count, [](int f) { return f == 0; });
    if (!open || lowestFret > 4 || s.count == 0)
        return;
    const int shift = lowestFret - s.fingers[0];
    const int highest = s.fingers[static_cast<std::size_t>(s.count - 1)] + shift;
    if (shift <= 0 || highest > (s.count == 1 ? 4 : 3))
        return;
    for (int i = 0; i < s.count; ++i)
        s.fingers[static_cast<std::size_t>(i)] += shift;
}

// The frets neighbouring fingers lie further apart than their distance in fingers, summed.
int StretchFrets(const Solution& s)
{
    int stretch = 0;
    for (int i = 1; i < s.count; ++i) {
        const auto u = static_cast<std::size_t>(i);
        stretch +=
            std::max(0, s.units[u].fret - s.units[u - 1].fret - (s.fingers[u] - s.fingers[u - 1]));
    }
    return stretch;
}

int Difficulty(const Layout& layout, const Solution& s)
{
    int difficulty = 0;
    int firstPlayed = -1;
    int muted = 0;
    for (int p = 0; p <= layout.highestPlayed; ++p) {
        const int f = layout.fret[static_cast<std::size_t>(p)];
        if (f != kNotPlayed && firstPlayed < 0)
            firstPlayed = p;
        else if (f == kNotPlayed && firstPlayed >= 0)
            ++muted;
    }
    difficulty += kPerInnerMute * muted;
    if (s.count == 0)
        return difficulty;
    const int lowest = s.units[0].fret;
    const int highest = s.units[static_cast<std::size_t>(s.count - 1)].fret;
    difficulty += kPerFinger * s.count + kPerSpanFret * (highest - lowest) +
        kPerPositionStep * ((lowest - 1) / 4) + kPerStretchFret * StretchFrets(s);
    for (int i = 0; i < s.count; ++i) {
        if (s.units[static_cast<std::size_t>(i)].barre)
            difficulty += kPerBarre;
    }
    return std::min(difficulty, kUnplayable - 1);
}

// The barres a shape offers: at its lowest fret, and at the others with the barres of three
// strings or more first (a ring barre where four fingers are not enough).
struct Barres {
    std::array<Segment, kMaxSegments> low{};
    int lowCount = 0;
    std::array<Segment, kMaxSegments> other{};
    int otherCount = 0;

    // The low barre with the most strings at its fret.
    const Segment* Widest() const
    {
        const Segment* widest = nullptr;
        for (int i = 0; i < lowCount; ++i) {
            if (widest == nullptr || low[static_cast<std::size_t>(i)].notes > widest->notes)
                widest = &low[static_cast<std::size_t>(i)];
        }
        return widest;
    }
    // The low barre that reaches position top.
    const Segment* ReachingTop(int top) const
    {
        for (int i = 0; i < lowCount; ++i) {
            const Segment& b = low[static_cast<std::size_t>(i)];
            if (b.first <= top && top <= b.last)
                return &b;
        }
        return nullptr;
    }
    std::span<const Segment> Others() const
    {
        return {other.data(), static_cast<std::size_t>(otherCount)};
    }
};

// Only the index, barring the lowest fret, may lie across strings not played when
// lowAcrossMuted: a finger higher up would have to arch over the others.
void FindBarres(
    const Layout& layout, std::span<const Fretted> notes, bool lowAcrossMuted, Barres& out)
{
    const int lowestFret = notes.front().fret;
    out.lowCount = SegmentsAt(layout, lowestFret, lowAcrossMuted, out.low, 0);
    out.otherCount = 0;
    int previousFret = lowestFret;
    for (const Fretted& n : notes) {
        if (n.fret != previousFret)
            out.otherCount = SegmentsAt(layout, n.fret, false, out.other, out.otherCount);
        previousFret = n.fret;
    }
    std::stable_sort(out.other.begin(), out.other.begin() + out.otherCount,
        [](const Segment& a, const Segment& b) { return (a.notes >= 3) > (b.notes >= 3); });
}

// The index barre over the lowest fret, with the other notes held by single fingers where
// four fingers do (three strings at one fret above the barre take three fingers, as in
// x12341), else with a barre of three strings or more above it, else with any one more barre.
bool SolveWithIndexBarre(std::span<const Fretted> notes, const Segment& low,
    std::span<const Segment> others, Solution& out)
{
    if (Solve(notes, {&low, 1}, out))
        return true;
    std::array<Segment, 1 + kMaxSegments> chosen{};
    chosen[0] = low;
    std::size_t count = 1;
    for (const Segment& other : others) {
        if (other.notes >= 3)
            chosen[count++] = other;
    }
    if (count > 1 && Solve(notes, {chosen.data(), count}, out))
        return true;
    for (const Segment& other : others) {
        chosen[1] = other;
        if (Solve(notes, {chosen.data(), 2}, out))
            return true;
    }
    return false;
}

// The ways to hold the notes, tried in the order chord books prefer them; true at the first
// that fits.
bool Choose(const Layout& layout, std::span<const Fretted> notes, Solution& out)
{
    const int lowestFret = notes.front().fret;
    const bool open = std::any_of(
        layout.fret.begin(), layout.fret.begin() + layout.count, [](int f) { return f == 0; });
    const int top = layout.highestPlayed;

    // 1. With open strings, fretted notes all on one fret take a finger each (ukulele 0111
    //    as 0123, A x02220 as x01230).
    if (open && notes.back().fret == lowestFret && Solve(notes, {}, out)) {
        ShiftIntoPosition(layout, lowestFret, out);
        return true;
    }

    Barres flat;
    FindBarres(layout, notes, false, flat);

    // 2. The index lies flat over the lowest fret up to the highest string played: without
    //    open strings whenever that fret is on two strings or more, even with strings fretted
    //    higher between (ukulele 6454 as 4121); with open strings when the two highest
    //    strings played are at that fret (F xx3211, Dm7 xx0211), for an index barre across
    //    fretted strings and open ones together is no book's choice (D xx0232 is xx0132).
    const Segment* toTop = flat.ReachingTop(top);
    const bool barreToTop = toTop != nullptr &&
        (!open ||
            (top > 0 && layout.fret[static_cast<std::size_t>(top)] == lowestFret &&
                layout.fret[static_cast<std::size_t>(top - 1)] == lowestFret));
    if (barreToTop && SolveWithIndexBarre(notes, *toTop, flat.Others(), out))
        return true;
    // 3. One finger per string. Without open strings, an index barre that spares a stretch
    //    comes first (ukulele 4457 as 1124, not 1234).
    Solution single;
    if (Solve(notes, {}, single)) {
        const Segment* low = flat.Widest();
        if (!open && low != nullptr && StretchFrets(single) > 0 && Solve(notes, {low, 1}, out) &&
            StretchFrets(out) == 0)
            return true;
        out = single;
        ShiftIntoPosition(layout, lowestFret, out);
        return true;
    }
    // 4. The index barres the lowest fret where four fingers are not enough otherwise, then
    //    lies across strings not played too, damping them (guitar 8,10,9,10,x,8 as
    //    1,4,2,3,x,1); 5. else a single barre higher up.
    Barres damping;
    FindBarres(layout, notes, true, damping);
    for (const Barres* barres : {&flat, &damping}) {
        const Segment* low = barres->Widest();
        if (low != nullptr && SolveWithIndexBarre(notes, *low, barres->Others(), out))
            return true;
    }
    for (const Segment& other : flat.Others()) {
        if (Solve(notes, {&other, 1}, out))
            return true;
    }
    return false;
}

}  // namespace

Hand AssignFingers(std::span<const int> frets)
{
    Hand shape;
    if (frets.size() > static_cast<std::size_t>(kMaxStrings))
        return shape;
    Layout layout;
    layout.count = static_cast<int>(frets.size());
    shape.stringCount = layout.count;
    std::array<Fretted, kMaxStrings> notes{};
    std::size_t noteCount = 0;
    for (int p = 0; p < layout.count; ++p) {
        const int fret = frets[static_cast<std::size_t>(layout.count - 1 - p)];
        if (fret < kNotPlayed || fret > static_cast<int>(kMaxFret))
            return shape;
        layout.fret[static_cast<std::size_t>(p)] = fret;
        if (fret != kNotPlayed)
            layout.highestPlayed = p;
        if (fret > 0)
            notes[noteCount++] = {p, fret};
    }
    for (std::size_t s = 0; s < frets.size(); ++s)
        shape.fingers[s] = static_cast<std::int8_t>(std::min(frets[s], 0));

    // Every finger (or barre) holds one fret, and the outer fingers reach over four frets at
    // most: more than four frets, or frets further apart, cannot be held. Most shapes of a large
    // search end here.
    unsigned fretSet = 0;
    for (std::size_t i = 0; i < noteCount; ++i)
        fretSet |= 1u << notes[i].fret;
    if (fretSet != 0) {
        const int lowest = std::countr_zero(fretSet);
        const int highest = static_cast<int>(std::bit_width(fretSet)) - 1;
        if (std::popcount(fretSet) > 4 || highest - lowest > 3 + kReachBeyondSpread)
            return shape;
    }

    const std::span<Fretted> fretted(notes.data(), noteCount);
    std::sort(fretted.begin(), fretted.end(), [](const Fretted& a, const Fretted& b) {
        return a.fret != b.fret ? a.fret < b.fret : a.pos < b.pos;
    });
    Solution solution;
    if (!fretted.empty() && !Choose(layout, fretted, solution))
        return shape;

    for (int i = 0; i < solution.count; ++i) {
        const Unit& unit = solution.units[static_cast<std::size_t>(i)];
        const int finger = solution.fingers[static_cast<std::size_t>(i)];
        for (int p = unit.first; p <= unit.last; ++p) {
            if (layout.fret[static_cast<std::size_t>(p)] == unit.fret)
                shape.fingers[static_cast<std::size_t>(layout.count - 1 - p)] =
                    static_cast<std::int8_t>(finger);
        }
        if (unit.barre)
            shape.barres[static_cast<std::size_t>(shape.barreCount++)] = {
                finger, unit.fret, layout.count - unit.last, layout.count - unit.first};
    }
    // The units come in fret order, so the barres do too.
    shape.playable = true;
    shape.difficulty = Difficulty(layout, solution);
    return shape;
}

Hand AssignFingers(const ChordFingering& fingering, int stringCount)
{
    if (stringCount < 0 || stringCount > kMaxStrings ||
        fingering.StringSet.size() != fingering.FretBoardPosition.size())
        return {};
    std::array<int, kMaxStrings> frets{};
    std::fill(frets.begin(), frets.begin() + stringCount, kNotPlayed);
    for (std::size_t i = 0; i < fingering.StringSet.size(); ++i) {
        const std::uint32_t string = fingering.StringSet[i];
        if (string < 1 || string > static_cast<std::uint32_t>(stringCount) ||
            fingering.FretBoardPosition[i] > kMaxFret)
            return {};
        frets[string - 1] = static_cast<int>(fingering.FretBoardPosition[i]);
    }
    return AssignFingers(std::span<const int>(frets.data(), static_cast<std::size_t>(stringCount)));
}

std::string FingerText(const Hand& shape, const std::string& separator)
{
    if (!shape.playable)
        return "unplayable";
    std::string text;
    for (int s = 0; s < shape.stringCount; ++s) {
        if (s > 0)
            text += separator;
        const int finger = shape.fingers[static_cast<std::size_t>(s)];
        text += finger == kNotPlayed ? 'x' : static_cast<char>('0' + finger);
    }
    return text;
}

}  // namespace guivarna::theory
