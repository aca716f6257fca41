#include "plate/pictures/WindowStrip.h"

#include <QRectF>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QColor kBackground(200, 200, 220);
const QColor kStripGrey(200, 200, 200);
const QColor kRed(255, 0, 0);

// Camera 4 of "w24" seen from window 1 (row B): columns "5" and "6", 40 and 50
// camera pixels wide, the row 30 high. Its strip scale runs x -5..42, y -2..93:
// at ten pixels a unit, 470 by 950 pixels.
constexpr int kCamera = 4;
constexpr int kWindow = 1;
constexpr double kH = 30;

CameraWindowTables w24Windows()
{
    CameraWindowTables t;
    t.firstColumn[kCamera] = 4;
    t.lastColumn[kCamera] = 5;
    t.firstRow[kCamera] = 0;
    t.lastRow[kCamera] = 1;
    t.columnStart[kCamera][0] = 10;
    t.columnEnd[kCamera][0] = 50;
    t.columnStart[kCamera][1] = 50;
    t.columnEnd[kCamera][1] = 100;
    t.rowStart[kCamera][kWindow] = 30;
    t.rowEnd[kCamera][kWindow] = 60;
    t.rowLabel[kCamera][kWindow] = QStringLiteral("B");
    t.columnLabel[kCamera][0] = QStringLiteral("5");
    t.columnLabel[kCamera][1] = QStringLiteral("6");
    return t;
}

PictureCanvas stripCanvas()
{
    PictureCanvas c(470, 950);
    c.backColor = kBackground;
    return c;
}

bool isRedInk(const QColor& p)
{
    return p.red() > 180 && p.green() < 120 && p.blue() < 120;
}

QColor colourAt(const PictureCanvas& c, double x, double y)
{
    const QPointF p = c.toPixel(x, y);
    return c.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
}

} // namespace

TEST(WindowStrip, DrawsTheWindowAcrossItsRowHeightWithAColumnSeparatorAndTheWellNames)
{
    PictureCanvas Picact(120, 280);
    Picact.font.setPointSize(10);
    Picact.font.setBold(true);
    PictureCanvas Picact2 = stripCanvas();
    DrawWindowStrip(Picact, Picact2, w24Windows(), kCamera, kWindow);

    EXPECT_EQ(Picact.font.pointSize(), 8);
    EXPECT_FALSE(Picact.font.bold());

    // Corners (-5, -2) and (1.4 H, W + 3), W = 40 + 50.
    EXPECT_EQ(Picact2.scaleLeft(), -5);
    EXPECT_EQ(Picact2.scaleTop(), -2);
    EXPECT_DOUBLE_EQ(Picact2.scaleWidth(), 1.4 * kH + 5);
    EXPECT_DOUBLE_EQ(Picact2.scaleHeight(), 95);

    // Outline from (-1, 0) to (H + 2, W + 2), a separator after the first column only.
    EXPECT_EQ(colourAt(Picact2, -1, 45), kStripGrey);
    EXPECT_EQ(colourAt(Picact2, kH + 2, 45), kStripGrey);
    EXPECT_EQ(colourAt(Picact2, 15, 0), kStripGrey);
    EXPECT_EQ(colourAt(Picact2, 15, 92), kStripGrey);
    EXPECT_EQ(colourAt(Picact2, 15, 40), kStripGrey);
    EXPECT_EQ(colourAt(Picact2, 15, 20), kBackground);
    EXPECT_EQ(colourAt(Picact2, 15, 70), kBackground);
    EXPECT_EQ(colourAt(Picact2, 15, 90), kBackground);

    // "B5" and "B6" in red from (H + 3, S - 8), S the running column widths.
    PictureCanvas reference = stripCanvas();
    reference.setScale(-5, -2, 1.4 * kH + 5, 95);
    reference.clear();
    reference.foreColor = kRed;
    for (const auto& [name, s] : {std::pair{"B5", 40.0}, std::pair{"B6", 90.0}}) {
        reference.currentX = kH + 3;
        reference.currentY = s - 8;
        reference.print(QLatin1String(name));
    }
    // Beside the outline, above and below the separator's end.
    const QRectF beside[] = {QRectF(kH + 2.6, -2, 0.4 * kH - 2.6, 41.5), QRectF(kH + 2.6, 40.6, 0.4 * kH - 2.6, 52)};
    for (const QRectF& area : beside) {
        const QRect names = QRectF(Picact2.toPixel(area.left(), area.top()),
                                   Picact2.toPixel(area.right(), area.bottom())).toRect();
        EXPECT_EQ(Picact2.image().copy(names), reference.image().copy(names));
        int red = 0;
        for (int y = names.top(); y <= names.bottom(); ++y)
            for (int x = names.left(); x <= names.right(); ++x)
                red += isRedInk(Picact2.pixel(x, y)) ? 1 : 0;
        EXPECT_GT(red, 0);
    }

    // The live view of a new window is this strip.
    PictureCanvas live = stripCanvas();
    DrawLivePlateValues(Picact, live, w24Windows(), kCamera, kWindow);
    EXPECT_EQ(live.image(), Picact2.image());
}

TEST(WindowStrip, AWindowWithoutWellsLeavesAnEmptyOutline)
{
    for (int camera : {0, kNoCamera, -1}) {
        SCOPED_TRACE(camera);
        PictureCanvas Picact(120, 280);
        PictureCanvas Picact2 = stripCanvas();
        Picact2.foreColor = Qt::black;
        DrawWindowStrip(Picact, Picact2, w24Windows(), camera, kWindow);
        EXPECT_EQ(Picact2.scaleWidth(), 5);
        EXPECT_EQ(Picact2.scaleHeight(), 5);
        int red = 0;
        for (int y = 0; y < Picact2.heightPx(); ++y)
            for (int x = 0; x < Picact2.widthPx(); ++x)
                red += isRedInk(Picact2.pixel(x, y)) ? 1 : 0;
        EXPECT_EQ(red, 0);
    }
}
