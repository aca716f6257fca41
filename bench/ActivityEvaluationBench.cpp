#include "acquisition/run/ActivityEvaluation.h"
#include "acquisition/run/LiveFrameDrawing.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include "OffscreenBenchmarks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

// The work of a window's evaluation tick, against the run timer's 200 ms:
// the evaluation of the largest window the tables allow (a whole 193 x 193
// frame, windowPixels 193 x 192) and of a w24 window (two well columns of 70
// lines, 81 pixels a line), every position inside one well and bright enough
// to be evaluated; and the live drawing of one difference sample of each.
namespace {

struct Window {
    int lineLength;
    int lines;
    int windowPixels() const { return lineLength * (lines - 1); }
    int positions() const { return lineLength * lines; }
};

constexpr Window kWholeFrame{193, 193};
constexpr Window kW24{81, 141};

// Plate at 120 with sensor noise, and a few hundred bright organisms that move.
SampleFrames samplesOf(const Window& w)
{
    QRandomGenerator rng(2027);
    SampleFrames frames;
    const int n = w.positions();
    std::vector<int> organisms;
    for (int o = 0; o < n / 150; ++o)
        organisms.push_back(int(rng.bounded(n)));
    for (int i = 0; i < kSamplesPerWindow; ++i) {
        QByteArray f(n, 0);
        for (char& c : f)
            c = char(118 + rng.bounded(5));
        for (int o : organisms) {
            const int at = (o + i * 2 * w.lineLength) % n;
            for (int d : {0, 1, w.lineLength, w.lineLength + 1})
                if (at + d < n)
                    f[at + d] = char(230);
        }
        frames[size_t(i)] = f;
    }
    return frames;
}

struct Fixture {
    explicit Fixture(const Window& w) : window(w), samples(samplesOf(w)), activity(w.windowPixels())
    {
        WindowPixelList& list = setup.pixels[0][0];
        list.pixelWellIndex.assign(size_t(w.positions()) + 1, 0);
        list.pixelColumn.assign(size_t(w.positions()) + 1, 0);
        list.pixelWindow.assign(size_t(w.positions()) + 1, 0);
        list.pixelInWell.assign(size_t(w.positions()) + 1, 1);
        setup.wellPixelCount[0] = w.positions();
        setup.meanWellPixels = w.positions();
        wells.spcColEnd[0][0][0] = 100;
        wells.spcRowEnd[0][0][0] = 100;
        run.wellsPerScan = 24;
        run.addScan(0);
    }
    Window window;
    SampleFrames samples;
    RunSetup setup;
    WellSpecTable wells;
    WindowActivity activity;
    RunResults run;
};

void evaluation(benchmark::State& state, const Window& w)
{
    Fixture f(w);
    for (auto _ : state) {
        f.activity.reset(w.windowPixels()); // the loop sizes the tables once per window
        evaluateWindowActivity({f.samples, f.setup.pixels[0][0], f.setup, f.wells, 0, w.lineLength}, f.activity,
                               f.run);
        benchmark::DoNotOptimize(f.run.wellActivityNow[0]);
    }
    state.counters["positions"] = w.windowPixels();
}

void liveDrawing(benchmark::State& state, const Window& w)
{
    Fixture f(w);
    CameraBoxes boxes;
    boxes.txt_xini = "0";
    boxes.txt_xfin = QString::number(w.lines - 1);
    boxes.txt_yini = "0";
    boxes.txt_yfin = QString::number(w.lineLength - 1);
    CameraWindowTables tables;
    tables.firstColumn[0] = 0;
    tables.lastColumn[0] = 0;
    tables.columnStart[0][0] = 0;
    tables.columnEnd[0][0] = w.lines - 1;
    tables.rowStart[0][0] = 0;
    tables.rowEnd[0][0] = w.lineLength - 1;
    QByteArray difference(f.samples[1].size(), 0);
    for (qsizetype p = 0; p < difference.size(); ++p)
        difference[p] = char(std::clamp(int(static_cast<unsigned char>(f.samples[1][p]))
                                            - int(static_cast<unsigned char>(f.samples[0][p])) + 128,
                                        0, 255));
    PictureCanvas Picact2(w.lineLength + 1, w.lines + 2);
    const int sample = int(state.range(0));
    LivePicture picture{Picact2, boxes, tables, f.setup, sample};
    for (auto _ : state) {
        if (sample == 0)
            DrawMaskedImageWithWellGrid(picture, 0, 0, f.samples[0], {}, 0);
        else
            DrawMaskedImageWithWellGrid(picture, 0, 0, f.samples[1], difference, 1);
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(evaluation, whole_frame_193x193, kWholeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(evaluation, w24_window, kW24)->Unit(benchmark::kMillisecond);
// Sample 0 (grey image), 1 (pale background) and 2 (moving pixels only).
BENCHMARK_CAPTURE(liveDrawing, whole_frame_193x193, kWholeFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(liveDrawing, w24_window, kW24)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runBenchmarksOffscreen(argc, argv); }
