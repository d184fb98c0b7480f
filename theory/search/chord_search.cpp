#include "theory/search/chord_search.h"

#include "theory/notes/music_theory.h"
#include "theory/search/parallel_chord_run.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace guivarna::theory {

namespace {

// How many candidates a run examines between two looks at its control.
constexpr unsigned kControlPollInterval = 4096;

template <std::size_t K> void CopyCandidate(const FingeringCandidate& c, ChordFingering& out)
{
    const std::size_t k = K != 0 ? K : static_cast<std::size_t>(c.count);
    // The count is a parameter, not a capture: for a fixed K it is a constant, and the copy
    // unrolls once inlined.
    const auto copy = [](std::size_t count,
                          std::array<std::uint8_t, FingeringCandidate::kMaxStrings> from,
                          std::vector<std::uint32_t>& to) {
        // from is a local copy: stores through to.data() cannot alias it.
        to.resize(count);
        std::uint32_t* target = to.data();
        for (std::size_t i = 0; i < count; ++i)
            target[i] = from[i];
    };
    copy(k, c.strings, out.StringSet);
    copy(k, c.notes, out.StringNotes);
    copy(k, c.frets, out.FretBoardPosition);
}

}  // namespace

void TakeChord(ChordSearchRequest& request, const MusicTheory& theory)
{
    request.notes = theory.GetNotes(true);
    request.root = PitchClassOfName(theory.GetRootName());
}

// --- ChordResultList ---------------------------------------------------------------------------

std::size_t ChordResultList::Count() const
{
    std::lock_guard lock(mutex_);
    return store_.Count();
}

ChordFingering ChordResultList::Get(std::size_t index) const
{
    ChordFingering fingering;
    Get(index, fingering);
    return fingering;
}

void ChordResultList::Get(std::size_t index, ChordFingering& out) const
{
    std::lock_guard lock(mutex_);
    store_.Get(index, out);
}

std::size_t ChordResultList::Bytes() const
{
    std::lock_guard lock(mutex_);
    return store_.Bytes();
}

// --- ChordRun ----------------------------------------------------------------------------------

ChordRun::ChordRun(ChordFilter filter, std::shared_ptr<ChordResultList> results,
    std::shared_ptr<RunControl> control)
    : filter_(std::move(filter)), results_(std::move(results)), control_(std::move(control))
{
    generator_.Start(filter_.openNotes, filter_.notes, filter_.AllowedStringMask());
}

template <std::size_t K> bool ChordRun::Scan(ChordFingering& out)
{
    unsigned untilPoll = kControlPollInterval;
    while (const FingeringCandidate* candidate = generator_.Next<K>()) {
        if (--untilPoll == 0) {
            untilPoll = kControlPollInterval;
            if (!control_->Continue()) {
                stopped_ = true;
                finished_ = true;
                return false;
            }
        }
        if (!filter_.AcceptsWithinCombination<K>(*candidate) ||
            (filter_.playableOnly && !filter_.PassesPlayable(*candidate)))
            continue;
        results_->Append<K>(*candidate);
        CopyCandidate<K>(*candidate, out);
        return true;
    }
    finished_ = true;
    return false;
}

bool ChordRun::Next(ChordFingering& out)
{
    if (finished_)
        return false;
    if (!control_->Continue()) {
        stopped_ = true;
        finished_ = true;
        return false;
    }
    switch (filter_.notes.size()) {
    case 1:
        return Scan<1>(out);
    case 2:
        return Scan<2>(out);
    case 3:
        return Scan<3>(out);
    case 4:
        return Scan<4>(out);
    case 5:
        return Scan<5>(out);
    case 6:
        return Scan<6>(out);
    case 7:
        return Scan<7>(out);
    case 8:
        return Scan<8>(out);
    default:
        return Scan<0>(out);
    }
}

void ChordRun::RunToEnd(int threads)
{
    if (threads <= 1) {
        ChordFingering fingering;
        while (Next(fingering)) { }
        return;
    }
    if (finished_)
        return;
    finished_ = true;
    stopped_ = RunChordSearchInPieces(filter_, *results_, *control_, threads);
}

// --- ChordSearch -------------------------------------------------------------------------------

void ChordSearch::SetTuning(const std::vector<Note>& openNotes)
{
    if (openNotes.size() > static_cast<std::size_t>(kMaxStrings))
        throw std::length_error(
            "an instrument has at most " + std::to_string(kMaxStrings) + " strings");
    std::lock_guard lock(tuningMutex_);
    tuning_ = openNotes;
}

std::vector<Note> ChordSearch::Tuning() const
{
    std::lock_guard lock(tuningMutex_);
    return tuning_;
}

int ChordSearch::StringCount() const
{
    std::lock_guard lock(tuningMutex_);
    return static_cast<int>(tuning_.size());
}

void ChordSearch::SetShownOrder(std::shared_ptr<const ChordResultList> list, RowOrder order)
{
    std::lock_guard lock(tuningMutex_);
    orderedList_ = list;
    shownOrder_ = std::move(order);
}

RowOrder ChordSearch::ShownOrder() const
{
    const std::shared_ptr<const ChordResultList> latest = Results();
    std::lock_guard lock(tuningMutex_);
    return orderedList_.lock() == latest ? shownOrder_ : RowOrder();
}

bool ChordSearch::CurrentFingering(ChordFingering& out) const
{
    const int index = Current();
    const std::shared_ptr<const ChordResultList> results = Results();
    if (index < 0 || static_cast<std::size_t>(index) >= results->Count())
        return false;
    results->Get(static_cast<std::size_t>(index), out);
    return true;
}

std::unique_ptr<ChordRun> ChordSearch::StartRun(
    std::shared_ptr<RunControl> control, std::optional<std::uint32_t> highestFret)
{
    auto [request, results] = BeginRun();
    if (highestFret)
        request.highestFret = std::min(request.highestFret, *highestFret);
    results->SetByteLimit(resultByteLimit_.load());
    ChordFilter filter = ChordFilter::For(Tuning(), request);
    if (!control)
        control = std::make_shared<RunControl>();
    return std::make_unique<ChordRun>(std::move(filter), std::move(results), std::move(control));
}

}  // namespace guivarna::theory
