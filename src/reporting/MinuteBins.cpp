#include "reporting/MinuteBins.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cstdint>

namespace {

// The end of the last scan worth reporting: scans are walked from the first and
// the walk stops after the first one in which some well has no value.
std::int32_t reportedEndSeconds(const CorrectedActivity& activity, const RunResults& run)
{
    if (activity.scans == 0)
        return 0;
    int last = 0;
    for (int scan = 0; scan < activity.scans; ++scan) {
        last = scan;
        bool complete = true;
        for (int well = 0; well < activity.wells && complete; ++well)
            complete = activity.at(well, scan) >= 0;
        if (!complete)
            break;
    }
    std::int32_t end = 0;
    for (int well = 0; well < activity.wells; ++well)
        end = std::max(end, run.readTime(well, last));
    return end;
}

QString plainWhole(std::int64_t n)
{
    return QString::number(n);
}

} // namespace

MinuteBins makeMinuteBins(const CorrectedActivity& activity, const RunResults& run, const QString& binText)
{
    MinuteBins bins;
    bins.binText = binText;

    std::int32_t latest = 0;
    for (int scan = 0; scan < activity.scans; ++scan)
        for (int well = 0; well < activity.wells; ++well)
            latest = std::max(latest, run.readTime(well, scan));
    bins.latestMinute = static_cast<int>(roundHalfEven(latest / 60.0));

    double width = textValue(binText);
    if (width <= 0)
        return bins;
    const std::int32_t endSeconds = reportedEndSeconds(activity, run);
    int reportEnd = static_cast<int>(roundHalfEven(endSeconds / 60.0));

    const double fiveMinutes = double(wholePart(bins.latestMinute / 5.0) * 5);
    if (fiveMinutes < width) {
        width = fiveMinutes;
        bins.binText = plainWhole(wholePart(endSeconds / 60.0));
    }
    if (textValue(bins.binText) < 10) {
        width = 10;
        bins.binText = QStringLiteral("10");
    }
    const auto count = static_cast<int>(wholePart(reportEnd / width));
    reportEnd = static_cast<int>(roundHalfEven(count * width));

    bins.made = true;
    bins.width = width;
    bins.reportEnd = reportEnd;
    bins.count = count;
    bins.values.assign(static_cast<std::size_t>(activity.wells) * static_cast<std::size_t>(count), 0.0);
    bins.ends.clear();
    double end = width;
    for (int bin = 0; bin < count; ++bin, end += width)
        bins.ends.push_back(end);

    const int lastScan = activity.scans - 1;
    for (int well = 0; well < activity.wells; ++well) {
        std::int64_t runningSum = 0;
        int scan = 0;
        int bin = 0;
        double binEnd = width;
        for (int minute = 1; minute <= reportEnd; ++minute) {
            // The minute takes the scan read nearest to it: the next scan from the
            // midpoint between the two reads on.
            if (scan < lastScan) {
                const double midpoint =
                    (double(run.readTime(well, scan + 1)) + run.readTime(well, scan)) / 2.0 / 60.0;
                if (minute >= roundHalfEven(midpoint))
                    ++scan;
            }
            runningSum = roundHalfEven(double(runningSum) + activity.at(well, scan));
            double value = 0;
            if (minute >= binEnd && minute < reportEnd) {
                value = double(runningSum);
            } else if (minute == reportEnd) {
                value = binEnd == reportEnd ? double(runningSum)
                                            : double(roundHalfEven(runningSum / (1 - (binEnd - reportEnd) / width)));
            } else {
                continue;
            }
            if (bin < count)
                bins.values[static_cast<std::size_t>(well) * static_cast<std::size_t>(count)
                            + static_cast<std::size_t>(bin)] = value;
            runningSum = 0;
            binEnd += width;
            ++bin;
        }
    }
    return bins;
}
