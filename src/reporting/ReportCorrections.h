#pragma once

#include "calibration/BlankRecord.h"
#include "calibration/IntRefFactors.h"
#include "projects/RunResults.h"

#include <span>
#include <vector>

// The activity a report shows: the run's values with noise filtered out, the
// blank taken off and the internal-reference factors applied. Only the wells of
// the plate grid are kept (the run itself is never changed).
struct CorrectedActivity {
    int wells = 0;
    int scans = 0;
    std::vector<double> values; // well-major: well * scans + scan
    bool factorApplied = false; // some value was multiplied by its well's factor

    double at(int well, int scan) const { return values[slot(well, scan)]; }
    std::span<const double> series(int well) const
    {
        return {values.data() + slot(well, 0), static_cast<std::size_t>(scans)};
    }
    std::size_t slot(int well, int scan) const
    {
        return static_cast<std::size_t>(well) * static_cast<std::size_t>(scans) + static_cast<std::size_t>(scan);
    }
};

// Replaces, scan after scan, a value above 10 and above ten times the mean of its
// two neighbours (the next two for the first scan, the previous two for the
// last) by that mean; each replacement is seen by the next scan's test. A value
// or neighbour without a value (below 0) is left alone. Series of fewer than
// three scans stay as they are.
void filterNoise(std::span<double> series);

// The blank to take off a well's value in a scan: the blank's rate per minute
// times the scan's own interval (from the previous scan's start, or from 0 for
// the first), since a scan's value counts only that scan. 0 without a blank.
double blankTerm(const BlankRecord& blank, int well, const RunResults& run, int scan);

// Corrects the grid's wells 0 to wells - 1 (at most 96) of a run. A null blank
// or null factors leave that correction out. Values without a value (below 0)
// stay as they are; corrected values below 0 become 0.
CorrectedActivity correctActivity(const RunResults& run, int wells, bool noiseFilter, const BlankRecord* blank,
                                  const IntRefFactors* factors);
