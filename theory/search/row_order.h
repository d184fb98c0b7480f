#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace guivarna::theory {

// The order a result list is shown in: row i shows stored result order[i], and the rows beyond
// the order, or every row when there is none, follow in search order. The list view, the list
// files and the command line all map shown rows to stored results through it. Copies share the
// order, which never changes once made.
class RowOrder {
public:
    RowOrder() = default;  // the search order
    explicit RowOrder(std::shared_ptr<const std::vector<std::uint32_t>> order)
        : order_(std::move(order))
    {
    }

    std::size_t StoredIndex(std::size_t row) const
    {
        return order_ && row < order_->size() ? (*order_)[row] : row;
    }
    bool IsSearchOrder() const { return order_ == nullptr; }

    bool operator==(const RowOrder&) const = default;

private:
    std::shared_ptr<const std::vector<std::uint32_t>> order_;
};

}  // namespace guivarna::theory
