// Painting the full default scene: the paper, both boards with 20 marked positions each and the
// three panels with a chord, a fingering and a scale selected, into a 1920 x 1080 image at the
// screen's 96 dpi. The view repaints this after every click, so a frame must stay well under
// the time between two clicks.
#include "app/program_objects.h"
#include "page/page_scene.h"
#include "settings/settings_store.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using guivarna::ProgramObjects;
using guivarna::board::DeviceMapping;
using guivarna::page::PageScene;

constexpr int kDotsPerMetreAt96Dpi = 3780;

void MarkTwenty(guivarna::board::FretBoard& board, int firstFret)
{
    int marked = 0;
    for (int s = 0; s < board.StringCount() && marked < 20; ++s)
        for (int f = firstFret; f < board.FretCount() && marked < 20; f += 2, ++marked)
            board.Row(s).SetDot(f, true);
}

void SelectChordFingeringAndScale(ProgramObjects& objects)
{
    objects.theory.SetRootName("C");
    for (const char* note : {"C", "E", "G", "Bb"})
        objects.theory.AddNote(note);
    guivarna::theory::ChordSearch& chords = objects.engine.Chords();
    chords.SetTuning({64, 59, 55, 50, 45, 40});
    guivarna::theory::ChordSearchRequest request;
    guivarna::theory::TakeChord(request, objects.theory);
    chords.SetRequest(request);
    guivarna::theory::ChordFingering fingering;
    if (chords.StartRun()->Next(fingering))
        chords.SetCurrent(0);
    guivarna::theory::ScaleSearch& scales = objects.engine.Scales();
    scales.SetRequest({.toneCount = 7});
    std::vector<guivarna::theory::Note> scale;
    if (scales.StartRun()->Next(scale))
        scales.SetCurrent(0);
}

void BM_PaintFullScene(benchmark::State& state)
{
    QTemporaryDir dir;
    guivarna::settings::SettingsStore store(dir.filePath(QStringLiteral("Guivarna.conf")));
    ProgramObjects objects(store);
    objects.boards.Load(store);
    MarkTwenty(objects.boards.Board(0), 1);
    MarkTwenty(objects.boards.Board(1), 2);
    SelectChordFingeringAndScale(objects);

    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
    image.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
    const DeviceMapping mapping = DeviceMapping::ForDevice(image);
    PageScene scene(objects.boards, objects.theory, objects.engine);
    scene.Place(int(mapping.DeviceToScene(QSizeF(image.width(), 0)).width()));

    for (auto _ : state) {
        QPainter painter(&image);
        scene.Paint(painter, mapping, QRectF(image.rect()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    objects.boards.DeleteAll();  // nothing to save from a benchmark
}

BENCHMARK(BM_PaintFullScene)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
