#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <utility>

namespace guivarna::theory {

// What a search keeps between runs: the request, the result list of the latest run and the
// result selected in it. All members may be used from any thread.
template <typename RequestType, typename ListType> class SearchState {
public:
    void SetRequest(const RequestType& request)
    {
        std::lock_guard lock(mutex_);
        request_ = request;
    }
    RequestType Request() const
    {
        std::lock_guard lock(mutex_);
        return request_;
    }

    // Swaps in a new, empty result list and sets the current result to -1. Holders of the old
    // list keep it; a run still going on goes on appending to the old list only.
    void ClearResults() { BeginRun(); }
    std::shared_ptr<const ListType> Results() const
    {
        std::lock_guard lock(mutex_);
        return results_;
    }

    // The result selected in the list; -1 = none.
    void SetCurrent(int index) { current_.store(index); }
    int Current() const { return current_.load(); }

protected:
    // The request as it is now and a new result list, which replaces the old one.
    std::pair<RequestType, std::shared_ptr<ListType>> BeginRun()
    {
        auto fresh = std::make_shared<ListType>();
        std::lock_guard lock(mutex_);
        results_ = fresh;
        current_.store(-1);
        return {request_, std::move(fresh)};
    }

private:
    mutable std::mutex mutex_;
    RequestType request_;
    std::shared_ptr<ListType> results_ = std::make_shared<ListType>();
    std::atomic<int> current_{-1};
};

}  // namespace guivarna::theory
