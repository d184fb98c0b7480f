#include "theory/search/voicing_search.h"

#include "theory/notes/instrument_limits.h"
#include "theory/search/run_control.h"

#include <algorithm>
#include <bit>
#include <exception>
#include <iterator>
#include <limits>
#include <mutex>
#include <thread>

namespace guivarna::theory {

namespace {

// The rank of a voicing: lower comes first. Chord books print first the shapes that sound full,
// are easy to hold and lie low on the neck, with the root in the bass; the weights say how much
// each counts against the finger assignment's difficulty (weight 1, 0..254).
// - a string not played: a thinner chord;
constexpr std::int64_t kPerStringNotPlayed = 8;
// - a string not played between sounding ones, besides: it must be damped by a finger;
constexpr std::int64_t kPerStringDamped = 30;
// - a tone left out of the chord, except the root where books leave it to the bass (a chord of
//   five tones or more on four strings);
constexpr std::int64_t kPerToneLeftOut = 15;
// - each fret the shape's lowest fretted fret lies up the neck, and each of its highest (open
//   strings do not bring a shape down the neck);
constexpr std::int64_t kPerLowestFret = 5;
constexpr std::int64_t kPerHighestFret = 3;
// - a bass other than the root, where any bass was asked for, except on a re-entrant tuning,
//   whose books do not ask for the root below.
constexpr std::int64_t kBassNotRoot = 40;
// The voice leading weighs the hand's movement between chords on the same scale: its weights are
// listed in theory/song/voice_leading.cpp.

constexpr int kIntervalMask = (1 << kPitchClassCount) - 1;

bool Has(int intervals, int semitones)
{
    return (intervals & (1 << semitones)) != 0;
}

// The pitch classes (bit p for pitch class p) of the intervals above root.
int PitchClassesOf(int intervals, PitchClass root)
{
    int pitchClasses = 0;
    for (int k = 0; k < kPitchClassCount; ++k) {
        if (Has(intervals, k))
            pitchClasses |= 1 << ((root + k) % kPitchClassCount);
    }
    return pitchClasses;
}

// What a fret pattern sounds: the strings played and where they lie, the frets, the pitch
// classes and the bass.
struct Sound {
    int strings = 0;  // sounding
    int first = -1;  // the first and last sounding string (from 0)
    int last = -1;
    int lowestFret = 0;  // fretted; 0 when nothing is
    int highestFret = 0;
    int classes = 0;  // bit p: pitch class p sounds
    int bass = -1;  // the lowest note's pitch class

    // Strings not played between sounding ones.
    int Damped() const { return strings == 0 ? 0 : last - first + 1 - strings; }
};

struct Search {
    const VoicingRequest& request;
    std::span<const Note> tuning;
    int chordClasses = 0;  // pitch classes the sounding strings may play
    int requiredClasses = 0;  // pitch classes that must sound
    int rootClass = 0;
    int bassClass = -1;  // the pitch class the lowest note must have; -1 any
    bool reentrant = false;
    int leftOutFree = 0;  // pitch classes whose leaving out costs nothing

