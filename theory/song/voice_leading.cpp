#include "theory/song/voice_leading.h"

#include "theory/notes/instrument_limits.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <utility>

namespace guivarna::theory {

namespace {

// The movement cost between neighbouring voicings, on the scale of the voicing rank (its weights
// are in voicing_search.cpp: 5 for each fret a shape lies up the neck and 3 for its highest fret,
// 8 for a string not played, 15 for a tone left out, the difficulty's 0..254). The top shapes of
// a chord lie 5 to 15 apart in rank, and a change of chord should weigh as much as that, not
// more: a smoother change may win over a better shape only when it saves a real move. Only
// fingers count, as open and muted strings need no hand. Each of the four fingers is compared
// between the two shapes (string 1 first, frets counted from the capo in both):
// - a finger let go costs little; one set down where none was must find its place;
constexpr std::int64_t kPerFingerLifted = 1;
constexpr std::int64_t kPerFingerPlaced = 2;
// - a finger that moves is lifted and set down again, and pays for each fret it travels along
//   the neck and each string it crosses (a barre: the farther its ends move); a shift along the
//   neck is the longer reach;
constexpr std::int64_t kPerFretTravelled = 2;
constexpr std::int64_t kPerStringCrossed = 1;
// - a finger that stays on a string at its fret (the same string and fret: the same sounding
//   note, a common tone held) earns a credit, worth more than the 3 of lifting and setting it
//   down, so that a shape that keeps its fingers wins over one that merely needs fewer. A barre
//   that stays on one of its strings stays, and pays for the strings its ends move across. A
//   change that keeps most fingers can therefore cost less than 0.
constexpr std::int64_t kPerFingerKept = 4;
// With these, x32010 to x02210 (C to Am, low string first) keeps the index on B 1 and the middle
// finger on D 2 (-8) and moves the ring finger a fret and two strings (3 + 2 + 2): -1. Moving a
// three-finger shape five frets up the neck costs 3 * (3 + 10) = 39, about the 40 its rank rises.

// A capo costs each chord of the song this much per fret it sits up the neck: it shortens the
// neck and raises the song's sound, and players put one on to make the shapes easier, not for a
// small saving. A song in G, whose open shapes (G, Em, C, D) are easy already, then stays
// without one, while one in Eb (barre chords everywhere) takes the capo at 3 for C, G, Am and F.
constexpr std::int64_t kPerCapoFretPerChord = 2;

// The most voicings of one chord the leading considers, best ranked first: enough for every shape
// of a chord on the default options (a few hundred), while the cost matrix of two chords stays
// small (600 * 600 cells) when the options allow thousands.
constexpr std::size_t kMostCandidates = 600;

constexpr int kFingers = 4;
constexpr std::int64_t kInfinity = std::numeric_limits<std::int64_t>::max() / 4;

// Where a finger presses: its fret, the strings it covers (from 0) and those it sounds.
struct FingerPlace {
    bool down = false;
    int fret = 0;
    int low = 0;  // the first and last string it lies across (a barre's ends)
    int high = 0;
    std::uint32_t strings = 0;  // bit s: it frets string s
};

using Grip = std::array<FingerPlace, kFingers>;

Grip GripOf(const Voicing& voicing)
{
    Grip grip{};
    if (!voicing.hand.playable)
        return grip;
    const int strings = std::min<int>(static_cast<int>(voicing.frets.size()), kMaxStrings);
    for (int s = 0; s < strings; ++s) {
        const int finger = voicing.hand.fingers[static_cast<std::size_t>(s)];
        if (finger < 1 || finger > kFingers)
            continue;
        FingerPlace& place = grip[static_cast<std::size_t>(finger - 1)];
        if (!place.down) {
            place = {true, voicing.frets[static_cast<std::size_t>(s)], s, s, 0};
        } else {
            place.low = std::min(place.low, s);
            place.high = std::max(place.high, s);
        }
        place.strings |= 1u << s;
    }
    for (int b = 0; b < voicing.hand.barreCount; ++b) {
        const Barre& barre = voicing.hand.barres[static_cast<std::size_t>(b)];
        if (barre.finger < 1 || barre.finger > kFingers)
            continue;
        FingerPlace& place = grip[static_cast<std::size_t>(barre.finger - 1)];
        if (!place.down)
            continue;
        place.low = std::min(place.low, barre.firstString - 1);
        place.high = std::max(place.high, barre.lastString - 1);
    }
    return grip;
}

std::int64_t GripMove(const Grip& from, const Grip& to)
{
    std::int64_t cost = 0;
    for (int f = 0; f < kFingers; ++f) {
        const FingerPlace& a = from[static_cast<std::size_t>(f)];
        const FingerPlace& b = to[static_cast<std::size_t>(f)];
        if (a.down && b.down) {
            const int crossed = std::max(std::abs(a.low - b.low), std::abs(a.high - b.high));
            cost += kPerStringCrossed * crossed;
            if (a.fret == b.fret && (a.strings & b.strings) != 0)
                cost -= kPerFingerKept;
            else
                cost += kPerFingerLifted + kPerFingerPlaced +
                    kPerFretTravelled * std::abs(a.fret - b.fret);
        } else if (a.down) {
            cost += kPerFingerLifted;
        } else if (b.down) {
            cost += kPerFingerPlaced;
        }
    }
    return cost;
}

// The exact leading over candidates. Without repeats held, the lowest total is a shortest path
// through the sequence: a dynamic programme over every voicing of every position. Holding a
// repeated chord to one voicing couples positions far apart, so the programme only bounds the
// cost from below (it lets each position of a chord choose for itself); branch and bound closes
// the gap:
// - a node restricts some chords to one voicing and runs the programme forward and backward on
//   the voicings still open: the cheapest path through a voicing at one position (its
//   min-marginal), taken at the worst of its chord's positions, bounds every solution giving the
//   chord that voicing; voicings whose bound cannot beat the best solution are dropped, and the
//   programme runs again until none is;
// - when the programme's path gives every chord one voicing, it is the node's optimum;
// - each node also makes a solution of its own (each chord's voicing of the least bound,
//   improved one chord at a time until no change helps) to beat;
// - otherwise a chord the path plays with two voicings, the one with the fewest left, is fixed to
//   each of its voicings in turn, those of the lowest bound first; a child gives up as soon as
//   its path so far plus the parent's cost to go cannot beat the best solution.
// The search ends with the best solution found when its work (cells of the programme) passes the
// budget; the plan then says it is not proven optimal. The cost matrix of each ordered pair of
// neighbouring chords is computed once, so a long song of few chords costs little more than a
// few passes of the programme.
class Leader {
public:
    Leader(std::span<const std::vector<Voicing>> candidates, std::span<const int> sequence);

