#include "plate/pictures/PlatePicture.h"

#include "picture/PictureFont.h"
#include "plate/pictures/PlatePictureGeometry.h"
#include "plate/geometry/WellCamera.h"

namespace {

const QColor kOutline(255, 0, 0);
const QColor kGridLine(255, 255, 0);
const QColor kLabel(170, 170, 170);

// Numbers are printed with a blank in place of the sign and a trailing blank.
QString printedNumber(int n)
{
    return QStringLiteral(" %1 ").arg(n);
}

void printAt(PictureCanvas& picture, double x, double y, const QString& text)
{
    picture.currentX = x;
    picture.currentY = y;
    picture.print(text);
}

} // namespace

PlateGrid DrawPlateLayout(PictureCanvas& picture, const PlateFormat& format, const CameraFlags& cameraEnabled)
{
    picture.clear();
    picture.setScale(-10, -20, 120, 280);
    picture.clear();

    const PlateGrid grid = format.grid();

    picture.drawWidth = 3;
    picture.fillColor = Qt::white;
    picture.box(0, 0, kPlateWidth, kPlateHeight, kOutline);

    picture.drawWidth = 1;
    for (int i = 1; i < grid.columns; ++i) {
        const double x = kPlateWidth * i / grid.columns;
        picture.line(x, 0, x, kPlateHeight, kGridLine);
    }
    for (int j = 1; j < grid.rows; ++j) {
        const double y = kPlateHeight * j / grid.rows;
        picture.line(0, y, kPlateWidth, y, kGridLine);
    }

    picture.foreColor = kLabel;
    useArial(picture.font);
    picture.font.setPointSize(10);
    picture.font.setBold(true);
    for (int i = 0; i < grid.columns; ++i)
        printAt(picture, cellLeft(i, grid) + 0.2 * cellWidth(grid), -15, printedNumber(i + 1));
    for (int j = 0; j < grid.rows; ++j)
        printAt(picture, -5, cellTop(j, grid) + 0.2 * cellHeight(grid), QString(QChar(u'A' + j)));

    if (format.builtInTables) {
        for (int camera = 0; camera < kCameraCount; ++camera) {
            if (cameraEnabled[camera])
                continue;
            for (int well : builtInCameraWells(format, camera))
                MarkDisabledCameraWells(picture, format, well, cameraEnabled);
        }
    }

    picture.font.setPointSize(8);
    picture.font.setBold(false);
    return grid;
}

void MarkDisabledCameraWells(PictureCanvas& picture, const PlateFormat& format, int wellIndex,
                             const CameraFlags& cameraEnabled)
{
    const PlateGrid grid = format.grid();
    useArial(picture.font);
    picture.foreColor = Qt::black;
    const std::optional<WellPosition> cell = wellPosition(wellIndex, grid);
    if (!cell || !wellCameraDisabled(format, wellIndex, cameraEnabled))
        return;
    printAt(picture, cellLeft(cell->column, grid) + 0.2 * cellWidth(grid),
            cellTop(cell->row, grid) + 0.4 * cellHeight(grid), QStringLiteral("[OFF]"));
}

void InitPlateView(PictureCanvas& picture, int framePixelCount, int frameLineCount)
{
    picture.clear();
    picture.setScale(0, 0, 4.0 * framePixelCount, 4.0 * frameLineCount);
}
