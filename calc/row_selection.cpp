#include "calc/row_selection.h"

#include <algorithm>

namespace guivarna::calc {

namespace {

// The first range that ends at or after row.
template <typename Ranges> auto FirstEndingAtOrAfter(Ranges& ranges, int row)
{
    return std::lower_bound(ranges.begin(), ranges.end(), row,
        [](const RowSelection::Range& range, int value) { return range.second < value; });
}

}  // namespace

int RowSelection::Count() const
{
    int count = 0;
    for (const auto& [first, last] : ranges_)
        count += last - first + 1;
    return count;
}

bool RowSelection::Contains(int row) const
{
    const auto at = FirstEndingAtOrAfter(ranges_, row);
    return at != ranges_.end() && at->first <= row;
}

std::vector<int> RowSelection::Rows(std::size_t limit) const
{
    std::vector<int> rows;
    rows.reserve(std::min(limit, static_cast<std::size_t>(Count())));
    for (const auto& [first, last] : ranges_) {
        for (int row = first; row <= last; ++row) {
            if (rows.size() >= limit)
                return rows;
            rows.push_back(row);
        }
    }
    return rows;
}

void RowSelection::SelectOnly(int a, int b)
{
    ranges_.assign(1, {std::min(a, b), std::max(a, b)});
}

void RowSelection::Add(int a, int b)
{
    int first = std::min(a, b);
    int last = std::max(a, b);
    // Rows added in ascending order, as a pass over the list adds them, append or extend the
    // last range.
    if (ranges_.empty() || first > ranges_.back().second + 1) {
        ranges_.emplace_back(first, last);
        return;
    }
    if (first >= ranges_.back().first) {
        ranges_.back().second = std::max(ranges_.back().second, last);
        return;
    }
    // Every range that overlaps or touches the new one merges into it (rows are never
    // negative, so first - 1 cannot overflow).
    auto begin = std::lower_bound(ranges_.begin(), ranges_.end(), first,
        [](const Range& range, int value) { return range.second < value - 1; });
    auto end = begin;
    while (end != ranges_.end() && end->first - 1 <= last) {
        first = std::min(first, end->first);
        last = std::max(last, end->second);
        ++end;
    }
    begin = ranges_.erase(begin, end);
    ranges_.insert(begin, {first, last});
}

void RowSelection::Remove(int row)
{
    const auto at = FirstEndingAtOrAfter(ranges_, row);
    if (at == ranges_.end() || at->first > row)
        return;
    const Range range = *at;
    if (range.first == range.second) {
        ranges_.erase(at);
    } else if (row == range.first) {
        at->first = row + 1;
    } else if (row == range.second) {
        at->second = row - 1;
    } else {
        at->second = row - 1;
        ranges_.insert(at + 1, {row + 1, range.second});
    }
}

void RowSelection::Toggle(int row)
{
    if (Contains(row))
        Remove(row);
    else
        Add(row, row);
}

}  // namespace guivarna::calc
