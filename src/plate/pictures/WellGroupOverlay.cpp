#include "plate/pictures/WellGroupOverlay.h"

#include "core/Colors.h"
#include "picture/PictureFont.h"
#include "plate/pictures/PlatePictureGeometry.h"
#include "plate/geometry/WellCamera.h"

#include <array>

QColor groupColour(int group)
{
    static constexpr std::array<std::uint32_t, 5> kColours{0x000000, 0x00FF00, 0xFF0000, 0x0000FF, 0x00FFFF};
    const int digit = ((group % 10) + 10) % 10;
    return colorFromBgr(kColours[digit % 5]);
}

void DrawWellGroupOverlay(PictureCanvas& picture, const PlateFormat& format, int wellIndex, int group,
                          const CameraFlags& cameraEnabled)
{
    const PlateGrid grid = format.grid();
    useArial(picture.font);
    if (group >= 0)
        picture.foreColor = groupColour(group);
    picture.font.setPointSize(format.code == QLatin1String("w96f") ? 6 : 8);

    const std::optional<WellPosition> cell = wellPosition(wellIndex, grid);
    if (!cell)
        return;
    const double w = cellWidth(grid);
    const double h = cellHeight(grid);
    const double x0 = cellLeft(cell->column, grid);
    const double y0 = cellTop(cell->row, grid);

    picture.filledBox(x0 + 0.1 * w, y0 + 0.2 * h, x0 + 0.9 * w, y0 + 0.9 * h, Qt::white);
    if (group >= 0) {
        picture.currentX = x0 + 0.2 * w;
        picture.currentY = y0 + 0.6 * h;
        picture.print(QStringLiteral("G%1").arg(group));
    }
    picture.foreColor = Qt::black;
    if (wellCameraDisabled(format, wellIndex, cameraEnabled)) {
        picture.currentX = x0 + 0.2 * w;
        picture.currentY = y0 + 0.4 * h;
        picture.print(QStringLiteral("[OFF]"));
    }
}
