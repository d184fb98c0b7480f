#include "theory/search/parallel_chord_run.h"

#include "theory/search/chord_result_store.h"
#include "theory/search/chord_search.h"
#include "theory/search/fingering_generator.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace guivarna::theory {

namespace {

// How many candidates a worker examines between two looks at the control.
constexpr unsigned kControlPollInterval = 4096;
// How long a worker waiting for room ahead sleeps before it looks at the control again.
constexpr std::chrono::milliseconds kRoomWait{5};

struct Piece {
    std::size_t index = 0;
    FingeringGenerator::Order first;
    std::uint64_t orders = 0;
};

// The state the threads of one run share: the cut of the enumeration into pieces, the finished
// pieces waiting for their turn and the buffers to reuse. Guarded by mutex unless said.
class PieceRun {
public:
    PieceRun(const ChordFilter& filter, ChordResultList& results, RunControl& control,
        std::size_t piecesAhead, std::uint64_t pieceCandidates)
        : filter_(filter), results_(results), control_(control), piecesAhead_(piecesAhead),
          pieceCandidates_(pieceCandidates)
    {
        cutter_.Start(filter_.openNotes, filter_.notes, filter_.AllowedStringMask());
        more_ = cutter_.FirstOrder(cursor_);
    }

    // One thread's work: pieces until there are none left, a stop or a failure.
    void Work()
    {
        try {
            WorkPieces();
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!failure_)
                failure_ = std::current_exception();
            aborted_.store(true, std::memory_order_release);
            changed_.notify_all();
        }
        control_.WorkerEnded();
    }

    bool Stopped() const { return stopped_.load(std::memory_order_acquire); }
    std::exception_ptr Failure() const
    {
        std::lock_guard lock(mutex_);
        return failure_;
    }

private:
    void WorkPieces()
    {
        FingeringGenerator generator;
        generator.Start(filter_.openNotes, filter_.notes, filter_.AllowedStringMask());
        while (true) {
            Piece piece;
            std::unique_ptr<ChordResultPiece> buffer;
            if (!TakePiece(piece, buffer))
                return;
            generator.Restrict(piece.first, piece.orders);
            if (!Scan(generator, *buffer))
                return;
            Finish(piece.index, std::move(buffer));
        }
    }

    // False when an abort or a stop ends the worker.
    bool Going()
    {
        if (aborted_.load(std::memory_order_acquire))
            return false;
        if (!control_.Continue()) {
            stopped_.store(true, std::memory_order_release);
            return false;
        }
        return true;
    }

    // The next piece and a buffer for it; false when there is none or the worker is to end.
    bool TakePiece(Piece& piece, std::unique_ptr<ChordResultPiece>& buffer)
    {
        while (true) {
            // Pauses are waited out here, holding no lock.
            if (!Going())
                return false;
            std::unique_lock lock(mutex_);
            if (!more_)
                return false;
            if (nextPiece_ < merged_ + piecesAhead_) {
                piece.index = nextPiece_++;
                piece.first = cursor_;
                std::uint64_t candidates = 0;
                // Whole orders until the piece has its share of candidates.
                do {
                    candidates += cutter_.CandidatesOf(cursor_);
                    ++piece.orders;
                    more_ = cutter_.AdvanceOrder(cursor_);
                } while (more_ && candidates < pieceCandidates_);
                if (spare_.empty()) {
                    buffer = std::make_unique<ChordResultPiece>();
                } else {
                    buffer = std::move(spare_.back());
                    spare_.pop_back();
                }
                return true;
            }
            changed_.wait_for(lock, kRoomWait);
        }
    }

    bool Scan(FingeringGenerator& generator, ChordResultPiece& buffer)
    {
        switch (filter_.notes.size()) {
        case 1:
            return Scan<1>(generator, buffer);
        case 2:
            return Scan<2>(generator, buffer);
        case 3:
            return Scan<3>(generator, buffer);
        case 4:
            return Scan<4>(generator, buffer);
        case 5:
            return Scan<5>(generator, buffer);
        case 6:
            return Scan<6>(generator, buffer);
        case 7:
            return Scan<7>(generator, buffer);
        case 8:
            return Scan<8>(generator, buffer);
        default:
            return Scan<0>(generator, buffer);
        }
    }

