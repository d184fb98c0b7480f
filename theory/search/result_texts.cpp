#include "theory/search/result_texts.h"

#include <algorithm>

namespace guivarna::theory {

std::string JoinNumbers(const std::vector<std::uint32_t>& values)
{
    std::string text;
    for (const std::uint32_t value : values) {
        if (!text.empty())
            text += " - ";
        text += std::to_string(value);
    }
    return text;
}

std::string ChordStringsText(const ChordFingering& fingering)
{
    return JoinNumbers(fingering.StringSet);
}

std::string ChordNotesText(const ChordFingering& fingering)
{
    return JoinNoteNames(fingering.StringNotes);
}

std::string ChordFretsText(const ChordFingering& fingering)
{
    return JoinNumbers(fingering.FretBoardPosition);
}

std::string ChordListLine(const ChordFingering& fingering)
{
    return ChordStringsText(fingering) + "\t\t" + ChordFretsText(fingering) + "\t\t" +
        ChordNotesText(fingering);
}

std::string ScaleText(const std::vector<Note>& scale)
{
    return JoinNoteNames(scale);
}

std::string FingeringName(const ChordFingering& fingering)
{
    const std::size_t count = std::min({fingering.StringNotes.size(), fingering.StringSet.size(),
        fingering.FretBoardPosition.size()});
    std::string name;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            name += '_';
        name += NoteName(fingering.StringNotes[i]) + std::to_string(fingering.StringSet[i]) + '(' +
            std::to_string(fingering.FretBoardPosition[i]) + ')';
    }
    return name;
}

}  // namespace guivarna::theory
