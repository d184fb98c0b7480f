#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace guivarna::theory {

// Stop, pause and resume for one search run, shared by the thread that controls the run and the
// workers that execute it (one unless SetWorkers says more). A stop is sticky: once asked for, the
// run never goes on, whenever the request arrives (even before the run started or while it is
// paused).
class RunControl {
public:
    void Stop();
    void Pause();
    void Resume();

    bool StopRequested() const { return stopped_.load(std::memory_order_acquire); }
    bool PauseRequested() const { return paused_.load(std::memory_order_acquire); }
    // True while every worker of the paused run waits at a checkpoint and will go on waiting:
    // they find nothing more until a resume or a stop, which end this at once.
    bool Holding() const
    {
        const int waiting = waiting_.load(std::memory_order_acquire);
        return waiting > 0 && waiting >= workers_.load(std::memory_order_acquire) &&
            PauseRequested() && !StopRequested();
    }

    // How many workers execute the run from now on; a worker that has ended for good calls
    // WorkerEnded, so that Holding no longer waits for it.
    void SetWorkers(int count) { workers_.store(count, std::memory_order_release); }
    void WorkerEnded() { workers_.fetch_sub(1, std::memory_order_acq_rel); }

    // Called by the worker at its checkpoints: waits while the run is paused (the caller must
    // hold no lock another thread needs) and returns false once the run is stopped.
    bool Continue()
    {
        if (!paused_.load(std::memory_order_acquire))
            return !stopped_.load(std::memory_order_acquire);
        return WaitWhilePaused();
    }

private:
    bool WaitWhilePaused();

    std::atomic<bool> stopped_{false};
    std::atomic<bool> paused_{false};
    std::atomic<int> waiting_{0};
    std::atomic<int> workers_{1};
    std::mutex mutex_;
    std::condition_variable wake_;
};

}  // namespace guivarna::theory
