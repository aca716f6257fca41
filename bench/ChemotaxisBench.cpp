// Chemotaxis processing of a generated w6 run: time per well and scan, the
// share of it spent writing the two BMPs of each closed scan, and the peak
// memory, which must not grow with the run beyond the region sums.
// VELDO_CHEMOTAXIS_SCANS sets the run's scans (default 3000).
#include "analysis/chemotaxis/ChemotaxisProcessing.h"
#include "analysis/sequence/ChemotaxisPictures.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Prompts.h"

#include <QDir>
#include <QElapsedTimer>
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

class NoOpener final : public DesktopOpener {
public:
    bool open(const QString&) override { return true; }
};
// Six window files of one well each: 60 lines of 80 cells a scan, the corners
// outside the well's mask "-".
struct GeneratedRun {
    QTemporaryDir dir;
    int scans = 0;
    explicit GeneratedRun(int n) : scans(n)
    {
        const char* wells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
        for (int c = 0; c < 6; ++c) {
            QFile f(dir.filePath(QStringLiteral("wellactivity%1").arg(c) + "0.csv"));
            if (!f.open(QIODevice::WriteOnly))
                return;
            for (int scan = 0; scan < n; ++scan)
                f.write(wellActivityBlock(wells[c], scan, scan * 0.5, 60, 80));
        }
        QFile g(dir.filePath("chgroup.dat"));
        if (g.open(QIODevice::WriteOnly)) {
            g.write("#Well, Group, name\r\n");
            for (int w = 0; w < 384; ++w)
                g.write(QByteArray::number(w) + ",-1,\"Free\"\r\n");
        }
    }
};

int scansWanted()
{
    const char* n = std::getenv("VELDO_CHEMOTAXIS_SCANS");
    return n ? std::atoi(n) : 3000;
}

void BM_ChemotaxisProcessing(benchmark::State& state)
{
    const GeneratedRun run(int(state.range(0)));
    NoPrompts prompts;
    NoOpener opener;
    NoWaitClock clock;
    PictureCanvas well(kWellPictureSize.width(), kWellPictureSize.height());
    PictureCanvas progress(kProgressPictureSize.width(), kProgressPictureSize.height());
    PictureCanvas progress2(kProgressPictureSize.width(), kProgressPictureSize.height());
    ChemotaxisSettings settings;
    settings.runFolder = run.dir.path();
    settings.formatCode = QStringLiteral("w6");
    settings.options[1] = true;
    long peakKb = 0;
    for (auto _ : state) {
        resetPeak();
        const long before = statusKb("VmHWM:");
        ChemotaxisView view{well, progress, progress2, {}, {}, {}, {}, {}};
        ChemotaxisServices services{clock, prompts, opener};
        const ChemotaxisResult r = processChemotaxis(settings, view, services);
        benchmark::DoNotOptimize(r);
        peakKb = statusKb("VmHWM:") - before;
    }
    const double wellScans = 6.0 * run.scans;
    state.counters["us_per_well_scan"] =
        benchmark::Counter(wellScans * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_growth_MB"] = double(peakKb) / 1024.0;

    // The BMP share: the two saves of one closed scan, timed alone.
    const QString folder = run.dir.filePath("bmps");
    QDir().mkpath(folder);
    QElapsedTimer t;
    t.start();
    const int saves = 500;
    for (int i = 0; i < saves; ++i) {
        saveWellImage(well, folder, QStringLiteral("A1"), i);
        saveIndexPlot(progress, folder, QStringLiteral("CI_XR"), QStringLiteral("A1"));
    }
    state.counters["us_bmp_per_well_scan"] = double(t.nsecsElapsed()) / 1000.0 / saves;
}
BENCHMARK(BM_ChemotaxisProcessing)->Arg(scansWanted() / 4)->Arg(scansWanted())->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) { return runBenchmarksOffscreen(argc, argv); }