    LeadPlan Plan(bool varyRepeats, std::uint64_t workBudget);

private:
    using Open = std::vector<std::vector<int>>;  // per chord, the candidates still open

    const std::vector<std::int32_t>& Pair(int from, int to) const
    {
        return pairs_[pairIndex_[static_cast<std::size_t>(from * chords_ + to)]];
    }
    std::int64_t Rank(int chord, int candidate) const
    {
        return candidates_[static_cast<std::size_t>(chord)][static_cast<std::size_t>(candidate)]
            .rank;
    }
    std::size_t Count(int chord) const
    {
        return candidates_[static_cast<std::size_t>(chord)].size();
    }
    std::int64_t Move(int from, int u, int to, int v) const
    {
        return Pair(
            from, to)[static_cast<std::size_t>(v) * Count(from) + static_cast<std::size_t>(u)];
    }

    // Per position, per candidate (kInfinity where not open): a bound from below on the cost from
    // there to the end.
    using ToGo = std::vector<std::vector<std::int64_t>>;

    // The programme over the open candidates: the cost of the cheapest path, which path holds
    // (candidate indices per position). With toGo, it gives up as soon as no path can cost less
    // than best_, and returns kInfinity.
    std::int64_t Forward(const Open& open, std::vector<int>& path, const ToGo* toGo = nullptr);
    // The cheapest cost from each open candidate of each position to the end (after Forward).
    void Backward(const Open& open);
    bool Consistent(const std::vector<int>& path) const;
    // Total cost when every chord c plays voicing[c].
    std::int64_t Cost(const std::vector<int>& voicing) const;
    std::int64_t Contribution(int chord, int candidate, const std::vector<int>& voicing) const;
    void Improve(const Open& open, std::vector<int>& voicing) const;
    std::vector<int> Expand(const std::vector<int>& voicing) const;
    void Branch(Open open, const ToGo* toGo = nullptr);

