#include "theory/search/run_control.h"

namespace guivarna::theory {

void RunControl::Stop()
{
    {
        std::lock_guard lock(mutex_);
        stopped_.store(true, std::memory_order_release);
    }
    wake_.notify_all();
}

void RunControl::Pause()
{
    std::lock_guard lock(mutex_);
    paused_.store(true, std::memory_order_release);
}

void RunControl::Resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_.store(false, std::memory_order_release);
    }
    wake_.notify_all();
}

bool RunControl::WaitWhilePaused()
{
    std::unique_lock lock(mutex_);
    waiting_.fetch_add(1, std::memory_order_acq_rel);
    wake_.wait(lock, [this] {
        return !paused_.load(std::memory_order_relaxed) || stopped_.load(std::memory_order_relaxed);
    });
    waiting_.fetch_sub(1, std::memory_order_acq_rel);
    return !stopped_.load(std::memory_order_relaxed);
}

}  // namespace guivarna::theory
