#pragma once

#include "projects/RunResults.h"

#include <cstdint>
#include <vector>

// A run of a plate whose wells hold the given values, scan by scan; every well
// is read at its scan's start time unless read times are given per scan.
inline RunResults makeRun(int wells, const std::vector<std::int32_t>& scanSeconds,
                          const std::vector<std::vector<double>>& wellValues,
                          const std::vector<double>& temperatures = {})
{
    RunResults run;
    run.wellsPerScan = wells;
    for (std::size_t s = 0; s < scanSeconds.size(); ++s) {
        const int scan = run.addScan(scanSeconds[s], s < temperatures.size() ? temperatures[s] : 20.0);
        for (int w = 0; w < wells; ++w) {
            run.wellReadTime[run.slot(w, scan)] = scanSeconds[s];
            const auto& series = wellValues.size() > std::size_t(w) ? wellValues[w] : std::vector<double>{};
            run.wellActivity[run.slot(w, scan)] = s < series.size() ? series[s] : 0.0;
        }
    }
    return run;
}
