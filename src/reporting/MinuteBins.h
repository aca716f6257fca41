#pragma once

#include "projects/RunResults.h"
#include "reporting/ReportCorrections.h"

#include <QString>
#include <vector>

// Minute bins of a report: each well's scan values spread over whole minutes
// (each minute takes the scan read nearest to it) and summed into bins of the
// chosen width, up to the end of the last complete scan.
struct MinuteBins {
    bool made = false;        // false: the width is 0 or less, the report has no well activity
    QString binText;          // the bin box's text after the width rules
    double width = 0;         // B, minutes
    int latestMinute = 0;     // M: the latest read time, minutes
    int reportEnd = 0;        // R: the last reported minute, a whole number of bins
    int count = 0;            // K bins
    std::vector<double> ends; // each bin's end E, minutes (the last may lie after R)
    std::vector<double> values; // well-major: well * count + bin

    double value(int well, int bin) const
    {
        return values[static_cast<std::size_t>(well) * static_cast<std::size_t>(count) + static_cast<std::size_t>(bin)];
    }
    // The Array layout writes a bin only once its end is reached.
    bool endsWithinReport(int bin) const { return ends[bin] <= reportEnd; }
};

// Bins for the text of the bin box (a number of minutes). Wells are those of the
// corrected table, read times from the run.
MinuteBins makeMinuteBins(const CorrectedActivity& activity, const RunResults& run, const QString& binText);
