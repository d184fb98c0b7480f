#include "theory/difficulty_order.h"

#include "theory/chord_search.h"
#include "theory/finger_assignment.h"

#include <algorithm>
#include <array>
#include <thread>

namespace guivarna::theory {

namespace {

// Rows decoded under the list's lock at a time; the fingering itself runs unlocked.
constexpr std::size_t kChunkRows = 4096;

void FingerChunk(const ChordResultList& list, int stringCount, std::size_t first, std::size_t last,
    std::vector<std::int8_t>& frets, std::uint8_t* out)
{
    const auto strings = static_cast<std::size_t>(stringCount);
    frets.assign((last - first) * strings, static_cast<std::int8_t>(kNotPlayed));
    list.ForEach(first, last,
        [&](std::size_t index, std::size_t k, const std::uint8_t* numbers,
            const std::uint8_t* fretsOf) {
            std::int8_t* row = frets.data() + (index - first) * strings;
            for (std::size_t i = 0; i < k; ++i) {
                if (numbers[i] >= 1 && numbers[i] <= strings)
                    row[numbers[i] - 1] = static_cast<std::int8_t>(fretsOf[i]);
            }
        });
    std::array<int, kMaxStrings> row{};
    for (std::size_t index = first; index < last; ++index) {
        const std::int8_t* source = frets.data() + (index - first) * strings;
        std::copy(source, source + strings, row.begin());
        out[index] = static_cast<std::uint8_t>(
            AssignFingers(std::span<const int>(row.data(), strings)).difficulty);
    }
}

}  // namespace

bool ComputeDifficultyOrder(const ChordResultList& list, int stringCount, std::size_t count,
    int threads, const std::atomic<bool>& cancel, DifficultyOrder& out,
    std::atomic<std::size_t>* done)
{
    out.difficulties.assign(count, static_cast<std::uint8_t>(kUnplayable));
    out.easiestFirst.clear();
    if (stringCount < 0 || stringCount > kMaxStrings)
        return !cancel.load();
    std::atomic<std::size_t> nextChunk{0};
    const auto work = [&] {
        std::vector<std::int8_t> frets;
        while (!cancel.load(std::memory_order_relaxed)) {
            const std::size_t first = nextChunk.fetch_add(kChunkRows);
            if (first >= count)
                return;
            const std::size_t last = std::min(count, first + kChunkRows);
            FingerChunk(list, stringCount, first, last, frets, out.difficulties.data());
            if (done != nullptr)
                done->fetch_add(last - first, std::memory_order_relaxed);
        }
    };
    std::vector<std::jthread> workers;
    for (int i = 1; i < threads; ++i)
        workers.emplace_back(work);
    work();
    workers.clear();
    if (cancel.load())
        return false;

    // A counting sort over the byte values keeps equal difficulties in search order.
    std::array<std::size_t, 257> start{};
    for (const std::uint8_t d : out.difficulties)
        ++start[d + 1u];
    for (std::size_t v = 1; v < start.size(); ++v)
        start[v] += start[v - 1];
    out.easiestFirst.resize(count);
    for (std::size_t row = 0; row < count; ++row)
        out.easiestFirst[start[out.difficulties[row]]++] = static_cast<std::uint32_t>(row);
    return !cancel.load();
}

std::vector<std::uint32_t> HardestFirst(const DifficultyOrder& order)
{
    std::vector<std::uint32_t> rows(order.easiestFirst.size());
    // Walk the groups of equal difficulty from the hardest, each group in search order.
    std::size_t end = order.easiestFirst.size();
    std::size_t at = 0;
    while (end > 0) {
        const std::uint8_t d = order.difficulties[order.easiestFirst[end - 1]];
        std::size_t begin = end;
        while (begin > 0 && order.difficulties[order.easiestFirst[begin - 1]] == d)
            --begin;
        std::copy(order.easiestFirst.begin() + static_cast<std::ptrdiff_t>(begin),
            order.easiestFirst.begin() + static_cast<std::ptrdiff_t>(end),
            rows.begin() + static_cast<std::ptrdiff_t>(at));
        at += end - begin;
        end = begin;
    }
    return rows;
}

}  // namespace guivarna::theory
