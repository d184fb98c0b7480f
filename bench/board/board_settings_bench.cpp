// Loading the boards from settings files, sane and hostile. A stored string or fret count of
// two billion must not make the load any slower than the default file.
#include "board/board_collection.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using guivarna::board::BoardCollection;
using guivarna::settings::SettingsStore;

// Writes ini as the settings file in dir; its path, or "" (and the benchmark skipped) when it
// cannot be written.
QString WriteSettingsFile(benchmark::State& state, const QTemporaryDir& dir, const QByteArray& ini)
{
    const QString path = dir.filePath(QStringLiteral("Guivarna.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size()) {
        state.SkipWithError("cannot write the settings file");
        return {};
    }
    return path;
}

void LoadFrom(benchmark::State& state, const QByteArray& ini)
{
    QTemporaryDir dir;
    const QString path = WriteSettingsFile(state, dir, ini);
    if (path.isEmpty())
        return;
    for (auto _ : state) {
        SettingsStore store(path);
        BoardCollection boards;
        boards.Load(store);
        benchmark::DoNotOptimize(boards.StringCount(0));
        boards.DeleteAll();  // the exit save then writes only the board count
    }
}

void BM_LoadFirstStart(benchmark::State& state)
{
    LoadFrom(state, QByteArray());
}

void BM_LoadHugeStringCount(benchmark::State& state)
{
    LoadFrom(state,
        "[FretBoards]\nFretBoard0\\numSnares=1000000000\n"
        "FretBoard1\\numSnares=1000000000\n");
}

void BM_LoadHugeFretCount(benchmark::State& state)
{
    LoadFrom(state,
        "[FretBoards]\nFretBoard0\\Strings\\String0\\NumberOfFrets=2000000000\n"
        "FretBoard0\\Strings\\String5\\NumberOfFrets=2000000000\n");
}

void BM_LoadHugeBoardCount(benchmark::State& state)
{
    LoadFrom(state, "[FretBoards]\nDefault=2000000000\n");
}

void BM_SaveDefaultBoards(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Guivarna.conf"));
    SettingsStore store(path);
    BoardCollection boards;
    boards.Load(store);
    for (auto _ : state) {
        boards.Save(store);
        store.Sync();
    }
    boards.DeleteAll();
}

// Eight boards of 24 strings and 49 positions, the largest the settings allow: some 88 000
// values per save. The store asks once per save whether it can be written.
void BM_SaveLargestBoards(benchmark::State& state)
{
    QByteArray ini = "[FretBoards]\nDefault=8\n";
    for (int b = 0; b < 8; ++b) {
        ini += "FretBoard" + QByteArray::number(b) + "\\numSnares=24\n";
        for (int k = 0; k < 24; ++k) {
            const QByteArray row =
                "FretBoard" + QByteArray::number(b) + "\\Strings\\String" + QByteArray::number(k);
            ini += row + "\\OpenSnare=" + QByteArray::number(40 + k) + "\n";
            ini += row + "\\NumberOfFrets=49\n";
        }
    }
    QTemporaryDir dir;
    const QString path = WriteSettingsFile(state, dir, ini);
    if (path.isEmpty())
        return;
    SettingsStore store(path);
    BoardCollection boards;
    boards.Load(store);
    std::uint64_t checks = 0;
    for (auto _ : state) {
        const std::uint64_t before = store.WritabilityChecks();
        boards.Save(store);
        checks = store.WritabilityChecks() - before;
    }
    state.counters["writability_checks_per_save"] = double(checks);
    boards.DeleteAll();
}

BENCHMARK(BM_LoadFirstStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHugeStringCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHugeFretCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadHugeBoardCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDefaultBoards)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLargestBoards)->Unit(benchmark::kMillisecond);

}  // namespace
