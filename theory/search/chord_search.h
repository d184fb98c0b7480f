#pragma once

#include "theory/search/chord_filter.h"
#include "theory/search/chord_fingering.h"
#include "theory/search/chord_result_store.h"
#include "theory/search/fingering_generator.h"
#include "theory/search/row_order.h"
#include "theory/search/run_control.h"
#include "theory/search/search_request.h"
#include "theory/search/search_state.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace guivarna::theory {

class MusicTheory;

// Copies the current chord of the theory object (its notes in the order added, and its root)
// into the request.
void TakeChord(ChordSearchRequest& request, const MusicTheory& theory);

// The fingerings one chord search run found, in the order found. Appended by the run's worker
// (one result at a time, or a finished piece at a time on several threads) and read by index
// from any thread; a list stays readable for as long as anyone holds it.
class ChordResultList {
public:
    std::size_t Count() const;
    // Throws std::out_of_range when index >= Count().
    ChordFingering Get(std::size_t index) const;
    void Get(std::size_t index, ChordFingering& out) const;
    // Bytes held by the list (for memory figures).
    std::size_t Bytes() const;
    // See ChordResultStore::SetByteLimit.
    void SetByteLimit(std::size_t bytes)
    {
        std::lock_guard lock(mutex_);
        store_.SetByteLimit(bytes);
    }

    // Calls visit(index, k, strings, pitchClasses, frets) for results first .. last - 1 (see
    // ChordResultStore::ForEach), holding the list's lock meanwhile: keep the ranges short.
    template <typename Visit> void ForEach(std::size_t first, std::size_t last, Visit&& visit) const
    {
        std::lock_guard lock(mutex_);
        store_.ForEach(first, last, visit);
    }

    template <std::size_t K = 0> void Append(const FingeringCandidate& candidate)
    {
        std::lock_guard lock(mutex_);
        store_.Append<K>(candidate);
    }
    // See ChordResultStore::AppendPiece.
    void AppendPiece(const ChordResultPiece& piece)
    {
        std::lock_guard lock(mutex_);
        store_.AppendPiece(piece);
    }

private:
    mutable std::mutex mutex_;
    ChordResultStore store_;
};

// One enumeration of the fingerings of a request, appending every accepted one to its own list.
// Next is called by one thread at a time; the control may be used from any thread.
class ChordRun {
public:
    ChordRun(ChordFilter filter, std::shared_ptr<ChordResultList> results,
        std::shared_ptr<RunControl> control);

    // Finds the next fingering that passes all filters, appends it to the run's list and copies
    // it to out. False when the enumeration is exhausted or the run was stopped; a paused run
    // waits inside this call. After false, every later call returns false too.
    bool Next(ChordFingering& out);
    // Runs the enumeration to its end, or to a stop, on `threads` threads, the caller's among
    // them, filling the run's list in exactly the order Next would (see
    // RunChordSearchInPieces); with 1 thread it calls Next until false. For a run whose Next
    // was not called yet; afterwards Next returns false. Throws what the search threw (for
    // instance std::bad_alloc at the list's byte limit) once every thread has ended.
    void RunToEnd(int threads);
    // True when Next (or RunToEnd) returned false because of a stop rather than exhaustion.
    bool Stopped() const { return stopped_; }

    const std::shared_ptr<ChordResultList>& Results() const { return results_; }
    RunControl& Control() const { return *control_; }
    // The instrument the run searches: open notes, string 1 first.
    const std::vector<Note>& Tuning() const { return filter_.openNotes; }

private:
    template <std::size_t K> bool Scan(ChordFingering& out);

    ChordFilter filter_;
    FingeringGenerator generator_;
    std::shared_ptr<ChordResultList> results_;
    std::shared_ptr<RunControl> control_;
    bool finished_ = false;
    bool stopped_ = false;
};

// The chord fingering search: the instrument, the current request, the result list of the
// latest run and the fingering selected in it. All members may be used from any thread.
class ChordSearch : public SearchState<ChordSearchRequest, ChordResultList> {
public:
    // The open notes, string 1 (the highest) first. Throws std::length_error beyond kMaxStrings
    // strings; then nothing changes.
    void SetTuning(const std::vector<Note>& openNotes);
    std::vector<Note> Tuning() const;
    int StringCount() const;

    // The order the result list is shown in, for the latest list only: a new run drops it.
    void SetShownOrder(std::shared_ptr<const ChordResultList> list, RowOrder order);
    RowOrder ShownOrder() const;

    // False when the current fingering is -1 or not in the list; else copies that result.
    bool CurrentFingering(ChordFingering& out) const;

    // Takes the snapshot of the instrument and the request, clears the results and returns a
    // run that fills the new list. Runs on the caller's thread; the run itself never reads this
    // object again, so it may be handed to a worker. highestFret, when given, lowers the
    // request's highest fret for this run alone (to the frets a board shows); the request keeps
    // its range.
    std::unique_ptr<ChordRun> StartRun(std::shared_ptr<RunControl> control = nullptr,
        std::optional<std::uint32_t> highestFret = std::nullopt);
    // The most bytes the result list of each later run may take (see
    // ChordResultStore::SetByteLimit); no limit unless set.
    void SetResultByteLimit(std::size_t bytes) { resultByteLimit_.store(bytes); }

private:
    mutable std::mutex tuningMutex_;
    std::vector<Note> tuning_;
    std::weak_ptr<const ChordResultList> orderedList_;
    RowOrder shownOrder_;
    std::atomic<std::size_t> resultByteLimit_{static_cast<std::size_t>(-1)};
};

}  // namespace guivarna::theory
