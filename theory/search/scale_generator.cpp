#include "theory/search/scale_generator.h"

namespace guivarna::theory {

bool ScaleGenerator::Next(int toneCount, std::uint16_t& subset)
{
    if (!started_) {
        cursor_ = CombinationCursor(0, 12, toneCount);
        started_ = true;
    }
    if (cursor_.Done()) {
        started_ = false;
        return false;
    }
    subset = 0;
    for (int i = 0; i < cursor_.Size(); ++i)
        subset = static_cast<std::uint16_t>(subset | (1u << cursor_[i]));
    cursor_.Advance();
    return true;
}

}  // namespace guivarna::theory
