#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace guivarna::theory {

class ChordResultList;

// The difficulty of every result of a chord list, one byte a row (kUnplayable for the shapes
// four fingers cannot hold), and the rows in order of difficulty, search order breaking ties.
struct DifficultyOrder {
    std::vector<std::uint8_t> difficulties;  // by row of the list
    std::vector<std::uint32_t> easiestFirst;  // row numbers
};

// Fingers rows 0 .. count - 1 of list (on an instrument of stringCount strings) on threads
// workers, then orders them with a counting sort. done, when given, counts the rows fingered so
// far. Returns false, leaving out in an unspecified state, as soon as cancel is set or when
// stringCount is not 0 .. kMaxStrings.
bool ComputeDifficultyOrder(const ChordResultList& list, int stringCount, std::size_t count,
    int threads, const std::atomic<bool>& cancel, DifficultyOrder& out,
    std::atomic<std::size_t>* done = nullptr);

// The rows of order with the difficulties reversed: hardest first, search order breaking ties.
std::vector<std::uint32_t> HardestFirst(const DifficultyOrder& order);

// The columns a chord list can be sorted by, as the result list shows them.
enum class ChordColumn { kStrings, kNotes, kFrets, kFingers, kDifficulty };

// Rows 0 .. count - 1 of list sorted by column (descending: reversed), equal rows in search
// order. Strings and frets sort as numbers, notes by name, fingers by their text (0, 1..4, x,
// string 1 first; unplayable shapes last) and difficulty easiest first. Lists and finger texts
// compare on their first 12 (fingers: 21) entries. Uses threads workers; done counts the rows
// prepared so far (count of them, then the sort). Returns false as soon as cancel is set.
bool ComputeRowOrder(const ChordResultList& list, int stringCount, std::size_t count,
    ChordColumn column, bool descending, int threads, const std::atomic<bool>& cancel,
    std::vector<std::uint32_t>& out, std::atomic<std::size_t>* done = nullptr);

}  // namespace guivarna::theory
