#include "core/Prompts.h"
#include "projects/RunResults.h"
#include "reporting/ReportGenerator.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include "ProcessMemory.h"

#include "SilentSeams.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

// Reports of long runs: a 145,000-scan w6 run (13 s a scan, 31,400 minutes) and
// a 30,000-scan w24 run, each with two groups, noise filter, blank and factors,
// in Rows and Array layout, one column per scan and 15-minute bins. Reported:
// the time of one report and the peak resident memory it adds above the run's
// tables (the peak is reset once the run is built).
namespace {

RunResults syntheticRun(int wells, int scans)
{
    RunResults run;
    run.wellsPerScan = wells;
    const auto cells = static_cast<std::size_t>(wells) * static_cast<std::size_t>(scans);
    run.scanTime.reserve(static_cast<std::size_t>(scans));
    run.scanTemperature.reserve(static_cast<std::size_t>(scans));
    run.wellReadTime.reserve(cells);
    run.wellActivity.reserve(cells);
    std::uint32_t seed = 12345;
    for (int s = 0; s < scans; ++s) {
        const int scan = run.addScan(13 * s, 25.0 + (s % 17) * 0.01);
        for (int w = 0; w < wells; ++w) {
            seed = seed * 1664525u + 1013904223u;
            const std::uint32_t r = seed >> 8;
            double v = double(r % 200);
            if (r % 997 == 0)
                v = 5000; // an outlier for the noise filter
            if (r % 1999 == 0)
                v = -1;   // a well without a value
            run.wellReadTime[run.slot(w, scan)] = 13 * s + w / 4;
            run.wellActivity[run.slot(w, scan)] = v;
        }
    }
    return run;
}

void BM_Report(benchmark::State& state, const char* format, int wells, int scans, ReportOutput output, const char* bin)
{
    QTemporaryDir dir;
    const RunResults run = syntheticRun(wells, scans);
    ReportContext context;
    context.formatCode = QString::fromLatin1(format);
    context.groups.wellGroup[0] = context.groups.wellGroup[1] = 0;
    context.groups.wellGroup[2] = context.groups.wellGroup[3] = 1;
    context.groups.groupName[0] = QStringLiteral("ctrl");
    context.groups.groupName[1] = QStringLiteral("drug");
    context.blank.blankLapse = 60;
    context.blank.blankValue.fill(30);
    context.factors.mult_factor.fill(1.1);
    context.factorSource = QStringLiteral("bench");
    context.folder = dir.path();
    context.when = QDateTime(QDate(2026, 12, 8), QTime(0, 30, 0));
    context.locale = QLocale(QStringLiteral("en_US"));
    ReportChoices choices;
    choices.output = output;
    choices.binText = QString::fromLatin1(bin);
    choices.applyBlank = true;
    NoPrompts prompts;

    const bool peakReset = resetPeak();
    const long before = statusKb("VmRSS:");
    qint64 bytes = 0;
    for (auto _ : state) {
        const ReportResult r = generateReport(choices, run, context, prompts);
        if (r.status != ReportResult::Status::Written) {
            state.SkipWithError("report not written");
            return;
        }
        bytes = QFileInfo(r.filePath).size();
    }
    const long peak = statusKb("VmHWM:");
    state.counters["peak_MB_above_run"] = peakReset ? double(peak - before) / 1024.0 : -1.0;
    state.counters["file_MB"] = double(bytes) / (1024.0 * 1024.0);
    state.counters["run_tables_MB"] =
        double(run.wellActivity.size() * sizeof(double) + run.wellReadTime.size() * sizeof(std::int32_t)
               + run.scanTime.size() * (sizeof(std::int32_t) + sizeof(double)))
        / (1024.0 * 1024.0);
}

} // namespace

BENCHMARK_CAPTURE(BM_Report, w6_145000_Rows_ScanTime, "w6", 6, 145000, ReportOutput::Rows, "ScanTime")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w6_145000_Rows_15, "w6", 6, 145000, ReportOutput::Rows, "15")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w6_145000_Array_ScanTime, "w6", 6, 145000, ReportOutput::Array, "ScanTime")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w6_145000_Array_15, "w6", 6, 145000, ReportOutput::Array, "15")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w24_30000_Rows_ScanTime, "w24", 24, 30000, ReportOutput::Rows, "ScanTime")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w24_30000_Rows_15, "w24", 24, 30000, ReportOutput::Rows, "15")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w24_30000_Array_ScanTime, "w24", 24, 30000, ReportOutput::Array, "ScanTime")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Report, w24_30000_Array_15, "w24", 24, 30000, ReportOutput::Array, "15")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
