#include "theory/song/song.h"

#include <algorithm>
#include <unordered_set>

namespace guivarna::theory {

std::string_view TrimmedSymbol(std::string_view symbol)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!symbol.empty() && blank(symbol.front()))
        symbol.remove_prefix(1);
    while (!symbol.empty() && blank(symbol.back()))
        symbol.remove_suffix(1);
    return symbol;
}

std::vector<std::string> SongChordSequence(const Song& song)
{
    std::vector<std::string> sequence;
    for (const SongLine& line : song.lines) {
        for (const SongChord& chord : line.chords) {
            if (chord.readable)
                sequence.emplace_back(TrimmedSymbol(chord.symbol));
        }
    }
    return sequence;
}

std::vector<std::string> SongChordsInOrderOfFirstUse(const Song& song)
{
    std::vector<std::string> chords;
    std::unordered_set<std::string> seen;
    for (std::string& symbol : SongChordSequence(song)) {
        if (seen.insert(symbol).second)
            chords.push_back(std::move(symbol));
    }
    return chords;
}

const ChordShape* UserDefine(const Song& song, std::string_view symbol)
{
    symbol = TrimmedSymbol(symbol);
    // A later define of the same name replaces an earlier one, as ChordPro reads them.
    const auto found = std::find_if(song.defines.rbegin(), song.defines.rend(),
        [&](const ChordShape& shape) { return shape.name == symbol; });
    return found == song.defines.rend() ? nullptr : &*found;
}

}  // namespace guivarna::theory
