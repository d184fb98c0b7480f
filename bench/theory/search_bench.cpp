// Speed and memory of the chord fingering search and the scale search.
//
// Counters: candidates/s (fingerings examined), results/s (fingerings accepted and stored) and
// bytes/result (memory of the result list divided by the number of results).

#include "theory/notes/music_theory.h"
#include "theory/search/fingering_generator.h"
#include "theory/search/parallel_chord_run.h"
#include "theory/search/search_engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using guivarna::theory::ChordFingering;
using guivarna::theory::ChordSearchRequest;
using guivarna::theory::FingeringGenerator;
using guivarna::theory::MusicTheory;
using guivarna::theory::Note;
using guivarna::theory::ScaleSearchRequest;
using guivarna::theory::SearchEngine;

struct ChordCase {
    std::vector<Note> tuning;
    std::vector<std::string> notes;
};

const std::vector<Note> kSix = {64, 59, 55, 50, 45, 40};
const std::vector<Note> kSeven = {64, 59, 55, 50, 45, 40, 35};
const std::vector<Note> kEight = {64, 59, 55, 50, 45, 40, 35, 30};

const ChordCase kCases[] = {
    {kSix, {"C", "E", "G"}},
    {kSix, {"C", "D", "E", "F", "G", "Bb"}},
    {kSeven, {"C", "D", "E", "F", "G", "A", "Bb"}},
    {kEight, {"C", "D", "E", "F", "G", "A", "Bb", "B"}},
};

std::uint64_t CountCandidates(const ChordCase& c)
{
    std::vector<Note> notes;
    for (const std::string& name : c.notes)
        notes.push_back(guivarna::theory::NoteNumber(name));
    FingeringGenerator generator;
    generator.Start(c.tuning, notes);
    std::uint64_t count = 0;
    while (generator.Next() != nullptr)
        ++count;
    return count;
}

// The engine's chord search set to the case's chord and tuning, every filter at its default.
void SetUpChordSearch(const ChordCase& c, SearchEngine& engine)
{
    MusicTheory theory;
    theory.ClearSelection();
    theory.SetRootName(c.notes.front());
    for (const std::string& note : c.notes)
        theory.AddNote(note);
    ChordSearchRequest request;
    guivarna::theory::TakeChord(request, theory);
    engine.Chords().SetTuning(c.tuning);
    engine.Chords().SetRequest(request);
}

