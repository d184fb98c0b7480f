#pragma once

#include <new>
#include <utility>

namespace guivarna::calc {

// How a job on a worker thread ended when it threw. Nothing may leave a worker thread, where an
// exception would end the program: the thread runs its job through RunCatching and hands the
// outcome to the interface thread, which tells the user.
enum class WorkerFailure { None, OutOfMemory, Error };

template <typename Job> WorkerFailure RunCatching(Job&& job) noexcept
{
    try {
        std::forward<Job>(job)();
        return WorkerFailure::None;
    } catch (const std::bad_alloc&) {
        return WorkerFailure::OutOfMemory;
    } catch (...) {
        return WorkerFailure::Error;
    }
}

}  // namespace guivarna::calc
