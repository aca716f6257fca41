#include "plate/pixelsets/PixelSetBuild.h"
#include "plate/pixelsets/PixelSetFiles.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"
#include "picture/PictureCanvas.h"

#include <gtest/gtest.h>

// The advanced page's rectangle mode.
namespace {

// The cells of a line that are in, as "first-last" runs.
QString runs(const PixelSetRegion& region, int line)
{
    QStringList parts;
    for (int pixel = 0; pixel < PixelSetRegion::kPixels; ++pixel) {
        if (!region.at(line, pixel))
            continue;
        int last = pixel;
        while (region.at(line, last + 1))
            ++last;
        parts << QStringLiteral("%1-%2").arg(pixel).arg(last);
        pixel = last;
    }
    return parts.join(QLatin1Char(' '));
}

TEST(PixelSetRectangle, TheRectangleWithItsCornersCut)
{
    PictureCanvas canvas(182 * 4, 143 * 4);
    canvas.setScale(0, 0, 182, 143);
    // Lines 16 to 24, pixels 15 to 25; the corners narrow over lines 16 to 18 (xq 18, yq 18).
    const PixelSetRegion region = MarkPixelSetRectangle(canvas, {{20, 20}, 10, 8});
    EXPECT_EQ(runs(region, 15), "");
    EXPECT_EQ(runs(region, 16), "19-21");
    EXPECT_EQ(runs(region, 17), "18-22");
    EXPECT_EQ(runs(region, 18), "16-24");
    EXPECT_EQ(runs(region, 19), "15-25");
    EXPECT_EQ(runs(region, 20), "15-25");
    EXPECT_EQ(runs(region, 22), "16-24");
    EXPECT_EQ(runs(region, 24), "19-21");
    EXPECT_EQ(runs(region, 25), "");
    EXPECT_EQ(region.count(), 99 - 32);
    // Marked cells are blue dots, cut ones yellow.
    const auto dot = [&](int pixel, int line) {
        const QPointF p = canvas.toPixel(pixel, line);
        return canvas.pixel(int(p.x()), int(p.y()));
    };
    EXPECT_EQ(dot(20, 20), QColor(Qt::blue));
    EXPECT_EQ(dot(15, 16), QColor(Qt::yellow));
}

TEST(PixelSetRectangle, FlatAndTinyRectanglesDivideNothingByZero)
{
    struct Case {
        PixelSetRectangle rectangle;
        QString centreLine; // the runs of the centre's line
        int count;
    };
    const Case cases[] = {
        {{{20, 20}, 10, 0}, "19-21", 3}, // one line high: only its ends are cut
        {{{20, 20}, 0, 0}, "", 0},       // one cell, cut as its own corner
        {{{20, 20}, 0, 6}, "20-20", 3},  // one pixel wide: its two end lines each way are cut
        {{{1, 2}, 10, 10}, "0-6", 47},   // partly outside the frame: kept to the grid
    };
    for (const Case& c : cases) {
        PictureCanvas canvas(182, 143);
        const PixelSetRegion region = MarkPixelSetRectangle(canvas, c.rectangle);
        EXPECT_EQ(runs(region, c.rectangle.centre.line), c.centreLine) << c.rectangle.width << "x" << c.rectangle.height;
        EXPECT_EQ(region.count(), c.count) << c.rectangle.width << "x" << c.rectangle.height;
    }
}

TEST(PixelSetRectangle, ADragGivesCentreWidthAndHeight)
{
    EXPECT_EQ(rectangleFromDrag({10.4, 20.9}, {30.2, 5.1}), (PixelSetRectangle{{20, 12}, 20, 15}));
    EXPECT_EQ(rectangleFromDrag({7.9, 7.2}, {7.1, 7.8}), (PixelSetRectangle{{7, 7}, 0, 0}));
}

TEST(PixelSetRectangle, TheBuildWritesBothSetFiles)
{
    TempProgramFolder folder;
    PictureCanvas canvas(182, 143);
    ASSERT_EQ(BuildPixelSetRectangle(canvas, {{20, 20}, 10, 8}, folder.folder(), "D4"), PixelSetBuildOutcome::Written);
    const QString grid = QString::fromLatin1(fileBytes(folder.path("w96f_c0__D4.dat")));
    const QString full = QString::fromLatin1(fileBytes(folder.path("w96f_c0full__D4.dat")));
    EXPECT_EQ(full.count(QStringLiteral(",1\r\n")), 67);
    EXPECT_EQ(grid.count(QStringLiteral(",1\r\n")), 3); // line 20, pixels 15, 20 and 25
}

} // namespace
