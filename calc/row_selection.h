#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace guivarna::calc {

// The selected rows of a list as sorted, disjoint ranges of rows: selecting a million rows with
// one Shift+click or Ctrl+A costs one range, and no state is kept per row.
class RowSelection {
public:
    // An inclusive range of rows, 0 <= first <= last.
    using Range = std::pair<int, int>;

    bool Empty() const { return ranges_.empty(); }
    // How many rows are selected.
    int Count() const;
    bool Contains(int row) const;
    // The lowest selected row, -1 for none.
    int First() const { return ranges_.empty() ? -1 : ranges_.front().first; }
    // The selected rows in ascending order, at most limit of them.
    std::vector<int> Rows(std::size_t limit) const;
    const std::vector<Range>& Ranges() const { return ranges_; }

    void Clear() { ranges_.clear(); }
    // Selects the rows from a to b (either way round) and nothing else.
    void SelectOnly(int a, int b);
    // Adds the rows from a to b (either way round) to the selection.
    void Add(int a, int b);
    // Selects row when it was not selected, and deselects it when it was.
    void Toggle(int row);

private:
    void Remove(int row);

    std::vector<Range> ranges_;  // ascending, neither overlapping nor touching
};

}  // namespace guivarna::calc
