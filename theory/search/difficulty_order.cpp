#include "theory/search/difficulty_order.h"

#include "theory/hand/finger_assignment.h"
#include "theory/notes/notes.h"
#include "theory/search/chord_search.h"

#include <algorithm>
#include <array>
#include <exception>
#include <mutex>
#include <numeric>
#include <string>
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
        [&](std::size_t index, std::size_t k, const std::uint8_t* numbers, const std::uint8_t*,
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

// Runs prepare(first, last) over rows 0 .. count - 1 in chunks on threads workers. An exception
// in any of them (std::bad_alloc on a huge list) stops them all and is rethrown here, on the
// caller's thread: on a helper thread it would end the program.
template <typename Prepare>
void InChunks(std::size_t count, int threads, const std::atomic<bool>& cancel,
    std::atomic<std::size_t>* done, Prepare prepare)
{
    std::atomic<std::size_t> nextChunk{0};
    std::atomic<bool> broke{false};
    std::mutex errorMutex;
    std::exception_ptr error;
    const auto work = [&] {
        try {
            while (!cancel.load(std::memory_order_relaxed) && !broke.load()) {
                const std::size_t first = nextChunk.fetch_add(kChunkRows);
                if (first >= count)
                    return;
                const std::size_t last = std::min(count, first + kChunkRows);
                prepare(first, last);
                if (done != nullptr)
                    done->fetch_add(last - first, std::memory_order_relaxed);
            }
        } catch (...) {
            const std::lock_guard lock(errorMutex);
            if (!error)
                error = std::current_exception();
            broke = true;
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int i = 1; i < threads; ++i)
            workers.emplace_back(work);
        work();
    }
    if (error)
        std::rethrow_exception(error);
}

// Thrown by a comparison once the sort is cancelled.
struct Cancelled { };

// The sort keys of a row for the columns other than difficulty: entries packed from the top
// bit down, so comparing keys compares the entries in order.
class KeyPacker {
public:
    explicit KeyPacker(int bits) : bits_(bits) { }
    void Add(unsigned value)
    {
        if (shift_ < bits_)
            return;
        shift_ -= bits_;
        key_ |= static_cast<std::uint64_t>(value) << shift_;
    }
    std::uint64_t Key() const { return key_; }

private:
    int bits_;
    int shift_ = 64;
    std::uint64_t key_ = 0;
};

// The rank of each pitch class's name in alphabetical order (1 = "A").
std::array<unsigned, 12> NameRanks()
{
    std::array<unsigned, 12> byPitch{};
    std::array<int, 12> pitches{};
    std::iota(pitches.begin(), pitches.end(), 0);
    std::sort(pitches.begin(), pitches.end(), [](int a, int b) {
        return NoteName(static_cast<Note>(a)) < NoteName(static_cast<Note>(b));
    });
    for (unsigned rank = 0; rank < 12; ++rank)
        byPitch[static_cast<std::size_t>(pitches[rank])] = rank + 1;
    return byPitch;
}

}  // namespace

bool ComputeRowOrder(const ChordResultList& list, int stringCount, std::size_t count,
    ChordColumn column, bool descending, int threads, const std::atomic<bool>& cancel,
    std::vector<std::uint32_t>& out, std::atomic<std::size_t>* done)
{
    out.clear();
    if (column == ChordColumn::kDifficulty) {
        DifficultyOrder order;
        if (!ComputeDifficultyOrder(list, stringCount, count, threads, cancel, order, done))
            return false;
        if (descending)
            out = HardestFirst(order);
        else
            out = std::move(order.easiestFirst);
        return !cancel.load();
    }
    if (stringCount < 0 || stringCount > kMaxStrings)
        return false;
    const std::array<unsigned, 12> ranks = NameRanks();
    std::vector<std::uint64_t> keys(count);
    InChunks(count, threads, cancel, done, [&](std::size_t first, std::size_t last) {
        std::vector<std::int8_t> frets;
        if (column == ChordColumn::kFingers)
            frets.assign((last - first) * static_cast<std::size_t>(stringCount), kNotPlayed);
        list.ForEach(first, last,
            [&](std::size_t index, std::size_t k, const std::uint8_t* strings,
                const std::uint8_t* pitchClasses, const std::uint8_t* fretsOf) {
                if (column == ChordColumn::kFingers) {
                    std::int8_t* row =
                        frets.data() + (index - first) * static_cast<std::size_t>(stringCount);
                    for (std::size_t i = 0; i < k; ++i) {
                        if (strings[i] >= 1 && strings[i] <= stringCount)
                            row[strings[i] - 1] = static_cast<std::int8_t>(fretsOf[i]);
                    }
                    return;
                }
                KeyPacker key(column == ChordColumn::kNotes ? 4 : 5);
                for (std::size_t i = 0; i < k; ++i) {
                    switch (column) {
                    case ChordColumn::kStrings:
                        key.Add(strings[i]);
                        break;
                    case ChordColumn::kNotes:
                        key.Add(ranks[pitchClasses[i] % 12]);
                        break;
                    default:
                        key.Add(fretsOf[i] + 1u);
                        break;
                    }
                }
                keys[index] = key.Key();
            });
        if (column != ChordColumn::kFingers)
            return;
        std::array<int, kMaxStrings> row{};
        for (std::size_t index = first; index < last; ++index) {
            const std::int8_t* source =
                frets.data() + (index - first) * static_cast<std::size_t>(stringCount);
            std::copy(source, source + stringCount, row.begin());
            const Hand shape = AssignFingers(
                std::span<const int>(row.data(), static_cast<std::size_t>(stringCount)));
            KeyPacker key(3);
            for (int s = 0; s < stringCount && shape.playable; ++s) {
                const int finger = shape.fingers[static_cast<std::size_t>(s)];
                key.Add(finger == kNotPlayed ? 6u : static_cast<unsigned>(finger) + 1u);
            }
            keys[index] = shape.playable ? key.Key() : ~std::uint64_t{0};
        }
    });
    if (cancel.load())
        return false;
    out.resize(count);
    std::iota(out.begin(), out.end(), 0u);
    std::size_t untilPoll = 1 << 16;
    try {
        std::stable_sort(out.begin(), out.end(), [&](std::uint32_t a, std::uint32_t b) {
            if (--untilPoll == 0) {
                untilPoll = 1 << 16;
                if (cancel.load(std::memory_order_relaxed))
                    throw Cancelled{};
            }
            return descending ? keys[b] < keys[a] : keys[a] < keys[b];
        });
    } catch (const Cancelled&) {
        out.clear();
        return false;
    }
    return !cancel.load();
}

bool ComputeDifficultyOrder(const ChordResultList& list, int stringCount, std::size_t count,
    int threads, const std::atomic<bool>& cancel, DifficultyOrder& out,
    std::atomic<std::size_t>* done)
{
    out.difficulties.assign(count, static_cast<std::uint8_t>(kUnplayable));
    out.easiestFirst.clear();
    if (stringCount < 0 || stringCount > kMaxStrings)
        return false;
    InChunks(count, threads, cancel, done, [&](std::size_t first, std::size_t last) {
        std::vector<std::int8_t> frets;
        FingerChunk(list, stringCount, first, last, frets, out.difficulties.data());
    });
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
