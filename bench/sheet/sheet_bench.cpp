// The chord sheet at 200 diagrams: the PDF export (target: at most 1 s) and a repaint of the
// part in sight after a change of width, as a resize gives it (target: at most 16 ms a frame).
#include "settings/settings_store.h"
#include "sheet/sheet_export.h"
#include "sheet/window/chord_sheet_view.h"
#include "sheet/window/chord_sheet_window.h"
#include "theory/hand/chord_shape.h"
#include "theory/notes/instrument_limits.h"

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace guivarna;

std::vector<theory::ChordShape> TwoHundredShapes()
{
    const std::vector<theory::Note> notes = theory::StandardTuning();
    const std::vector<int> tuning(notes.begin(), notes.end());
    const std::vector<std::vector<int>> patterns = {{0, 1, 0, 2, 3, -1}, {1, 1, 2, 3, 3, 1},
        {2, 4, 4, 4, 2, -1}, {8, 8, 9, 10, 10, 8}, {3, 0, 0, 0, 2, 3}};
    std::vector<theory::ChordShape> shapes;
    for (int i = 0; i < 200; ++i) {
        const std::vector<int>& frets = patterns[static_cast<std::size_t>(i) % patterns.size()];
        shapes.push_back(
            theory::ShapeFromFrets(frets, tuning, theory::FirstTraditionalName(frets, notes)));
    }
    return shapes;
}

void BM_SheetPdf200(benchmark::State& state)
{
    const sheet::SheetLayout layout(QStringLiteral("Two hundred"), TwoHundredShapes(), {});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        if (!sheet::ExportSheetPdf(path, {layout, 0, {}}).isEmpty())
            state.SkipWithError("the PDF could not be written");
    }
    state.counters["pages"] = sheet::SheetPageCount({layout, 0, {}});
}
BENCHMARK(BM_SheetPdf200)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One frame of a resize: the new width, then the paint of what is in sight.
void BM_SheetResizeFrame200(benchmark::State& state)
{
    QTemporaryDir dir;
    settings::SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    sheet::ChordSheetWindow window(store);
    window.Add(TwoHundredShapes());
    window.resize(1000, 800);
    window.show();
    sheet::ChordSheetView& view = window.View();
    QImage frame(1400, 800, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        window.resize(900 + (step++ % 5) * 100, 800);
        QCoreApplication::sendPostedEvents();
        view.viewport()->render(&frame);
    }
    state.counters["columns"] = view.Columns();
}
BENCHMARK(BM_SheetResizeFrame200)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Laying the whole sheet out again, as every change to it does.
void BM_SheetLayout200(benchmark::State& state)
{
    const std::vector<theory::ChordShape> shapes = TwoHundredShapes();
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet::SheetLayout(QStringLiteral("T"), shapes, {}));
}
BENCHMARK(BM_SheetLayout200)->Unit(benchmark::kMillisecond);

}  // namespace
