#include "reporting/ReportCorrections.h"

#include <algorithm>

void filterNoise(std::span<double> series)
{
    const std::size_t n = series.size();
    if (n < 3)
        return;
    for (std::size_t s = 0; s < n; ++s) {
        std::size_t first = s - 1;
        std::size_t second = s + 1;
        if (s == 0) {
            first = 1;
            second = 2;
        } else if (s == n - 1) {
            first = n - 3;
            second = n - 2;
        }
        const double v = series[s];
        const double a = series[first];
        const double b = series[second];
        if (v < 0 || a < 0 || b < 0)
            continue;
        if (v > 10 && v > 5 * (a + b))
            series[s] = (a + b) / 2;
    }
}

double blankTerm(const BlankRecord& blank, int well, const RunResults& run, int scan)
{
    if (blank.blankLapse <= 0 || well < 0 || well >= kWellSlots)
        return 0.0;
    const double seconds = scan == 0 ? run.scanTime[0] : double(run.scanTime[scan]) - run.scanTime[scan - 1];
    return double(blank.blankValue[well]) / blank.blankLapse * (seconds / 60.0);
}

CorrectedActivity correctActivity(const RunResults& run, int wells, bool noiseFilter, const BlankRecord* blank,
                                  const IntRefFactors* factors)
{
    CorrectedActivity out;
    out.wells = std::clamp(wells, 0, 96);
    out.scans = std::max(run.scanCount(), 0);
    out.values.resize(static_cast<std::size_t>(out.wells) * static_cast<std::size_t>(out.scans));

    for (int well = 0; well < out.wells; ++well) {
        for (int scan = 0; scan < out.scans; ++scan)
            out.values[out.slot(well, scan)] = run.activity(well, scan);
        std::span<double> series(out.values.data() + out.slot(well, 0), static_cast<std::size_t>(out.scans));
        if (noiseFilter)
            filterNoise(series);
        const double factor = factors ? factors->mult_factor[well] : 1.0;
        for (int scan = 0; scan < out.scans; ++scan) {
            double& v = series[scan];
            if (v < 0)
                continue;
            const double term = blank ? blankTerm(*blank, well, run, scan) : 0.0;
            double result = v - term;
            if (factors) {
                result *= factor;
                out.factorApplied = true;
            }
            v = result < 0 ? 0.0 : result;
        }
    }
    return out;
}
