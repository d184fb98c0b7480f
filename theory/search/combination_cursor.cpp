#include "theory/search/combination_cursor.h"

namespace guivarna::theory {

CombinationCursor::CombinationCursor(int first, int end, int k)
    : end_(end), k_(k), done_(k < 1 || k > kMaxChosen || k > end - first)
{
    if (done_) {
        k_ = 0;
        return;
    }
    for (int i = 0; i < k; ++i)
        positions_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(first + i);
}

void CombinationCursor::Advance()
{
    if (done_)
        return;
    // The last position that can still move right while leaving room for the ones after it.
    int i = k_ - 1;
    while (i >= 0 && positions_[static_cast<std::size_t>(i)] >= end_ - (k_ - i))
        --i;
    if (i < 0) {
        done_ = true;
        return;
    }
    ++positions_[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < k_; ++j)
        positions_[static_cast<std::size_t>(j)] =
            static_cast<std::uint8_t>(positions_[static_cast<std::size_t>(j - 1)] + 1);
}

}  // namespace guivarna::theory
