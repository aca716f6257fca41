#include "reporting/JointActivity.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cmath>

namespace {

// Counts far beyond any run are held rather than overflowing.
std::int64_t wholeCount(double value)
{
    constexpr double kLimit = 9.0e15;
    if (!std::isfinite(value))
        return 0;
    return roundHalfEven(std::clamp(value, -kLimit, kLimit));
}

// The index of a well name ("B3") on the grid; -1 off the grid.
int wellIndexOfName(const QByteArray& name, const PlateGrid& grid)
{
    if (name.size() < 2 || name.at(0) < 'A' || name.at(0) > 'Z')
        return -1;
    int column = 0;
    for (qsizetype i = 1; i < name.size(); ++i) {
        const char c = name.at(i);
        if (c < '0' || c > '9' || column > grid.columns)
            return -1;
        column = column * 10 + (c - '0');
    }
    const int row = name.at(0) - 'A';
    if (column < 1 || column > grid.columns || row >= grid.rows)
        return -1;
    return (column - 1) * grid.rows + row;
}

QByteArray withoutLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

JointTimePoints readJointTimePoints(QIODevice& runFile, const PlateGrid& grid)
{
    JointTimePoints points;
    if (grid.isEmpty())
        return points;
    points.wells = grid.wells();
    const int lastWell = points.wells - 1;
    std::vector<std::int64_t> accumulated(static_cast<std::size_t>(points.wells), 0);
    std::vector<std::int64_t> previous(accumulated);
    bool pointOpen = false;
    double pointTime = 0;

    for (int header = 0; header < 2 && !runFile.atEnd(); ++header)
        runFile.readLine();
    while (!runFile.atEnd()) {
        const QList<QByteArray> fields = withoutLineEnd(runFile.readLine()).split(' ');
        QList<QByteArray> parts;
        for (const QByteArray& f : fields) {
            if (!f.isEmpty())
                parts << f;
        }
        if (parts.size() < 3)
            continue;
        const int well = wellIndexOfName(QByteArray(parts.at(1)).replace('"', ""), grid);
        if (well < 0)
            continue;
        if (!pointOpen) {
            pointTime = textValue(withDecimalPoint(QString::fromLatin1(parts.at(0))));
            pointOpen = true;
        }
        accumulated[static_cast<std::size_t>(well)] = wholeCount(textValue(QString::fromLatin1(parts.at(2))));
        if (well != lastWell)
            continue;
        points.times.push_back(pointTime);
        for (std::size_t k = 0; k < accumulated.size(); ++k)
            points.activity.push_back(accumulated[k] - previous[k]);
        previous = accumulated;
        pointOpen = false;
    }
    return points;
}

double MedianOfWindow(std::span<const std::int64_t> window)
{
    if (window.empty())
        return 0;
    std::vector<std::int64_t> values(window.begin(), window.end());
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>((values.size() + 1) / 2 - 1);
    std::nth_element(values.begin(), middle, values.end());
    return static_cast<double>(*middle);
}

void removeOutliers(JointTimePoints& points)
{
    const int n = points.count();
    if (n == 0 || points.wells <= 0)
        return;
    // Medians come from the activities as read, not from replaced ones.
    const JointTimePoints read = points;
    std::vector<std::int64_t> window;
    for (int t = 0; t < n; ++t) {
        int first = 0;
        int last = n - 1;
        if (n >= 5) {
            if (t <= 3)
                last = 4;
            else if (t > n - 4)
                first = n - 5;
            else {
                first = t - 2;
                last = t + 2;
            }
        }
        for (int k = 0; k < points.wells; ++k) {
            window.clear();
            for (int i = first; i <= last; ++i)
                window.push_back(read.at(i, k));
            const double median = MedianOfWindow(window);
            const std::int64_t a = read.at(t, k);
            if (static_cast<double>(a) > 3.5 * median && a > 10)
                points.at(t, k) = static_cast<std::int64_t>(median);
        }
    }
}
