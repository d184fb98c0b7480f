// Finger assignment alone, on one core: the fingerings of whole chord searches, fingered one
// after the other. Counter: fingerings/s.

#include "theory/hand/finger_assignment.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace guivarna::theory;

struct Shapes {
    int strings = 0;
    std::vector<std::array<int, kMaxStrings>> frets;
};

// The fret patterns of every result of a search (at most limit of them).
Shapes SearchShapes(
    const std::vector<Note>& tuning, const std::vector<std::string>& notes, std::size_t limit)
{
    MusicTheory theory;
    theory.LoadChord(notes.front(), notes);
    ChordSearch search;
    search.SetTuning(tuning);
    ChordSearchRequest request;
    TakeChord(request, theory);
    search.SetRequest(request);
    auto run = search.StartRun();
    Shapes shapes;
    shapes.strings = static_cast<int>(tuning.size());
    ChordFingering f;
    while (shapes.frets.size() < limit && run->Next(f)) {
        std::array<int, kMaxStrings> frets{};
        frets.fill(kNotPlayed);
        for (std::size_t i = 0; i < f.StringSet.size(); ++i)
            frets[f.StringSet[i] - 1] = static_cast<int>(f.FretBoardPosition[i]);
        shapes.frets.push_back(frets);
    }
    return shapes;
}

void Fingering(benchmark::State& state, const Shapes& shapes)
{
    std::size_t done = 0;
    for (auto _ : state) {
        for (const auto& frets : shapes.frets) {
            benchmark::DoNotOptimize(AssignFingers(
                std::span<const int>(frets.data(), static_cast<std::size_t>(shapes.strings))));
        }
        done += shapes.frets.size();
    }
    state.counters["fingerings/s"] =
        benchmark::Counter(static_cast<double>(done), benchmark::Counter::kIsRate);
}

void BM_FingerThreeNotesOnSix(benchmark::State& state)
{
    static const Shapes shapes = SearchShapes({64, 59, 55, 50, 45, 40}, {"C", "E", "G"}, 200000);
    Fingering(state, shapes);
}

void BM_FingerSixNotesOnSix(benchmark::State& state)
{
    static const Shapes shapes =
        SearchShapes({64, 59, 55, 50, 45, 40}, {"C", "D", "E", "F", "G", "Bb"}, 200000);
    Fingering(state, shapes);
}

void BM_FingerEightNotesOnEight(benchmark::State& state)
{
    static const Shapes shapes = SearchShapes(
        {64, 59, 55, 50, 45, 40, 35, 30}, {"C", "D", "E", "F", "G", "A", "Bb", "B"}, 200000);
    Fingering(state, shapes);
}

}  // namespace

BENCHMARK(BM_FingerThreeNotesOnSix);
BENCHMARK(BM_FingerSixNotesOnSix);
BENCHMARK(BM_FingerEightNotesOnEight);
