#include "calibration/LightingRound.h"
#include "picture/PictureCanvas.h"

#include <gtest/gtest.h>

namespace {

// Camera 3 of "w6" sees well B2 (column 1, row 1, well index 3) through a
// 10 x 20 window: pixel j lies at x = (j - 1) / 20, y = (j - 1) % 20.
struct WellB2 {
    WellB2()
    {
        geometry.firstColumn[3] = geometry.lastColumn[3] = 1;
        geometry.firstRow[3] = geometry.lastRow[3] = 1;
        geometry.columnStart[3][0] = 50;
        geometry.columnEnd[3][0] = 60;
        geometry.rowStart[3][0] = 100;
        geometry.rowEnd[3][0] = 120;
        wellIndex.assign(201, 3);
        x.assign(201, 0);
        y.assign(201, 0);
        for (int j = 1; j <= 200; ++j) {
            x[size_t(j)] = (j - 1) / 20;
            y[size_t(j)] = (j - 1) % 20;
        }
        wellIndex[3] = -1; // outside every mask
        frame = QByteArray(200, char(90));
        frame[0] = char(17);
        plate.setScale(0, 0, 100, 250);
        plate.clear();
    }
    void draw() { DrawWellPixelsOnMap(plate, {3, 0, frame, 200, {wellIndex, x, y}, geometry, "w6", 1}); }
    QColor at(double lx, double ly) const
    {
        const QPointF p = plate.toPixel(lx, ly);
        return plate.pixel(int(p.x()), int(p.y()));
    }

    CameraWindowTables geometry;
    std::vector<int> wellIndex, x, y;
    QByteArray frame;
    PictureCanvas plate{100, 250};
};

TEST(WellPixelsOnMap, GreyPixelsAtTheirPlaceInTheWellsCell)
{
    WellB2 w;
    w.draw();
    // Cell of column 1, row 1 starts at 33 (33.3 rounded), 125; a pixel step is
    // 33.3 / 10 across and 125 / 20 down.
    EXPECT_EQ(w.at(33.2, 125.2), QColor(17, 17, 17));
    EXPECT_EQ(w.at(33.2 + 3.333 * 4, 125.2 + 6.25 * 7), QColor(90, 90, 90));
    EXPECT_EQ(w.at(33.2, 125.2 + 6.25 * 2), QColor(Qt::white)) << "pixel 3 lies outside every mask";
    EXPECT_EQ(w.at(10, 10), QColor(Qt::white)) << "other cells untouched";
}

TEST(WellPixelsOnMap, ShortFrameAndZeroWidthEndTheDrawing)
{
    WellB2 shortFrame;
    shortFrame.frame.truncate(20); // the first line only
    shortFrame.draw();
    EXPECT_EQ(shortFrame.at(33.2 + 3.333 * 0, 125.2 + 6.25 * 5), QColor(90, 90, 90));
    EXPECT_EQ(shortFrame.at(33.2 + 3.333 * 1, 125.2 + 6.25 * 5), QColor(Qt::white));

    WellB2 flat;
    flat.geometry.columnEnd[3][0] = 50;
    flat.draw();
    EXPECT_EQ(flat.plate.image().pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(flat.at(33.2, 125.2), QColor(Qt::white));
}

TEST(WellPixelsOnMap, WindowPixelsArePixelsPerLineTimesOneLessThanTheLines)
{
    WellB2 w;
    EXPECT_EQ(lightingWindowPixels(w.geometry, 3, 0), 21 * 10);
    EXPECT_EQ(lightingWindowPixels(w.geometry, 2, 0), 0) << "a camera that sees no well";
    EXPECT_EQ(lightingWindowPixels(w.geometry, 3, 9), 0);
}

} // namespace