    std::span<const std::vector<Voicing>> candidates_;
    std::span<const int> sequence_;
    int chords_ = 0;
    std::vector<std::size_t> pairIndex_;  // per ordered pair of chords, its matrix
    std::vector<std::vector<std::int32_t>> pairs_;  // [to candidate * from count + from candidate]
    std::vector<int> plays_;  // per chord, how often it is played
    struct Neighbours {
        int from = 0;
        int to = 0;
        std::int64_t times = 0;
    };
    std::vector<Neighbours>
        neighbours_;  // each ordered pair of neighbours and how often, as pairs_
    std::vector<std::vector<std::size_t>> neighboursOf_;  // per chord, its pairs in neighbours_
    std::vector<std::vector<std::int64_t>> forward_;
    std::vector<std::vector<std::int64_t>> backward_;
    std::vector<std::vector<int>> from_;
    std::uint64_t work_ = 0;
    std::uint64_t budget_ = 0;
    bool exhausted_ = false;
    std::int64_t best_ = kInfinity;
    std::vector<int> bestPath_;
};

Leader::Leader(std::span<const std::vector<Voicing>> candidates, std::span<const int> sequence)
    : candidates_(candidates), sequence_(sequence), chords_(static_cast<int>(candidates.size()))
{
    std::vector<std::vector<Grip>> grips(candidates.size());
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        for (const Voicing& voicing : candidates[c])
            grips[c].push_back(GripOf(voicing));
    }
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    pairIndex_.assign(static_cast<std::size_t>(chords_) * static_cast<std::size_t>(chords_), kNone);
    plays_.assign(candidates.size(), 0);
    neighboursOf_.resize(candidates.size());
    for (std::size_t p = 0; p < sequence.size(); ++p) {
        ++plays_[static_cast<std::size_t>(sequence[p])];
        if (p == 0)
            continue;
        const int a = sequence[p - 1];
        const int b = sequence[p];
        std::size_t& index = pairIndex_[static_cast<std::size_t>(a * chords_ + b)];
        if (index != kNone) {
            ++neighbours_[index].times;
            continue;
        }
        index = pairs_.size();
        neighbours_.push_back({a, b, 1});
        neighboursOf_[static_cast<std::size_t>(a)].push_back(index);
        if (b != a)
            neighboursOf_[static_cast<std::size_t>(b)].push_back(index);
        const auto& from = grips[static_cast<std::size_t>(a)];
        const auto& to = grips[static_cast<std::size_t>(b)];
        std::vector<std::int32_t> matrix(from.size() * to.size());
        for (std::size_t v = 0; v < to.size(); ++v) {
            for (std::size_t u = 0; u < from.size(); ++u)
                matrix[v * from.size() + u] = static_cast<std::int32_t>(GripMove(from[u], to[v]));
        }
        pairs_.push_back(std::move(matrix));
    }
    forward_.resize(sequence.size());
    backward_.resize(sequence.size());
    from_.resize(sequence.size());
}

std::int64_t Leader::Forward(const Open& open, std::vector<int>& path, const ToGo* toGo)
{
    const std::size_t positions = sequence_.size();
    for (std::size_t p = 0; p < positions; ++p) {
        const int b = sequence_[p];
        const std::vector<int>& here = open[static_cast<std::size_t>(b)];
        std::vector<std::int64_t>& cost = forward_[p];
        std::vector<int>& from = from_[p];
        cost.assign(here.size(), kInfinity);
        from.assign(here.size(), 0);
        if (p == 0) {
            for (std::size_t j = 0; j < here.size(); ++j)
                cost[j] = Rank(b, here[j]);
            continue;
        }
        const int a = sequence_[p - 1];
        const std::vector<int>& before = open[static_cast<std::size_t>(a)];
        const std::vector<std::int64_t>& previous = forward_[p - 1];
        const std::vector<std::int32_t>& matrix = Pair(a, b);
        const std::size_t stride = Count(a);
        for (std::size_t j = 0; j < here.size(); ++j) {
            const std::int32_t* row = matrix.data() + static_cast<std::size_t>(here[j]) * stride;
            std::int64_t best = kInfinity;
            int arg = 0;
            for (std::size_t i = 0; i < before.size(); ++i) {
                const std::int64_t c = previous[i] + row[before[i]];
                if (c < best) {
                    best = c;
                    arg = static_cast<int>(i);
                }
            }
            cost[j] = best + Rank(b, here[j]);
            from[j] = arg;
        }
        work_ += here.size() * before.size();
        if (toGo != nullptr) {
            const std::vector<std::int64_t>& rest = (*toGo)[p];
            std::int64_t least = kInfinity;
            for (std::size_t j = 0; j < here.size(); ++j)
                least = std::min(least, cost[j] + rest[static_cast<std::size_t>(here[j])]);
            if (least >= best_)
                return kInfinity;
        }
    }
    const std::vector<std::int64_t>& last = forward_[positions - 1];
    const auto end = std::min_element(last.begin(), last.end());
    path.assign(positions, 0);
    int at = static_cast<int>(end - last.begin());
    for (std::size_t p = positions; p-- > 0;) {
        path[p] = open[static_cast<std::size_t>(sequence_[p])][static_cast<std::size_t>(at)];
        at = from_[p][static_cast<std::size_t>(at)];
    }
    return *end;
}

void Leader::Backward(const Open& open)
{
    const std::size_t positions = sequence_.size();
    backward_[positions - 1].assign(open[static_cast<std::size_t>(sequence_.back())].size(), 0);
    for (std::size_t p = positions - 1; p-- > 0;) {
        const int a = sequence_[p];
        const int b = sequence_[p + 1];
        const std::vector<int>& here = open[static_cast<std::size_t>(a)];
        const std::vector<int>& after = open[static_cast<std::size_t>(b)];
        const std::vector<std::int32_t>& matrix = Pair(a, b);
        const std::size_t stride = Count(a);
        std::vector<std::int64_t>& cost = backward_[p];
        cost.assign(here.size(), kInfinity);
        for (std::size_t j = 0; j < after.size(); ++j) {
            const std::int32_t* row = matrix.data() + static_cast<std::size_t>(after[j]) * stride;
            const std::int64_t rest = Rank(b, after[j]) + backward_[p + 1][j];
            for (std::size_t i = 0; i < here.size(); ++i)
                cost[i] = std::min(cost[i], row[here[i]] + rest);
        }
        work_ += here.size() * after.size();
    }
}

bool Leader::Consistent(const std::vector<int>& path) const
{
    std::vector<int> voicing(static_cast<std::size_t>(chords_), -1);
    for (std::size_t p = 0; p < path.size(); ++p) {
        int& chosen = voicing[static_cast<std::size_t>(sequence_[p])];
        if (chosen >= 0 && chosen != path[p])
            return false;
        chosen = path[p];
    }
    return true;
}

std::int64_t Leader::Cost(const std::vector<int>& voicing) const
{
    std::int64_t cost = 0;
    for (int c = 0; c < chords_; ++c) {
        if (plays_[static_cast<std::size_t>(c)] > 0)
            cost +=
                plays_[static_cast<std::size_t>(c)] * Rank(c, voicing[static_cast<std::size_t>(c)]);
    }
    for (const Neighbours& n : neighbours_) {
        cost += n.times *
            Move(n.from, voicing[static_cast<std::size_t>(n.from)], n.to,
                voicing[static_cast<std::size_t>(n.to)]);
    }
    return cost;
}

std::int64_t Leader::Contribution(int chord, int candidate, const std::vector<int>& voicing) const
{
    std::int64_t cost = plays_[static_cast<std::size_t>(chord)] * Rank(chord, candidate);
    for (const std::size_t pair : neighboursOf_[static_cast<std::size_t>(chord)]) {
        const Neighbours& n = neighbours_[pair];
        const int u = n.from == chord ? candidate : voicing[static_cast<std::size_t>(n.from)];
        const int v = n.to == chord ? candidate : voicing[static_cast<std::size_t>(n.to)];
        cost += n.times * Move(n.from, u, n.to, v);
    }
    return cost;
}

// Changes one chord's voicing at a time to the open one that lowers the total most, until none
// does: a good first solution for the bound to beat.
void Leader::Improve(const Open& open, std::vector<int>& voicing) const
{
    for (bool changed = true; changed;) {
        changed = false;
        for (int c = 0; c < chords_; ++c) {
            if (plays_[static_cast<std::size_t>(c)] == 0)
                continue;
            int best = voicing[static_cast<std::size_t>(c)];
            std::int64_t bestCost = Contribution(c, best, voicing);
            for (const int candidate : open[static_cast<std::size_t>(c)]) {
                const std::int64_t cost = Contribution(c, candidate, voicing);
                if (cost < bestCost) {
                    bestCost = cost;
                    best = candidate;
                }
            }
            if (best != voicing[static_cast<std::size_t>(c)]) {
                voicing[static_cast<std::size_t>(c)] = best;
                changed = true;
            }
        }
    }
}

std::vector<int> Leader::Expand(const std::vector<int>& voicing) const
{
    std::vector<int> path(sequence_.size());
    for (std::size_t p = 0; p < path.size(); ++p)
        path[p] = voicing[static_cast<std::size_t>(sequence_[p])];
    return path;
}

void Leader::Branch(Open open, const ToGo* toGo)
{
    std::vector<int> path;
    std::vector<std::vector<std::int64_t>> least(static_cast<std::size_t>(chords_));
    // Narrows the node's voicings until the bound they give no longer drops any.
    for (bool narrowing = true; narrowing;) {
        if (work_ > budget_) {
            exhausted_ = true;
            return;
        }
        const std::int64_t bound = Forward(open, path, toGo);
        if (bound >= best_)
            return;
        if (Consistent(path)) {
            best_ = bound;
            bestPath_ = path;
            return;
        }
        Backward(open);
        // Each open voicing's bound: the cheapest path through it at any of its chord's
        // positions, as a solution gives it all of them.
        for (int c = 0; c < chords_; ++c)
            least[static_cast<std::size_t>(c)].assign(open[static_cast<std::size_t>(c)].size(), 0);
        for (std::size_t p = 0; p < sequence_.size(); ++p) {
            std::vector<std::int64_t>& bounds = least[static_cast<std::size_t>(sequence_[p])];
            for (std::size_t j = 0; j < bounds.size(); ++j)
                bounds[j] = std::max(bounds[j], forward_[p][j] + backward_[p][j]);
        }
        // A solution within the node: each chord's voicing of the least bound, improved.
        std::vector<int> voicing(static_cast<std::size_t>(chords_), 0);
        for (int c = 0; c < chords_; ++c) {
            const auto& bounds = least[static_cast<std::size_t>(c)];
            if (plays_[static_cast<std::size_t>(c)] > 0) {
                const auto j = std::min_element(bounds.begin(), bounds.end()) - bounds.begin();
                voicing[static_cast<std::size_t>(c)] =
                    open[static_cast<std::size_t>(c)][static_cast<std::size_t>(j)];
            }
        }
        Improve(open, voicing);
        if (const std::int64_t cost = Cost(voicing); cost < best_) {
            best_ = cost;
            bestPath_ = Expand(voicing);
        }
        narrowing = false;
        for (int c = 0; c < chords_; ++c) {
            if (plays_[static_cast<std::size_t>(c)] == 0)
                continue;
            auto& candidates = open[static_cast<std::size_t>(c)];
            auto& bounds = least[static_cast<std::size_t>(c)];
            std::size_t kept = 0;
            for (std::size_t j = 0; j < candidates.size(); ++j) {
                if (bounds[j] < best_) {
                    candidates[kept] = candidates[j];
                    bounds[kept++] = bounds[j];
                }
            }
            if (kept == 0)
                return;
            narrowing = narrowing || kept < candidates.size();
            candidates.resize(kept);
            bounds.resize(kept);
        }
    }
    // The chord to branch on: one the path plays with two voicings, with the fewest voicings
    // open (the fewest branches), then the most often played.
    std::vector<int> seen(static_cast<std::size_t>(chords_), -1);
    std::vector<bool> split(static_cast<std::size_t>(chords_), false);
    for (std::size_t p = 0; p < path.size(); ++p) {
        int& chosen = seen[static_cast<std::size_t>(sequence_[p])];
        if (chosen >= 0 && chosen != path[p])
            split[static_cast<std::size_t>(sequence_[p])] = true;
        chosen = path[p];
    }
    int on = -1;
    for (int c = 0; c < chords_; ++c) {
        if (!split[static_cast<std::size_t>(c)])
            continue;
        const auto size = [&](int chord) { return open[static_cast<std::size_t>(chord)].size(); };
        const auto plays = [&](int chord) { return plays_[static_cast<std::size_t>(chord)]; };
        if (on < 0 || size(c) < size(on) || (size(c) == size(on) && plays(c) > plays(on)))
            on = c;
    }
    // A child's paths are among this node's: its cost to go is at least this node's.
    ToGo rest(sequence_.size());
    for (std::size_t p = 0; p < sequence_.size(); ++p) {
        const auto c = static_cast<std::size_t>(sequence_[p]);
        rest[p].assign(candidates_[c].size(), kInfinity);
        for (std::size_t j = 0; j < open[c].size(); ++j)
            rest[p][static_cast<std::size_t>(open[c][j])] = backward_[p][j];
    }
    std::vector<std::pair<std::int64_t, int>> order;
    for (std::size_t j = 0; j < open[static_cast<std::size_t>(on)].size(); ++j)
        order.emplace_back(
            least[static_cast<std::size_t>(on)][j], open[static_cast<std::size_t>(on)][j]);
    std::sort(order.begin(), order.end());
    for (const auto& [atLeast, candidate] : order) {
        if (atLeast >= best_ || exhausted_)
            break;
        Open child = open;
        child[static_cast<std::size_t>(on)] = {candidate};
        Branch(std::move(child), &rest);
    }
}

LeadPlan Leader::Plan(bool varyRepeats, std::uint64_t workBudget)
{
    LeadPlan plan;
    if (sequence_.empty())
        return plan;
    Open all(candidates_.size());
    for (std::size_t c = 0; c < candidates_.size(); ++c) {
        all[c].resize(candidates_[c].size());
        for (std::size_t j = 0; j < all[c].size(); ++j)
            all[c][j] = static_cast<int>(j);
    }
    if (varyRepeats) {
        plan.total = Forward(all, plan.choice);
        return plan;
    }
    budget_ = workBudget;
    Branch(all);
    plan.choice = bestPath_;
    plan.total = best_;
    plan.optimal = !exhausted_;
    return plan;
}

bool ValidFixedShape(const std::vector<int>& frets, std::size_t strings, int capo)
{
    return frets.size() == strings && std::all_of(frets.begin(), frets.end(), [&](int fret) {
        return fret == kNotPlayed || (fret >= 0 && fret + capo <= static_cast<int>(kMaxFret));
    });
}

}  // namespace

