#include "output/export_names.h"

#include "theory/notes.h"

#include <algorithm>

namespace guivarna::output {

std::string FingeringName(const theory::ChordFingering& fingering)
{
    const std::size_t count = std::min({fingering.NotePermutation.size(),
        fingering.StringSet.size(), fingering.FretBoardPosition.size()});
    std::string name;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            name += '_';
        name += theory::NoteName(fingering.NotePermutation[i]) +
            std::to_string(fingering.StringSet[i]) + '(' +
            std::to_string(fingering.FretBoardPosition[i]) + ')';
    }
    return name;
}

}  // namespace guivarna::output
