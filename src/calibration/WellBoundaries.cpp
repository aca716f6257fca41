#include "calibration/WellBoundaries.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <array>
#include <cmath>

namespace {

int entryCount(const CameraWindowTables& t, int camera, BoundaryAxis axis)
{
    if (camera < 0 || camera >= kCameraCount)
        return 0;
    const auto c = size_t(camera);
    const bool columns = axis == BoundaryAxis::Column;
    const int first = columns ? t.firstColumn[c] : t.firstRow[c];
    const int last = columns ? t.lastColumn[c] : t.lastRow[c];
    if (first < 0 || last < first)
        return 0;
    return std::min(last - first + 1, columns ? kColumnWindows : kRowWindows);
}

int* startOf(CameraWindowTables& t, int camera, BoundaryAxis axis, int k)
{
    const auto c = size_t(camera);
    return axis == BoundaryAxis::Column ? &t.columnStart[c][size_t(k)] : &t.rowStart[c][size_t(k)];
}

int* endOf(CameraWindowTables& t, int camera, BoundaryAxis axis, int k)
{
    const auto c = size_t(camera);
    return axis == BoundaryAxis::Column ? &t.columnEnd[c][size_t(k)] : &t.rowEnd[c][size_t(k)];
}

} // namespace

int boundaryEntries(const CameraWindowTables& t, int camera, BoundaryAxis axis)
{
    return entryCount(t, camera, axis);
}

std::optional<int> moveBoundary(CameraWindowTables& t, int camera, BoundaryAxis axis, int k, BoundaryMove move,
                                int limit)
{
    const int entries = entryCount(t, camera, axis);
    if (k < 0 || k >= entries)
        return std::nullopt;
    int& start = *startOf(t, camera, axis, k);
    int& end = *endOf(t, camera, axis, k);
    switch (move) {
    case BoundaryMove::StartUp:
    case BoundaryMove::StartDown:
        // Both ways stop at the ends of the window, as the end buttons do.
        if (move == BoundaryMove::StartUp ? start >= limit - 1 : start <= 0)
            return std::nullopt;
        start += move == BoundaryMove::StartUp ? 1 : -1;
        if (k >= 1) {
            int& previousEnd = *endOf(t, camera, axis, k - 1);
            if (start < previousEnd)
                previousEnd = start;
        }
        return start;
    case BoundaryMove::EndUp:
    case BoundaryMove::EndDown:
        if (move == BoundaryMove::EndUp ? end >= limit - 1 : end <= 0)
            return std::nullopt;
        end += move == BoundaryMove::EndUp ? 1 : -1;
        if (k + 1 < entries) {
            int& nextStart = *startOf(t, camera, axis, k + 1);
            if (nextStart < end)
                nextStart = end;
        }
        return end;
    }
    return std::nullopt;
}

std::optional<int> typeColumnStart(CameraWindowTables& t, int camera, int k, const QString& typed, int lines)
{
    const double v = textValue(typed);
    if (k < 0 || k >= entryCount(t, camera, BoundaryAxis::Column) || !(v > 0 && v < lines - 1))
        return std::nullopt;
    int& start = *startOf(t, camera, BoundaryAxis::Column, k);
    start = int(roundHalfEven(v));
    if (k >= 1)
        *endOf(t, camera, BoundaryAxis::Column, k - 1) = start;
    return start;
}

std::optional<QString> endBeforeStart(const CameraWindowTables& t)
{
    for (int c = 0; c < kCameraCount; ++c) {
        const auto cam = size_t(c);
        for (int k = 0; k < entryCount(t, c, BoundaryAxis::Column); ++k)
            if (t.columnEnd[cam][size_t(k)] < t.columnStart[cam][size_t(k)])
                return QStringLiteral("End before start: C%1 column %2").arg(c).arg(t.columnLabel[cam][size_t(k)]);
        for (int r = 0; r < entryCount(t, c, BoundaryAxis::Row); ++r)
            if (t.rowEnd[cam][size_t(r)] < t.rowStart[cam][size_t(r)])
                return QStringLiteral("End before start: C%1 row %2").arg(c).arg(t.rowLabel[cam][size_t(r)]);
    }
    return std::nullopt;
}

QString wellRangeSummary(const QString& plateFormat, const CameraWindowTables& t)
{
    struct Well {
        int camera, column, row;
        const char* name;
    };
    std::vector<Well> wells;
    if (plateFormat == QLatin1String("w6")) {
        const char* names[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
        for (int c = 0; c < kCameraCount; ++c)
            wells.push_back({c, 0, 0, names[c]});
    } else if (plateFormat == QLatin1String("w24")) {
        const char* names[] = {"A1", "B1", "A2", "B2", "C1", "D1", "C2", "D2", "A3", "B3", "A4", "B4",
                               "C3", "D3", "C4", "D4", "A5", "B5", "A6", "B6", "C5", "D5", "C6", "D6"};
        const int order[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
        for (int c = 0; c < kCameraCount; ++c)
            for (int i = 0; i < 4; ++i)
                wells.push_back({c, order[i][0], order[i][1], names[c * 4 + i]});
    } else {
        return QString();
    }
    std::vector<qint64> areas;
    qint64 sum = 0;
    for (const Well& w : wells) {
        const auto c = size_t(w.camera);
        const qint64 area =
            qint64(t.columnEnd[c][size_t(w.column)] - t.columnStart[c][size_t(w.column)]) *
            qint64(t.rowEnd[c][size_t(w.row)] - t.rowStart[c][size_t(w.row)]);
        areas.push_back(area);
        sum += area;
    }
    const double mean = double(sum) / double(wells.size());
    QString text = plateFormat + QStringLiteral("\r\n");
    for (size_t i = 0; i < wells.size(); ++i) {
        const double share = mean == 0 ? 0.0 : double(areas[i]) / mean;
        text += QStringLiteral("Well(") + QLatin1String(wells[i].name) + QStringLiteral(")=") +
                formatNumber(share, QStringLiteral("0.00")) + QStringLiteral("\r\n");
    }
    return text;
}
