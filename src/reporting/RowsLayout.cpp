#include "core/Rounding.h"
#include "plate/geometry/WellNumbering.h"
#include "reporting/ReportLayout.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

// Group sums for the groups that have members, by column.
struct GroupColumns {
    std::vector<int> groups;  // group numbers in increasing order
    std::vector<int> members; // per listed group
    std::vector<double> sum;  // listed group * columns + column
    std::vector<double> squareSum;
};

} // namespace

void writeRowsLayout(ReportFileWriter& file, const ReportContent& content)
{
    writeReportHeader(file, content);
    const MinuteBins* bins = content.bins;
    if (bins && !bins->made) {
        writeTemperatureBlock(file, content, false);
        return;
    }

    const CorrectedActivity& activity = content.activity;
    const int wells = activity.wells;
    const int columns = bins ? bins->count : activity.scans;
    auto value = [&](int well, int column) { return bins ? bins->value(well, column) : activity.at(well, column); };
    auto appendValue = [&](QByteArray& line, double v) {
        if (bins)
            content.numbers.plain(line, v);
        else
            content.numbers.whole(line, v);
    };

    // The time list that follows every heading.
    QByteArray times;
    if (!bins) {
        for (int scan = 0; scan < activity.scans; ++scan) {
            times += content.divider;
            content.numbers.oneDecimal(times, content.run.scanTime[scan] / 60.0);
        }
    } else {
        const auto step = roundHalfEven(bins->width);
        for (std::int64_t t = step; step > 0 && t <= bins->reportEnd; t += step) {
            times += content.divider;
            content.numbers.oneDecimal(times, double(t));
        }
    }

    // Members, then sums and squared deviations of the groups in use.
    std::array<int, 384> members{};
    for (int well = 0; well < wells; ++well)
        if (const int g = reportGroupOf(content.groups, well); g >= 0)
            ++members[g];
    GroupColumns stats;
    std::array<int, 384> listed;
    listed.fill(-1);
    for (int g = 0; g < 384; ++g) {
        if (members[g] > 0) {
            listed[g] = static_cast<int>(stats.groups.size());
            stats.groups.push_back(g);
            stats.members.push_back(members[g]);
        }
    }
    const std::size_t cols = static_cast<std::size_t>(columns);
    stats.sum.assign(stats.groups.size() * cols, 0.0);
    stats.squareSum.assign(stats.groups.size() * cols, 0.0);
    for (int well = 0; well < wells; ++well) {
        const int g = reportGroupOf(content.groups, well);
        if (g < 0)
            continue;
        double* sum = stats.sum.data() + static_cast<std::size_t>(listed[g]) * cols;
        for (int c = 0; c < columns; ++c)
            sum[c] += value(well, c);
    }

    if (!stats.groups.empty()) {
        for (int well = 0; well < wells; ++well) {
            const int g = reportGroupOf(content.groups, well);
            if (g < 0)
                continue;
            const std::size_t at = static_cast<std::size_t>(listed[g]) * cols;
            const int n = members[g];
            for (int c = 0; c < columns; ++c) {
                const double deviation = value(well, c) - stats.sum[at + c] / n;
                stats.squareSum[at + c] += deviation * deviation;
            }
        }

        auto writeBlock = [&](const char* title, auto appendCell) {
            file.endLine();
            file.line() += title;
            file.endLine();
            file.line() += "Group/Time[m]";
            file.line() += times;
            file.endLine();
            for (std::size_t i = 0; i < stats.groups.size(); ++i) {
                const int g = stats.groups[i];
                QByteArray& line = file.line();
                line += '"';
                content.numbers.threeDigits(line, g);
                line += '_';
                line += content.groups.groupName[g].toLatin1();
                line += '"';
                for (int c = 0; c < columns; ++c) {
                    line += content.divider;
                    appendCell(line, i, i * cols + static_cast<std::size_t>(c));
                    file.flushIfLong();
                }
                file.endLine();
            }
        };
        writeBlock("******GROUP_Average******", [&](QByteArray& line, std::size_t i, std::size_t at) {
            content.numbers.whole(line, stats.sum[at] / stats.members[i]);
        });
        writeBlock("******STANDARD ERROR******", [&](QByteArray& line, std::size_t i, std::size_t at) {
            const int n = stats.members[i];
            if (n < 2)
                line += '0';
            else
                content.numbers.oneDecimal(line, std::sqrt(stats.squareSum[at] / (n - 1)) / std::sqrt(double(n)));
        });
        writeBlock("******N******", [&](QByteArray& line, std::size_t i, std::size_t) {
            content.numbers.plain(line, stats.members[i]);
        });
    }

    // The well block: the heading and every well line end with a lone CR.
    file.endLine();
    file.line() += "\"***WELL ACTIVITY***\"";
    file.endLine();
    file.line() += "\"Well\"";
    file.line() += content.divider;
    file.line() += "\"Group/Time[m]\"";
    file.line() += times;
    file.endCr();
    const int rows = content.grid.rows;
    for (int well = 0; well < wells; ++well) {
        QByteArray& line = file.line();
        line += '"';
        line += wellName(well % rows, well / rows).toLatin1();
        line += '"';
        line += content.divider;
        appendGroupCell(line, content, well);
        for (int c = 0; c < columns; ++c) {
            line += content.divider;
            appendValue(line, value(well, c));
            file.flushIfLong();
        }
        file.endCr();
    }
    file.endLine();

    writeTemperatureBlock(file, content, false);
}
