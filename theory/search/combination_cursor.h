#pragma once

#include <array>
#include <cstdint>

namespace guivarna::theory {

// Chooses k positions out of [first, end) in lexicographic order: {0,1,2}, {0,1,3}, ...,
// {n-3,n-2,n-1}. The positions are kept strictly increasing; nothing is materialised.
class CombinationCursor {
public:
    static constexpr int kMaxChosen = 24;

    // A cursor that is done from the start.
    CombinationCursor() = default;
    // The first combination of k positions out of [first, end); done at once unless
    // 1 <= k <= end - first and k <= kMaxChosen.
    CombinationCursor(int first, int end, int k);

    bool Done() const { return done_; }
    int Size() const { return k_; }
    int operator[](int i) const { return positions_[static_cast<std::size_t>(i)]; }

    // Moves to the next combination, or becomes done after the last one.
    void Advance();

private:
    std::array<std::uint8_t, kMaxChosen> positions_{};
    int end_ = 0;
    int k_ = 0;
    bool done_ = true;
};

}  // namespace guivarna::theory