    // The piece's accepted candidates into buffer, in order; false when the worker is to end.
    template <std::size_t K> bool Scan(FingeringGenerator& generator, ChordResultPiece& buffer)
    {
        unsigned untilPoll = kControlPollInterval;
        while (const FingeringCandidate* candidate = generator.Next<K>()) {
            if (--untilPoll == 0) {
                untilPoll = kControlPollInterval;
                if (!Going())
                    return false;
            }
            if (!filter_.AcceptsWithinCombination<K>(*candidate) ||
                (filter_.playableOnly && !filter_.PassesPlayable(*candidate)))
                continue;
            buffer.Append<K>(*candidate);
        }
        return true;
    }

    // Hands in a scanned piece. The thread that finds the next piece of the list among the
    // finished ones appends it and every one following it; the others leave theirs.
    void Finish(std::size_t index, std::unique_ptr<ChordResultPiece> buffer)
    {
        std::unique_lock lock(mutex_);
        finished_.emplace(index, std::move(buffer));
        if (appending_)
            return;
        appending_ = true;
        while (true) {
            const auto next = finished_.find(merged_);
            if (next == finished_.end())
                break;
            std::unique_ptr<ChordResultPiece> done = std::move(next->second);
            finished_.erase(next);
            lock.unlock();
            // A paused run adds nothing to the list; a stopped one keeps what it has.
            if (!Going()) {
                lock.lock();
                break;
            }
            try {
                results_.AppendPiece(*done);
            } catch (...) {
                lock.lock();
                appending_ = false;
                throw;
            }
            done->Clear();
            lock.lock();
            spare_.push_back(std::move(done));
            ++merged_;
            changed_.notify_all();
        }
        appending_ = false;
    }

    const ChordFilter& filter_;
    ChordResultList& results_;
    RunControl& control_;
    const std::size_t piecesAhead_;
    const std::uint64_t pieceCandidates_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    FingeringGenerator cutter_;
    FingeringGenerator::Order cursor_;
    bool more_ = false;  // cursor_ is an order not yet in a piece
    std::size_t nextPiece_ = 0;  // the index the next piece gets
    std::size_t merged_ = 0;  // how many pieces are in the list
    bool appending_ = false;  // a thread appends finished pieces to the list
    std::map<std::size_t, std::unique_ptr<ChordResultPiece>> finished_;
    std::vector<std::unique_ptr<ChordResultPiece>> spare_;
    std::exception_ptr failure_;
    std::atomic<bool> aborted_{false};  // read without the lock
    std::atomic<bool> stopped_{false};  // read without the lock
};

}  // namespace

int DefaultSearchThreads()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

bool RunChordSearchInPieces(const ChordFilter& filter, ChordResultList& results,
    RunControl& control, int threads, const ChordPieceLimits& limits)
{
    threads = threads < 1 ? 1 : threads;
    const std::size_t ahead =
        limits.piecesAhead != 0 ? limits.piecesAhead : 8 * static_cast<std::size_t>(threads);
    const std::uint64_t pieceCandidates = limits.pieceCandidates != 0 ? limits.pieceCandidates : 1;
    PieceRun run(filter, results, control, ahead, pieceCandidates);
    control.SetWorkers(threads);
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i) {
        try {
            helpers.emplace_back([&run] { run.Work(); });
        } catch (const std::system_error&) {
            // Fewer threads than asked for: the ones there are do all the pieces.
            control.WorkerEnded();
        }
    }
    run.Work();
    for (std::thread& helper : helpers)
        helper.join();
    control.SetWorkers(1);
    if (const std::exception_ptr failure = run.Failure())
        std::rethrow_exception(failure);
    return run.Stopped();
}

}  // namespace guivarna::theory
