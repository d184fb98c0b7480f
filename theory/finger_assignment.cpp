#include "theory/finger_assignment.h"

#include <algorithm>
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

// The barres possible at fret: stretches of strings all fretted at fret or above, from their
// first to their last string at exactly fret, with at least two such strings.
int SegmentsAt(const Layout& layout, int fret, std::array<Segment, kMaxSegments>& out, int count)
{
    Segment current{fret, -1, -1, 0};
    const auto close = [&] {
        if (current.notes >= 2 && count < kMaxSegments)
            out[static_cast<std::size_t>(count++)] = current;
        current = {fret, -1, -1, 0};
    };
    for (int p = 0; p < layout.count; ++p) {
        const int f = layout.fret[static_cast<std::size_t>(p)];
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

// Gives increasing fingers to the notes with the barres given, keeping fret order and the
// reach; among the ways that fit, the one closest to one finger per fret, then the lowest.
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
        if (__builtin_popcount(static_cast<unsigned>(mask)) != s.count)
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
        kPerPositionStep * ((lowest - 1) / 4);
    for (int i = 0; i < s.count; ++i) {
        const auto u = static_cast<std::size_t>(i);
        if (s.units[u].barre)
            difficulty += kPerBarre;
        if (i > 0) {
            const int frets = s.units[u].fret - s.units[u - 1].fret;
            const int spread = s.fingers[u] - s.fingers[u - 1];
            difficulty += kPerStretchFret * std::max(0, frets - spread);
        }
    }
    return std::min(difficulty, kUnplayable - 1);
}

// The ways to hold the notes, tried in the order chord books prefer them; true at the first
// that fits.
bool Choose(const Layout& layout, std::span<const Fretted> notes, Solution& out)
{
    const int lowestFret = notes.front().fret;
    std::array<Segment, kMaxSegments> lowBarres{};
    const int lowCount = SegmentsAt(layout, lowestFret, lowBarres, 0);
    // The low barre with the most strings at its fret.
    const Segment* low = nullptr;
    for (int i = 0; i < lowCount; ++i) {
        if (low == nullptr || lowBarres[static_cast<std::size_t>(i)].notes > low->notes)
            low = &lowBarres[static_cast<std::size_t>(i)];
    }

    // 1. Strings at the lowest fret side by side up to the highest string played are barred,
    //    as in F xx3211: the index lies flat over them.
    const int top = layout.highestPlayed;
    if (low != nullptr && top > 0 && layout.fret[static_cast<std::size_t>(top)] == lowestFret &&
        layout.fret[static_cast<std::size_t>(top - 1)] == lowestFret) {
        for (int i = 0; i < lowCount; ++i) {
            const Segment& b = lowBarres[static_cast<std::size_t>(i)];
            if (b.first <= top && top <= b.last && Solve(notes, {&b, 1}, out))
                return true;
        }
    }
    // 2. One finger per string.
    if (Solve(notes, {}, out)) {
        ShiftIntoPosition(layout, lowestFret, out);
        return true;
    }
    // Barres at the other frets, three strings or more first (the ring-finger barre of x24442).
    std::array<Segment, kMaxSegments> others{};
    int otherCount = 0;
    int previousFret = lowestFret;
    for (const Fretted& n : notes) {
        if (n.fret != previousFret)
            otherCount = SegmentsAt(layout, n.fret, others, otherCount);
        previousFret = n.fret;
    }
    std::stable_sort(others.begin(), others.begin() + otherCount,
        [](const Segment& a, const Segment& b) { return (a.notes >= 3) > (b.notes >= 3); });
    std::array<Segment, 1 + kMaxSegments> chosen{};
    if (low != nullptr) {
        // 3. The index barres the lowest fret, with the wide barres above it.
        chosen[0] = *low;
        int count = 1;
        for (int i = 0; i < otherCount && others[static_cast<std::size_t>(i)].notes >= 3; ++i)
            chosen[static_cast<std::size_t>(count++)] = others[static_cast<std::size_t>(i)];
        if (count > 1 && Solve(notes, {chosen.data(), static_cast<std::size_t>(count)}, out))
            return true;
        // 4. The index barre alone, then with one more barre.
        if (Solve(notes, {chosen.data(), 1}, out))
            return true;
        for (int i = 0; i < otherCount; ++i) {
            chosen[1] = others[static_cast<std::size_t>(i)];
            if (Solve(notes, {chosen.data(), 2}, out))
                return true;
        }
    }
    // 5. A single barre higher up.
    for (int i = 0; i < otherCount; ++i) {
        if (Solve(notes, {&others[static_cast<std::size_t>(i)], 1}, out))
            return true;
    }
    return false;
}

}  // namespace

HandShape AssignFingers(std::span<const int> frets)
{
    HandShape shape;
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
        const int lowest = __builtin_ctz(fretSet);
        const int highest = 31 - __builtin_clz(fretSet);
        if (__builtin_popcount(fretSet) > 4 || highest - lowest > 3 + kReachBeyondSpread)
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

HandShape AssignFingers(const ChordFingering& fingering, int stringCount)
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

std::string FingerText(const HandShape& shape, const std::string& separator)
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
