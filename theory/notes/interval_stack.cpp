#include "theory/notes/interval_stack.h"

#include "theory/notes/notes.h"

#include <algorithm>
#include <limits>
#include <set>
#include <stdexcept>

namespace guivarna::theory {

NoteTable UniformNoteTable(const std::vector<int>& tuning, int positions)
{
    NoteTable table;
    table.reserve(tuning.size());
    for (const int open : tuning) {
        std::vector<int>& notes = table.emplace_back();
        for (int fret = 0; fret < positions; ++fret)
            notes.push_back(open + fret);
    }
    return table;
}

int LowestNote(const NoteTable& table)
{
    int lowest = std::numeric_limits<int>::max();
    for (const auto& notes : table)
        for (const int note : notes)
            lowest = std::min(lowest, note);
    return lowest == std::numeric_limits<int>::max() ? 0 : lowest;
}

int HighestNote(const NoteTable& table)
{
    int highest = std::numeric_limits<int>::min();
    for (const auto& notes : table)
        for (const int note : notes)
            highest = std::max(highest, note);
    return highest == std::numeric_limits<int>::min() ? -1 : highest;
}

std::vector<int> StackNotes(int root, const std::vector<int>& semitones, int lowest, int highest)
{
    if (semitones.empty())
        throw std::invalid_argument("no intervals to stack");
    for (const int step : semitones) {
        if (step < 1 || step > 11)
            throw std::invalid_argument("an interval of " + std::to_string(step) +
                " semitones cannot be stacked (1 to 11 can)");
    }

    std::set<int> stacked;
    const std::size_t n = semitones.size();
    // Wide signed arithmetic: a stack running below note 0 simply ends instead of wrapping
    // around, and one near the ends of int cannot overflow.
    std::size_t k = 0;
    for (long long note = root; note <= highest; note += semitones[k], k = (k + 1) % n) {
        if (note >= lowest)
            stacked.insert(static_cast<int>(note));
    }
    k = n - 1;
    for (long long note = static_cast<long long>(root) - semitones[k]; note >= lowest;) {
        if (note <= highest)
            stacked.insert(static_cast<int>(note));
        k = k == 0 ? n - 1 : k - 1;
        note -= semitones[k];
    }
    return {stacked.begin(), stacked.end()};
}

std::vector<int> StackNotes(
    const NoteTable& table, int rootString, int rootFret, const std::vector<int>& semitones)
{
    if (rootString < 0 || rootFret < 0)
        throw std::out_of_range("root position outside the board");
    const int root =
        table.at(static_cast<std::size_t>(rootString)).at(static_cast<std::size_t>(rootFret));
    return StackNotes(root, semitones, LowestNote(table), HighestNote(table));
}

std::vector<BoardPosition> ExactNotePositions(
    const NoteTable& table, const std::vector<int>& strings, const std::vector<int>& notes)
{
    std::set<int> rows;
    for (const int string : strings) {
        if (string < 0 || static_cast<std::size_t>(string) >= table.size())
            throw std::out_of_range("string " + std::to_string(string) + " is not on the board");
        rows.insert(string);
    }
    const std::set<int> wanted(notes.begin(), notes.end());
    std::vector<BoardPosition> positions;
    for (const int row : rows) {
        const auto& rowNotes = table[static_cast<std::size_t>(row)];
        for (std::size_t fret = 0; fret < rowNotes.size(); ++fret) {
            if (wanted.count(rowNotes[fret]) != 0)
                positions.push_back({row, static_cast<int>(fret)});
        }
    }
    return positions;
}

std::vector<int> IntervalSteps(const std::vector<std::string>& names)
{
    std::vector<int> steps;
    steps.reserve(names.size());
    for (const std::string& name : names) {
        const std::uint32_t semitones = IntervalSemitones(name);
        if (semitones == kUnknown || semitones == 0)
            throw std::invalid_argument("'" + name + "' is not an interval name");
        steps.push_back(static_cast<int>(semitones));
    }
    return steps;
}

}  // namespace guivarna::theory
