#include "plate/geometry/WindowWells.h"

#include <algorithm>

std::vector<WindowWell> windowWells(const CameraWindowTables& tables, int camera, int window)
{
    if (camera < 0 || camera >= kCameraCount || window < 0 || window >= kRowWindows)
        return {};
    const int first = tables.firstColumn[camera];
    const int firstRow = tables.firstRow[camera];
    if (first < 0 || firstRow < 0 || tables.lastColumn[camera] < first)
        return {};
    const int lastK = std::min(tables.lastColumn[camera] - first, kColumnWindows - 1);
    std::vector<WindowWell> wells;
    for (int k = 0; k <= lastK; ++k)
        wells.push_back({k, first + k, firstRow + window});
    return wells;
}

int windowColumnWidth(const CameraWindowTables& tables, int camera, int k)
{
    return tables.columnEnd[camera][k] - tables.columnStart[camera][k];
}

int windowRowHeight(const CameraWindowTables& tables, int camera, int window)
{
    return tables.rowEnd[camera][window] - tables.rowStart[camera][window];
}
