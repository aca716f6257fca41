// Opening a recorded w6 run of 145,000 scans on the saved-data page: its
// current_activity.txt and current_temperature.txt read into the page's
// tables. Bounds: under 1 s and under 100 MB.
#include "analysis/OfflineRunOpening.h"
#include "core/Prompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ProcessMemory.h"

#include "SilentSeams.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kScans = 145000;

// A w6 run as the run loop writes it: six window evaluations a scan, each one
// activity row (the running total) and one temperature row, about 13 s apart.
struct GeneratedRun {
    QTemporaryDir dir;
    QString runFolder;
    qint64 bytes = 0;

    GeneratedRun()
    {
        runFolder = dir.filePath(QStringLiteral("reports/proj/20240101_000000long"));
        QDir().mkpath(runFolder);
        QFile subpj(runFolder + QStringLiteral("/subpj.dat"));
        subpj.open(QIODevice::WriteOnly);
        subpj.write("long\r\nacq_time=32000\r\nplate_format=w6\r\n");
        QFile activity(runFolder + QStringLiteral("/current_activity.txt"));
        QFile temperature(runFolder + QStringLiteral("/current_temperature.txt"));
        if (!activity.open(QIODevice::WriteOnly) || !temperature.open(QIODevice::WriteOnly))
            return;
        activity.write("\"2024/01/01_00:00:00\" \"<Raw_activity_file_without_internal_factor_correction>\"\r\n"
                       "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n");
        temperature.write("\"2024/01/01_00:00:00\"\r\n\"Time[m]\" \"Temperature[C]\"\r\n");
        const char* wells[6] = {"A1", "B1", "A2", "B2", "A3", "B3"};
        long long total[6] = {};
        std::string a;
        std::string t;
        char row[96];
        double seconds = 0;
        for (int scan = 0; scan < kScans; ++scan) {
            for (int w = 0; w < 6; ++w) {
                seconds += 2.2;
                total[w] += (scan * 7 + w * 13) % 50;
                const double minutes = seconds / 60.0;
                a.append(row, static_cast<std::size_t>(
                                  std::snprintf(row, sizeof row, "%.1f \"%s\" %lld\r\n", minutes, wells[w], total[w])));
                t.append(row, static_cast<std::size_t>(std::snprintf(row, sizeof row, "%.1f %.1f\r\n", minutes,
                                                                     25.0 + (scan % 10) * 0.1)));
            }
            if (a.size() > (1 << 20)) {
                activity.write(a.data(), qint64(a.size()));
                temperature.write(t.data(), qint64(t.size()));
                bytes += qint64(a.size() + t.size());
                a.clear();
                t.clear();
            }
        }
        activity.write(a.data(), qint64(a.size()));
        temperature.write(t.data(), qint64(t.size()));
        bytes += qint64(a.size() + t.size());
    }
};

void BM_OpenRecordedW6Run(benchmark::State& state)
{
    static GeneratedRun r;
    const ProgramFolder folder(r.dir.path());
    const RunListLine line{RunListLine::Kind::Run, QStringLiteral("  > 2024.0101\t ACQ00:00 \"long\""),
                           QStringLiteral("proj"), QStringLiteral("20240101_000000long")};
    NoPrompts prompts;
    const long before = statusKb("VmRSS:");
    const bool peakReset = resetPeak();
    for (auto _ : state) {
        OfflinePageState page;
        QString runFolder;
        if (openRecordedRun(folder, line, false, prompts, page, runFolder) != RunOpeningResult::Opened ||
            page.run.scanCount() != kScans)
            state.SkipWithError("the run did not open whole");
        benchmark::DoNotOptimize(page.run.wellActivity.data());
    }
    state.SetBytesProcessed(state.iterations() * r.bytes);
    state.counters["peak_MB_above_start"] = peakReset ? double(statusKb("VmHWM:") - before) / 1024.0 : -1.0;
    state.counters["files_MB"] = double(r.bytes) / (1024.0 * 1024.0);
}

} // namespace

BENCHMARK(BM_OpenRecordedW6Run)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