std::int64_t MovementCost(const Voicing& from, const Voicing& to)
{
    return GripMove(GripOf(from), GripOf(to));
}

LeadPlan PlanLeading(std::span<const std::vector<Voicing>> candidates,
    std::span<const int> sequence, bool varyRepeats, std::uint64_t workBudget)
{
    for (const int chord : sequence) {
        if (chord < 0 || static_cast<std::size_t>(chord) >= candidates.size() ||
            candidates[static_cast<std::size_t>(chord)].empty())
            return {{}, 0, false};
    }
    Leader leader(candidates, sequence);
    return leader.Plan(varyRepeats, workBudget);
}

LeadResult LeadVoicings(
    std::span<const LeadChord> chords, std::span<const Note> tuning, const LeadOptions& options)
{
    LeadResult result;
    result.capo = options.capo;
    result.steps.resize(chords.size());
    for (std::size_t i = 0; i < chords.size(); ++i) {
        if (!chords[i].request && !chords[i].fixedFrets)
            result.steps[i].status = LeadStatus::Unreadable;
    }
    const int capo = options.capo;
    if (capo < 0 || capo > static_cast<int>(kMaxFret))
        return result;
    std::vector<Note> capoed(tuning.begin(), tuning.end());
    for (Note& open : capoed)
        open += static_cast<Note>(capo);

    // One set of candidates per distinct chord, in order of first use; the best ranked ones only
    // when a chord has very many (wide options such as any bass over 24 frets).
    bool cut = false;
    std::vector<std::pair<const LeadChord*, std::vector<Voicing>>> distinct;
    std::vector<int> chordOf(chords.size(), -1);
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const LeadChord& chord = chords[i];
        if (result.steps[i].status == LeadStatus::Unreadable)
            continue;
        const auto same = std::find_if(distinct.begin(), distinct.end(), [&](const auto& known) {
            return known.first->identity == chord.identity &&
                known.first->fixedFrets == chord.fixedFrets;
        });
        if (same != distinct.end()) {
            chordOf[i] = static_cast<int>(same - distinct.begin());
            continue;
        }
        std::vector<Voicing> candidates;
        if (chord.fixedFrets) {
            if (ValidFixedShape(*chord.fixedFrets, capoed.size(), capo)) {
                Voicing own{*chord.fixedFrets, AssignFingers(*chord.fixedFrets), 0};
                own.rank = chord.request ? RankVoicing(*chord.request, capoed, own.frets, own.hand)
                                         : own.hand.difficulty;
                candidates.push_back(std::move(own));
            }
        } else {
            VoicingRequest request = *chord.request;
            request.highestFret = std::min(request.highestFret, static_cast<int>(kMaxFret) - capo);
            candidates = FindVoicings(request, capoed, options.threads);
            if (candidates.size() > kMostCandidates) {
                candidates.resize(kMostCandidates);
                cut = true;
            }
        }
        chordOf[i] = static_cast<int>(distinct.size());
        distinct.emplace_back(&chord, std::move(candidates));
    }

    std::vector<std::vector<Voicing>> candidates;
    std::vector<int> indexOf(distinct.size(), -1);
    for (std::size_t d = 0; d < distinct.size(); ++d) {
        if (distinct[d].second.empty())
            continue;
        indexOf[d] = static_cast<int>(candidates.size());
        candidates.push_back(std::move(distinct[d].second));
    }
    std::vector<int> sequence;
    std::vector<std::size_t> voiced;
    for (std::size_t i = 0; i < chords.size(); ++i) {
        if (chordOf[i] < 0)
            continue;
        const int index = indexOf[static_cast<std::size_t>(chordOf[i])];
        if (index < 0) {
            result.steps[i].status = LeadStatus::NoVoicing;
            continue;
        }
        sequence.push_back(index);
        voiced.push_back(i);
    }
    const LeadPlan plan =
        PlanLeading(candidates, sequence, options.varyRepeats, options.workBudget);
    result.total = plan.total;
    result.optimal = plan.optimal && !cut;
    for (std::size_t p = 0; p < voiced.size(); ++p) {
        LeadStep& step = result.steps[voiced[p]];
        step.status = LeadStatus::Voiced;
        step.voicing = candidates[static_cast<std::size_t>(sequence[p])]
                                 [static_cast<std::size_t>(plan.choice[p])];
        if (p > 0)
            step.move = MovementCost(result.steps[voiced[p - 1]].voicing, step.voicing);
    }
    return result;
}

