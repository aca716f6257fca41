// Loading a long run's wellactivity00.csv for the heat map against a plain
// read of the same file: the load must keep at least half the plain speed and
// stay under 200 MB. Then one scan view of the run, read on demand and drawn.
// VELDO_WELLACTIVITY_MB sets the file size (default 1024).
#include "analysis/WellActivityLoader.h"
#include "analysis/heatmap/HeatMapDrawing.h"
#include "core/Clock.h"
#include "picture/PictureCanvas.h"
#include "core/Prompts.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "ProcessMemory.h"

#include "SilentSeams.h"

#include "OffscreenBenchmarks.h"
#include "WellActivityBlocks.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// One well, 140 lines of 150 cells a scan block, as a run writes it: the
// corners outside the well's mask "-", the rest small activity counts.
struct GeneratedRun {
    QTemporaryDir dir;
    qint64 bytes = 0;

    GeneratedRun()
    {
        const char* mb = std::getenv("VELDO_WELLACTIVITY_MB");
        const qint64 target = qint64(mb ? std::atol(mb) : 1024) * 1024 * 1024;
        QFile f(dir.filePath("wellactivity00.csv"));
        if (!f.open(QIODevice::WriteOnly))
            return;
        for (int scan = 0; bytes < target; ++scan) {
            const QByteArray block = wellActivityBlock("A1", scan, scan * 0.1, 140, 150);
            f.write(block);
            bytes += block.size();
        }
    }
};

GeneratedRun& run()
{
    static GeneratedRun r;
    return r;
}

void BM_PlainRead(benchmark::State& state)
{
    GeneratedRun& r = run();
    QByteArray buffer(1 << 16, '\0');
    for (auto _ : state) {
        QFile f(r.dir.filePath("wellactivity00.csv"));
        f.open(QIODevice::ReadOnly);
        qint64 total = 0;
        qint64 n = 0;
        while ((n = f.readLine(buffer.data(), buffer.size())) > 0)
            total += n;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * r.bytes);
}

void BM_LoadForHeatMap(benchmark::State& state)
{
    GeneratedRun& r = run();
    NoPrompts prompts;
    const long before = statusKb("VmRSS:");
    const bool peakReset = resetPeak();
    for (auto _ : state) {
        HeatMapData data;
        const WellActivityLoad result = LoadWellActivityFiles(r.dir.path(), "w6", data, {}, prompts);
        if (result != WellActivityLoad::Loaded)
            state.SkipWithError("the load did not finish");
        benchmark::DoNotOptimize(data.maxSumActivity);
    }
    state.SetBytesProcessed(state.iterations() * r.bytes);
    state.counters["peak_MB_above_start"] = peakReset ? double(statusKb("VmHWM:") - before) / 1024.0 : -1.0;
    state.counters["file_MB"] = double(r.bytes) / (1024.0 * 1024.0);
}

// One scan view of the loaded run: its last scan parsed from its offset and drawn.
void BM_ScanView(benchmark::State& state)
{
    GeneratedRun& r = run();
    NoPrompts prompts;
    HeatMapData data;
    if (LoadWellActivityFiles(r.dir.path(), "w6", data, {}, prompts) != WellActivityLoad::Loaded)
        state.SkipWithError("the load did not finish");
    PictureCanvas canvas(600, 400);
    NoWaitClock clock;
    const PlateGrid w6{2, 3};
    for (auto _ : state) {
        setHeatMapScale(canvas, w6);
        canvas.clear();
        const HeatMapDrawn drawn =
            DrawHeatMap(canvas, data, w6, HeatMapMode::Scan, data.lastScan, {}, [] { return true; }, clock);
        benchmark::DoNotOptimize(drawn.minutes);
    }
    state.counters["scans"] = data.lastScan + 1;
}

} // namespace

// Cache warm for both: the plain read runs first. Wall time: the load reads
// stretches of the file on several threads.
BENCHMARK(BM_PlainRead)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadForHeatMap)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanView)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
// The drawing prints well names: fonts need a GUI application (offscreen).
int main(int argc, char** argv) { return runBenchmarksOffscreen(argc, argv); }