    // What every string may play in the window of frets from low: not played, open where the
    // fret range starts at the nut, then each fret of the window; only tones of the chord.
    std::vector<std::vector<int>> Choices(int low) const;
    // Every voicing whose lowest fretted fret is low (with open strings only when 0).
    // It returns early, with what it found, when control stops the run, and waits while control
    // pauses it.
    void Window(int low, std::vector<Voicing>& out, RunControl* control) const;
    Sound SoundOf(std::span<const int> frets) const;
    // The voicing conditions besides playability, for a shape whose lowest fretted fret should
    // be low.
    bool Keep(const Sound& sound, int low) const;
    std::int64_t Rank(const Sound& sound, int stringCount, const Hand& hand) const;
};

Sound Search::SoundOf(std::span<const int> frets) const
{
    Sound sound;
    Note bassPitch = 0;
    for (std::size_t s = 0; s < frets.size(); ++s) {
        if (frets[s] == kNotPlayed)
            continue;
        ++sound.strings;
        if (sound.first < 0)
            sound.first = static_cast<int>(s);
        sound.last = static_cast<int>(s);
        if (frets[s] > 0 && (sound.lowestFret == 0 || frets[s] < sound.lowestFret))
            sound.lowestFret = frets[s];
        sound.highestFret = std::max(sound.highestFret, frets[s]);
        const Note pitch = tuning[s] + static_cast<Note>(frets[s]);
        sound.classes |= 1 << PitchClassOf(pitch);
        if (sound.bass < 0 || pitch < bassPitch) {
            bassPitch = pitch;
            sound.bass = PitchClassOf(pitch);
        }
    }
    return sound;
}

bool Search::Keep(const Sound& sound, int low) const
{
    if (sound.strings < request.minStrings || sound.lowestFret != low)
        return false;
    if ((sound.classes & requiredClasses) != requiredClasses)
        return false;
    if (bassClass >= 0 && sound.bass != bassClass)
        return false;
    return request.mutedInside || sound.Damped() == 0;
}

std::int64_t Search::Rank(const Sound& sound, int stringCount, const Hand& hand) const
{
    const int leftOut =
        std::popcount(static_cast<unsigned>(chordClasses & ~sound.classes & ~leftOutFree));
    std::int64_t rank = hand.difficulty;
    rank += kPerStringNotPlayed * (stringCount - sound.strings) + kPerStringDamped * sound.Damped();
    rank += kPerToneLeftOut * leftOut;
    rank += kPerLowestFret * sound.lowestFret + kPerHighestFret * sound.highestFret;
    if (request.bass == VoicingBass::Any && sound.bass != rootClass && !reentrant)
        rank += kBassNotRoot;
    return rank;
}

std::vector<std::vector<int>> Search::Choices(int low) const
{
    const int top = std::min(request.highestFret, low + request.span - 1);
    std::vector<std::vector<int>> choices(tuning.size());
    for (std::size_t s = 0; s < tuning.size(); ++s) {
        auto& list = choices[s];
        const auto offer = [&](int fret) {
            const Note pitch = tuning[s] + static_cast<Note>(fret);
            if ((chordClasses & (1 << PitchClassOf(pitch))) != 0)
                list.push_back(fret);
        };
        list.push_back(kNotPlayed);
        if (request.lowestFret == 0)
            offer(0);
        for (int fret = std::max(low, 1); low > 0 && fret <= top; ++fret)
            offer(fret);
    }
    return choices;
}

void Search::Window(int low, std::vector<Voicing>& out, RunControl* control) const
{
    const std::vector<std::vector<int>> choices = Choices(low);
    // Every combination of the choices, as an odometer over the strings.
    std::vector<std::size_t> at(tuning.size(), 0);
    std::vector<int> frets(tuning.size(), kNotPlayed);
    for (std::uint64_t step = 0;; ++step) {
        if ((step & 0xFFF) == 0 && control != nullptr && !control->Continue())
            return;
        for (std::size_t s = 0; s < frets.size(); ++s)
            frets[s] = choices[s][at[s]];
        if (const Sound sound = SoundOf(frets); Keep(sound, low)) {
            const Hand hand = AssignFingers(frets);
            if (hand.playable) {
                out.push_back(
                    Voicing{frets, hand, Rank(sound, static_cast<int>(frets.size()), hand)});
            }
        }
        std::size_t s = 0;
        while (s < at.size() && ++at[s] == choices[s].size())
            at[s++] = 0;
        if (s == at.size())
            return;
    }
}

}  // namespace

bool RankedBefore(const Voicing& a, const Voicing& b)
{
    if (a.rank != b.rank)
        return a.rank < b.rank;
    return a.frets < b.frets;
}

int DegreeIntervals(unsigned degrees, int intervals)
{
    int tones = 0;
    const auto take = [&](int semitones) {
        if (Has(intervals, semitones))
            tones |= 1 << semitones;
    };
    const bool majorThird = Has(intervals, 4);
    const bool third = majorThird || Has(intervals, 3);
    const bool fifth = Has(intervals, 7);
    const bool seventh = Has(intervals, 10) || Has(intervals, 11);
    if ((degrees & kDegreeRoot) != 0)
        take(0);
    if ((degrees & kDegreeFifth) != 0)
        take(7);
    if ((degrees & kDegreeNinth) != 0) {
        take(1);
        take(2);
        if (majorThird)
            take(3);
    }
    if ((degrees & kDegreeEleventh) != 0) {
        if (third)
            take(5);
        if (fifth)
            take(6);
    }
    if ((degrees & kDegreeThirteenth) != 0) {
        if (seventh)
            take(9);
        if (fifth)
            take(8);
    }
    return tones;
}

unsigned DefaultOmittable(int intervals, std::span<const Note> tuning)
{
    unsigned degrees = kDegreeFifth;
    const bool eleventh = DegreeIntervals(kDegreeEleventh, intervals) != 0;
    const bool thirteenth = DegreeIntervals(kDegreeThirteenth, intervals) != 0;
    if (eleventh || thirteenth)
        degrees |= kDegreeNinth;
    if (thirteenth)
        degrees |= kDegreeEleventh;
    if (tuning.size() <= 4 && std::popcount(static_cast<unsigned>(intervals & kIntervalMask)) >= 5)
        degrees |= kDegreeRoot;
    return degrees;
}

bool IsReentrant(std::span<const Note> tuning)
{
    for (std::size_t s = 1; s < tuning.size(); ++s) {
        if (tuning[s] > tuning[s - 1])
            return true;
    }
    return false;
}

VoicingBass DefaultBass(std::span<const Note> tuning)
{
    return IsReentrant(tuning) ? VoicingBass::Any : VoicingBass::Root;
}

namespace {

// Sets up the search of a request; false when the request can find nothing (a bass outside the
// chord, a fret range or span that holds no fret, an instrument beyond the limits).
bool Prepare(const VoicingRequest& request, std::span<const Note> tuning, Search& search)
{
    if (tuning.empty() || tuning.size() > static_cast<std::size_t>(kMaxStrings) ||
        request.root < 0 || request.root >= kPitchClassCount || request.span < 1)
        return false;
    const int intervals = (request.intervals & kIntervalMask) | 1;
    search.rootClass = request.root;
    search.reentrant = IsReentrant(tuning);
    if ((DefaultOmittable(intervals, tuning) & kDegreeRoot) != 0)
        search.leftOutFree = 1 << request.root;
    search.chordClasses = PitchClassesOf(intervals, request.root);
    const int optional = DegreeIntervals(request.omittable, intervals);
    search.requiredClasses = PitchClassesOf(intervals & ~optional, request.root);
    if (request.bass == VoicingBass::Root) {
        search.bassClass = request.root;
    } else if (request.bass == VoicingBass::Note) {
        if (request.bassNote < 0 || request.bassNote >= kPitchClassCount ||
            (search.chordClasses & (1 << request.bassNote)) == 0)
            return false;
        search.bassClass = request.bassNote;
    }
    // The root as the bass must sound, whatever may be left out.
    if (search.bassClass >= 0)
        search.requiredClasses |= 1 << search.bassClass;

    return request.lowestFret >= 0 &&
        request.lowestFret <= std::min(request.highestFret, static_cast<int>(kMaxFret));
}

}  // namespace

std::uint64_t CountVoicingCandidates(const VoicingRequest& request, std::span<const Note> tuning)
{
    Search search{request, tuning};
    if (!Prepare(request, tuning, search))
        return 0;
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t total = 0;
    const int highest = std::min(request.highestFret, static_cast<int>(kMaxFret));
    for (int low = request.lowestFret; low <= highest; ++low) {
        std::uint64_t window = 1;
        for (const std::vector<int>& choices : search.Choices(low))
            window = window > kMost / choices.size() ? kMost : window * choices.size();
        total = total > kMost - window ? kMost : total + window;
    }
    return total;
}

void StreamVoicings(const VoicingRequest& request, std::span<const Note> tuning, int threads,
    RunControl* control, const VoicingPieceSink& sink)
{
    Search search{request, tuning};
    if (!Prepare(request, tuning, search))
        return;
    const int highest = std::min(request.highestFret, static_cast<int>(kMaxFret));
    // One piece per window of frets, by its lowest fretted fret (0: only open strings). The
    // threads take the windows in turn; a finished piece waits until those before it are handed
    // on, so the sink sees window order whatever the number of threads.
    const int lowest = request.lowestFret;
    const int windows = highest - lowest + 1;
    std::vector<std::vector<Voicing>> done(static_cast<std::size_t>(windows));
    std::vector<bool> ready(static_cast<std::size_t>(windows), false);
    std::size_t handedOn = 0;
    std::mutex handOver;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    const auto stopped = [&] { return control != nullptr && control->StopRequested(); };
    const auto work = [&] {
        try {
            for (int w = next++; w < windows && !failed && !stopped(); w = next++) {
                std::vector<Voicing> piece;
                search.Window(lowest + w, piece, control);
                if (stopped())
                    break;
                std::sort(piece.begin(), piece.end(), RankedBefore);
                const std::lock_guard lock(handOver);
                done[static_cast<std::size_t>(w)] = std::move(piece);
                ready[static_cast<std::size_t>(w)] = true;
                for (; handedOn < ready.size() && ready[handedOn] && !failed; ++handedOn)
                    sink(std::move(done[handedOn]));
            }
        } catch (...) {
            // Out of memory on a helper thread, or in the sink: the caller hears of it, not
            // std::terminate.
            const std::lock_guard lock(handOver);
            if (!failure)
                failure = std::current_exception();
            failed = true;
        }
        if (control != nullptr)
            control->WorkerEnded();
    };
    const int helpers = std::clamp(threads, 1, windows) - 1;
    if (control != nullptr)
        control->SetWorkers(helpers + 1);
    {
        std::vector<std::jthread> pool;
        pool.reserve(static_cast<std::size_t>(helpers));
        for (int t = 0; t < helpers; ++t)
            pool.emplace_back(work);
        work();
    }
    if (failure)
        std::rethrow_exception(failure);
}

std::vector<std::size_t> RankedMerge(std::span<const std::vector<Voicing>> pieces)
{
    // Each piece is ranked already; one k-way merge keeps the order the ranking defines.
    std::size_t total = 0;
    std::vector<std::size_t> start(pieces.size(), 0);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        start[p] = total;
        total += pieces[p].size();
    }
    std::vector<std::size_t> order;
    order.reserve(total);
    std::vector<std::size_t> taken(pieces.size(), 0);
    const auto later = [&](std::size_t a, std::size_t b) {
        return RankedBefore(pieces[b][taken[b]], pieces[a][taken[a]]);
    };
    std::vector<std::size_t> heads;
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        if (!pieces[p].empty())
            heads.push_back(p);
    }
    std::make_heap(heads.begin(), heads.end(), later);
    while (!heads.empty()) {
        std::pop_heap(heads.begin(), heads.end(), later);
        const std::size_t p = heads.back();
        order.push_back(start[p] + taken[p]++);
        if (taken[p] < pieces[p].size())
            std::push_heap(heads.begin(), heads.end(), later);
        else
            heads.pop_back();
    }
    return order;
}

std::vector<Voicing> FindVoicings(
    const VoicingRequest& request, std::span<const Note> tuning, int threads, RunControl* control)
{
    std::vector<std::vector<Voicing>> pieces;
    StreamVoicings(request, tuning, threads, control,
        [&pieces](std::vector<Voicing>&& piece) { pieces.push_back(std::move(piece)); });
    const std::vector<std::size_t> order = RankedMerge(pieces);
    std::vector<Voicing> all;
    all.reserve(order.size());
    for (auto& piece : pieces)
        std::move(piece.begin(), piece.end(), std::back_inserter(all));
    std::vector<Voicing> voicings;
    voicings.reserve(all.size());
    for (const std::size_t index : order)
        voicings.push_back(std::move(all[index]));
    return voicings;
}

std::int64_t RankVoicing(const VoicingRequest& request, std::span<const Note> tuning,
    std::span<const int> frets, const Hand& hand)
{
    Search search{request, tuning};
    if (frets.size() != tuning.size() || !Prepare(request, tuning, search))
        return hand.difficulty;
    return search.Rank(search.SoundOf(frets), static_cast<int>(frets.size()), hand);
}

}  // namespace guivarna::theory
