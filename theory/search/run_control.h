#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace guivarna::theory {

// Stop, pause and resume for one search run, shared by the thread that controls the run and the
// worker that executes it. A stop is sticky: once asked for, the run never goes on, whenever the
// request arrives (even before the run started or while it is paused).
class RunControl {
public:
    void Stop();
    void Pause();
    void Resume();

    bool StopRequested() const { return stopped_.load(std::memory_order_acquire); }
    bool PauseRequested() const { return paused_.load(std::memory_order_acquire); }
    // True while the worker waits at a checkpoint of the paused run and will go on waiting: it
    // finds nothing more until a resume or a stop, which end this at once.
    bool Holding() const
    {
        return waiting_.load(std::memory_order_acquire) && PauseRequested() && !StopRequested();
    }

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
    std::atomic<bool> waiting_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
};

}  // namespace guivarna::theory
