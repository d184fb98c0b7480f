#include "calc/chord_row_sorter.h"

#include "theory/search/chord_search.h"

#include <QMetaObject>

#include <algorithm>

namespace guivarna::calc {

ChordRowSorter::ChordRowSorter(QObject* parent) : QObject(parent) { }

ChordRowSorter::~ChordRowSorter()
{
    Cancel();
    // The jthreads join as the jobs go; their queued results die with this object.
    cancelled_.clear();
}

void ChordRowSorter::Start(std::shared_ptr<const theory::ChordResultList> list, int stringCount,
    std::size_t count, theory::ChordColumn column, bool descending)
{
    Cancel();
    job_ = std::make_unique<Job>();
    Job* job = job_.get();
    // Fingering the rows counts once, the sort of the keys (other columns) about once more.
    job->total = column == theory::ChordColumn::kDifficulty ? count : 2 * count;
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    job->thread = std::jthread([this, job, list, stringCount, count, column, descending, threads] {
        auto order = std::make_shared<std::vector<std::uint32_t>>();
        bool complete = false;
        // Not enough memory for the order leaves the list as it is shown.
        const WorkerFailure failure = RunCatching([&] {
            complete = theory::ComputeRowOrder(*list, stringCount, count, column, descending,
                threads, job->cancel, *order, &job->done);
        });
        if (!complete)
            order.reset();
        QMetaObject::invokeMethod(
            this, [this, job, list, order, failure] { Finished(job, list, order, failure); },
            Qt::QueuedConnection);
    });
}

void ChordRowSorter::Cancel()
{
    if (!job_)
        return;
    job_->cancel = true;
    cancelled_.push_back(std::move(job_));
}

double ChordRowSorter::Progress() const
{
    if (!job_ || job_->total == 0)
        return 0.0;
    return std::min(1.0, static_cast<double>(job_->done.load()) / static_cast<double>(job_->total));
}

void ChordRowSorter::Finished(Job* job, std::shared_ptr<const theory::ChordResultList> list,
    std::shared_ptr<const std::vector<std::uint32_t>> order, WorkerFailure failure)
{
    if (job_.get() != job) {
        Reap(job);
        return;
    }
    job_.reset();  // joins the worker, which has just posted this and ends
    if (order)
        emit Sorted(std::move(list), std::move(order));
    else if (failure != WorkerFailure::None)
        emit SortBroken(failure == WorkerFailure::OutOfMemory);
}

void ChordRowSorter::Reap(Job* job)
{
    const auto at = std::find_if(cancelled_.begin(), cancelled_.end(),
        [job](const std::unique_ptr<Job>& j) { return j.get() == job; });
    if (at != cancelled_.end())
        cancelled_.erase(at);
}

}  // namespace guivarna::calc