// A complete chord search with every filter at its default, as the result page runs it.
void BM_ChordSearch(benchmark::State& state)
{
    const ChordCase& c = kCases[state.range(0)];
    SearchEngine engine;
    SetUpChordSearch(c, engine);

    const std::uint64_t candidates = CountCandidates(c);
    std::size_t results = 0;
    std::size_t bytes = 0;
    ChordFingering fingering;
    for (auto _ : state) {
        auto run = engine.Chords().StartRun();
        while (run->Next(fingering))
            benchmark::DoNotOptimize(fingering);
        results = run->Results()->Count();
        state.PauseTiming();
        bytes = run->Results()->Bytes();
        // The list is freed here, outside the timed part.
        run.reset();
        engine.Chords().ClearResults();
        state.ResumeTiming();
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["candidates"] = static_cast<double>(candidates);
    state.counters["results"] = static_cast<double>(results);
    state.counters["candidates/s"] = benchmark::Counter(
        static_cast<double>(candidates) * iterations, benchmark::Counter::kIsRate);
    state.counters["results/s"] =
        benchmark::Counter(static_cast<double>(results) * iterations, benchmark::Counter::kIsRate);
    state.counters["bytes/result"] =
        results == 0 ? 0.0 : static_cast<double>(bytes) / static_cast<double>(results);
    state.SetLabel(std::to_string(c.notes.size()) + " notes on " + std::to_string(c.tuning.size()) +
        " strings");
}
BENCHMARK(BM_ChordSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The 8-note chord on 8 strings searched to its end on N threads into one list, in the order of
// a one-thread run. Time is wall-clock time; the calling thread is one of the N.
void BM_ChordSearchThreads(benchmark::State& state)
{
    const ChordCase& c = kCases[3];
    SearchEngine engine;
    SetUpChordSearch(c, engine);
    const int threads = static_cast<int>(state.range(0));
    std::size_t results = 0;
    for (auto _ : state) {
        auto run = engine.Chords().StartRun();
        run->RunToEnd(threads);
        results = run->Results()->Count();
        state.PauseTiming();
        run.reset();
        engine.Chords().ClearResults();
        state.ResumeTiming();
    }
    state.counters["results"] = static_cast<double>(results);
    state.counters["results/s"] =
        benchmark::Counter(static_cast<double>(results) * static_cast<double>(state.iterations()),
            benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChordSearchThreads)
    ->Apply([](benchmark::internal::Benchmark* b) {
        b->Arg(1);
        if (const int cores = guivarna::theory::DefaultSearchThreads(); cores > 1)
            b->Arg(cores);
    })
    ->Unit(benchmark::kMillisecond);

// How long the 8-on-8 search on N threads takes to end after a stop, asked 100 ms into the run:
// the manual time is from Stop() to the return of RunToEnd.
void BM_ChordSearchStop(benchmark::State& state)
{
    const ChordCase& c = kCases[3];
    SearchEngine engine;
    SetUpChordSearch(c, engine);
    const int threads = static_cast<int>(state.range(0));
    double worstMs = 0;
    for (auto _ : state) {
        auto control = std::make_shared<guivarna::theory::RunControl>();
        auto run = engine.Chords().StartRun(control);
        std::atomic<std::int64_t> endedNs{0};
        std::thread worker([&] {
            run->RunToEnd(threads);
            endedNs.store(std::chrono::steady_clock::now().time_since_epoch().count());
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto asked = std::chrono::steady_clock::now();
        control->Stop();
        worker.join();
        const double seconds =
            static_cast<double>(endedNs.load() - asked.time_since_epoch().count()) / 1e9;
        worstMs = std::max(worstMs, seconds * 1e3);
        state.SetIterationTime(seconds);
        run.reset();
        engine.Chords().ClearResults();
    }
    state.counters["worst_stop_ms"] = worstMs;
}
BENCHMARK(BM_ChordSearchStop)
    ->Apply([](benchmark::internal::Benchmark* b) {
        b->Arg(1);
        if (const int cores = guivarna::theory::DefaultSearchThreads(); cores > 1)
            b->Arg(cores);
    })
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// The enumeration alone, without filters or result storage.
void BM_FingeringGenerator(benchmark::State& state)
{
    const ChordCase& c = kCases[state.range(0)];
    std::vector<Note> notes;
    for (const std::string& name : c.notes)
        notes.push_back(guivarna::theory::NoteNumber(name));
    FingeringGenerator generator;
    std::uint64_t candidates = 0;
    for (auto _ : state) {
        generator.Start(c.tuning, notes);
        while (const auto* candidate = generator.Next()) {
            benchmark::DoNotOptimize(candidate);
            ++candidates;
        }
    }
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FingeringGenerator)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The full seven-tone scale search (792 scales with the default run limit of 12); each stored
// scale is one 16-bit pitch-class mask.
void BM_ScaleSearch(benchmark::State& state)
{
    SearchEngine engine;
    ScaleSearchRequest request;
    request.toneCount = 7;
    engine.Scales().SetRequest(request);
    std::vector<Note> scale;
    std::size_t results = 0;
    for (auto _ : state) {
        auto run = engine.Scales().StartRun();
        while (run->Next(scale))
            benchmark::DoNotOptimize(scale);
        results = run->Results()->Count();
    }
    state.counters["bytes/result"] = static_cast<double>(engine.Scales().Results()->Bytes()) /
        static_cast<double>(std::max<std::size_t>(results, 1));
    state.counters["candidates/s"] = benchmark::Counter(
        792.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["results/s"] =
        benchmark::Counter(static_cast<double>(results) * static_cast<double>(state.iterations()),
            benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScaleSearch)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
