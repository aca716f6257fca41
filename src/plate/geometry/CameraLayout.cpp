#include "plate/geometry/CameraLayout.h"

#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"

QList<int> builtInCameraWells(const PlateFormat& format, int camera)
{
    if (!format.builtInTables || camera < 0 || camera >= kCameraCount)
        return {};
    const PlateGrid grid = format.grid();
    const int columnsPerCamera = grid.columns / 3;
    const int rowsPerCamera = grid.rows / 2;
    QList<int> wells;
    for (int i = 0; i < columnsPerCamera; ++i) {
        for (int j = 0; j < rowsPerCamera; ++j) {
            const int column = cameraColumnBlock(camera) * columnsPerCamera + i;
            const int row = cameraRowBlock(camera) * rowsPerCamera + j;
            wells << WellIndex(column, row, grid.rows);
        }
    }
    return wells;
}
