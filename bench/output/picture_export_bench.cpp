// Saving every chord result as a picture: the 59 616 fingerings of C D E F G Bb on the default
// ChordBoard at the screen's 96 dpi, written as JPEG files into a temporary folder. Reports
// pictures written per second; the target is at least 500 on a two-core machine.
#include "board/board_collection.h"
#include "board/drawing/device_mapping.h"
#include "output/chord_picture_export.h"
#include "settings/settings_store.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/music_theory.h"
#include "theory/search/chord_search.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace guivarna;

std::vector<theory::ChordFingering> SixNoteChord()
{
    theory::MusicTheory theory;
    theory.SetRootName("C");
    for (const char* note : {"C", "D", "E", "F", "G", "Bb"})
        theory.AddNote(note);
    theory::ChordSearchRequest request;
    theory::TakeChord(request, theory);
    theory::ChordSearch search;
    search.SetTuning(theory::StandardTuning());
    search.SetRequest(request);
    const auto run = search.StartRun();
    std::vector<theory::ChordFingering> results;
    for (theory::ChordFingering fingering; run->Next(fingering);)
        results.push_back(fingering);
    return results;
}

// range(0): how many of the results to save (0 = all).
void BM_SaveAllChordPictures(benchmark::State& state)
{
    std::vector<theory::ChordFingering> all = SixNoteChord();
    if (state.range(0) > 0)
        all.resize(std::min(all.size(), std::size_t(state.range(0))));
    const output::ChordResultVector results(std::move(all));

    QTemporaryDir settingsDir;
    settings::SettingsStore store(settingsDir.filePath(QStringLiteral("Guivarna.conf")));
    board::BoardCollection boards;
    boards.Load(store);
    const board::DeviceMapping mapping(96.0);

    std::size_t written = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        output::ChordPictureExport exporter(boards.Board(board::BoardCollection::kChordBoard),
            mapping, results, QDir(folder.path()));
        exporter.WritePage({"C - D - E - F - G - Bb", {}});
        while (exporter.Step()) { }
        const auto summary = exporter.Finish();
        written += summary.written;
        if (summary.failed != 0)
            state.SkipWithError(summary.firstError.toStdString().c_str());
        state.PauseTiming();
        folder.remove();
        state.ResumeTiming();
    }
    state.counters["pictures"] = double(results.Count());
    state.counters["pictures_per_second"] =
        benchmark::Counter(double(written), benchmark::Counter::kIsRate);
    boards.DeleteAll();  // nothing to save from a benchmark
}

BENCHMARK(BM_SaveAllChordPictures)
    ->Arg(2000)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
