#include "synth/note_sequence.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace guivarna::synth;

// A play command renders the whole track on the interface thread before it starts the output:
// these are the waits a user has between the key and the sound.

void RenderOpenStrum(benchmark::State& state)
{
    const std::vector<NoteEvent> strum = Strum({40, 45, 50, 55, 59, 64});
    for (auto _ : state)
        benchmark::DoNotOptimize(Render(strum, 48000, 2.5));
    state.counters["seconds of sound"] = 0.2 + 2.5;
}
BENCHMARK(RenderOpenStrum)->Unit(benchmark::kMillisecond);

void RenderTwoOctaveRun(benchmark::State& state)
{
    std::vector<int> notes;
    for (int note = 40; note <= 64; ++note)
        notes.push_back(note);
    const std::vector<NoteEvent> run = AscendingRun(notes);
    for (auto _ : state)
        benchmark::DoNotOptimize(Render(run, 48000, 1.2));
    state.counters["seconds of sound"] = 24 * kRunSpacing + 1.2;
}
BENCHMARK(RenderTwoOctaveRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
