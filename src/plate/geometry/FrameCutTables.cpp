#include "plate/geometry/FrameCutTables.h"

FrameCutLayout frameCutLayout(const CameraWindowTables& tables, int camera, int window)
{
    if (camera < 0 || camera >= kCameraCount)
        return {};
    const auto c = static_cast<size_t>(camera);
    const int columns = tables.lastColumn[c] - tables.firstColumn[c] + 1;
    const int rows = tables.lastRow[c] - tables.firstRow[c] + 1;
    if (tables.firstColumn[c] < 0 || columns < 1 || columns > kColumnWindows)
        return {};
    if (tables.firstRow[c] < 0 || window < 0 || window >= rows || window >= kRowWindows)
        return {};
    const auto w = static_cast<size_t>(window);
    FrameCutLayout layout;
    layout.rowBytes = tables.rowEnd[c][w] - tables.rowStart[c][w] + 1;
    for (size_t k = 0; k < static_cast<size_t>(columns); ++k)
        layout.columns.push_back({tables.columnStart[c][k], tables.columnEnd[c][k]});
    return layout;
}
