#pragma once

#include "calc/worker_failure.h"
#include "theory/search/difficulty_order.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace guivarna::theory {
class ChordResultList;
}

namespace guivarna::calc {

// Sorts the rows of a chord result list by one column on a worker thread, using every core, so
// the interface stays usable meanwhile. A new sort or Cancel drops the sort in progress: its
// result never arrives.
class ChordRowSorter : public QObject {
    Q_OBJECT

public:
    explicit ChordRowSorter(QObject* parent = nullptr);
    ~ChordRowSorter() override;

    // Sorts rows 0 .. count - 1 of list (on stringCount strings); Sorted follows on this object's
    // thread unless a newer sort or Cancel came first.
    void Start(std::shared_ptr<const theory::ChordResultList> list, int stringCount,
        std::size_t count, theory::ChordColumn column, bool descending);
    void Cancel();
    bool Running() const { return job_ != nullptr; }
    // Whether a cancelled sort has yet to hand back its (dropped) result.
    bool WindingDown() const { return !cancelled_.empty(); }
    // The part of the running sort done, 0 .. 1.
    double Progress() const;

signals:
    void Sorted(std::shared_ptr<const theory::ChordResultList> list,
        std::shared_ptr<const std::vector<std::uint32_t>> order);
    // The sort threw (outOfMemory: std::bad_alloc) and ended; the list keeps its order.
    void SortBroken(bool outOfMemory);

private:
    struct Job {
        std::atomic<bool> cancel{false};
        std::atomic<std::size_t> done{0};
        std::size_t total = 0;
        std::jthread thread;
    };

    void Finished(Job* job, std::shared_ptr<const theory::ChordResultList> list,
        std::shared_ptr<const std::vector<std::uint32_t>> order, WorkerFailure failure);
    void Reap(Job* job);

    std::unique_ptr<Job> job_;  // the sort whose result is wanted
    std::vector<std::unique_ptr<Job>> cancelled_;  // cancelled sorts still winding down
};

}  // namespace guivarna::calc