std::int64_t CapoCost(int capo, std::size_t voiced)
{
    return kPerCapoFretPerChord * capo * static_cast<std::int64_t>(voiced);
}

LeadResult LeadVoicingsBestCapo(std::span<const LeadChord> chords, std::span<const Note> tuning,
    const LeadOptions& options, int highestCapo)
{
    const auto voicedCount = [](const LeadResult& result) {
        return std::count_if(result.steps.begin(), result.steps.end(),
            [](const LeadStep& step) { return step.status == LeadStatus::Voiced; });
    };
    LeadResult best;
    bool found = false;
    for (int capo = 0; capo <= std::min(highestCapo, static_cast<int>(kMaxFret)); ++capo) {
        LeadOptions withCapo = options;
        withCapo.capo = capo;
        LeadResult result = LeadVoicings(chords, tuning, withCapo);
        const auto withCost = [&](const LeadResult& r) {
            return r.total + CapoCost(r.capo, static_cast<std::size_t>(voicedCount(r)));
        };
        if (!found || voicedCount(result) > voicedCount(best) ||
            (voicedCount(result) == voicedCount(best) && withCost(result) < withCost(best))) {
            best = std::move(result);
            found = true;
        }
    }
    return found ? best : LeadVoicings(chords, tuning, options);
}

std::vector<LeadChord> LeadChordsOfSymbols(std::span<const std::string> symbols,
    std::span<const Note> tuning, const VoicingChoices& choices,
    const std::map<std::string, std::vector<int>>& fixedShapes)
{
    std::vector<LeadChord> chords;
    chords.reserve(symbols.size());
    for (const std::string& symbol : symbols) {
        LeadChord chord;
        chord.identity = symbol;
        if (const ChordReading reading = ReadChordSymbol(symbol))
            chord.request = VoicingRequestFor(*reading.chord, tuning, choices);
        if (const auto own = fixedShapes.find(symbol); own != fixedShapes.end())
            chord.fixedFrets = own->second;
        chords.push_back(std::move(chord));
    }
    return chords;
}

}  // namespace guivarna::theory
