#include "core/Colors.h"
#include "plate/pictures/ColourTable.h"
#include "picture/PictureFont.h"
#include "plate/pictures/PlatePicture.h"
#include "plate/pictures/PlatePictureGeometry.h"
#include "plate/pictures/WellGroupOverlay.h"

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Ten pixels per logical unit over the picture's -10..110 by -20..260 scale, so
// half units and exact fractions land on pixels of their own.
constexpr int kPxWidth = 1200;
constexpr int kPxHeight = 2800;
const QColor kBackground(200, 200, 220);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const CameraFlags kAllEnabled{true, true, true, true, true, true};

PictureCanvas plateCanvas()
{
    PictureCanvas c(kPxWidth, kPxHeight);
    c.backColor = kBackground;
    return c;
}

QColor colourAt(const PictureCanvas& c, double x, double y)
{
    const QPointF p = c.toPixel(x, y);
    return c.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
}

// Pixels of a logical rectangle that meet a test.
int countPixels(const PictureCanvas& c, const QRectF& area, const std::function<bool(const QColor&)>& test)
{
    const QPointF a = c.toPixel(area.left(), area.top());
    const QPointF b = c.toPixel(area.right(), area.bottom());
    int n = 0;
    for (int y = int(a.y()); y < int(b.y()); ++y)
        for (int x = int(a.x()); x < int(b.x()); ++x)
            n += test(c.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isBlackInk(const QColor& p)
{
    return p.red() < 90 && p.green() < 90 && p.blue() < 90;
}

bool isRedInk(const QColor& p)
{
    return p.red() > 180 && p.green() < 90 && p.blue() < 90;
}

// The labels alone, printed by the canvas at the given corners in the layout's
// font, as the reference the layout's margins must match pixel for pixel.
PictureCanvas labelReference(const std::vector<double>& columnX, const std::vector<double>& rowY)
{
    PictureCanvas c = plateCanvas();
    c.setScale(-10, -20, 120, 280);
    c.clear();
    c.foreColor = QColor(170, 170, 170);
    useArial(c.font);
    c.font.setPointSize(10);
    c.font.setBold(true);
    for (size_t i = 0; i < columnX.size(); ++i) {
        c.currentX = columnX[i];
        c.currentY = -15;
        c.print(QStringLiteral(" %1 ").arg(i + 1));
    }
    for (size_t j = 0; j < rowY.size(); ++j) {
        c.currentX = -5;
        c.currentY = rowY[j];
        c.print(QString(QChar(u'A' + int(j))));
    }
    return c;
}

bool sameArea(const PictureCanvas& a, const PictureCanvas& b, const QRectF& area)
{
    const QRect px = QRectF(a.toPixel(area.left(), area.top()), a.toPixel(area.right(), area.bottom())).toRect();
    return a.image().copy(px) == b.image().copy(px);
}

// The "[OFF]" band of a cell: from 0.2 of its width and 0.4 of its height.
QRectF offMarkArea(const PlateGrid& grid, int column, int row)
{
    const double w = cellWidth(grid);
    const double h = cellHeight(grid);
    return QRectF(cellLeft(column, grid) + 0.2 * w, cellTop(row, grid) + 0.4 * h, 0.7 * w, 0.2 * h);
}

} // namespace

TEST(PlatePicture, GridLinesAtExactFractionsAndLabelsAtRoundedCellCorners)
{
    // Cell corners: nearest whole unit, halves to even (w48 columns 12.5 -> 12,
    // 37.5 -> 38; w24 rows 62.5 -> 62, 187.5 -> 188).
    const struct {
        const char* code;
        PlateGrid grid;
        std::vector<double> verticalLines;
        std::vector<double> horizontalLines;
        std::vector<int> columnCorners;
        std::vector<int> rowCorners;
    } cases[] = {
        {"w48", {6, 8}, {12.5, 25, 37.5, 50, 62.5, 75, 87.5}, {250.0 / 6, 250.0 / 3, 125, 500.0 / 3, 1250.0 / 6},
         {0, 12, 25, 38, 50, 62, 75, 88}, {0, 42, 83, 125, 167, 208}},
        {"w24", {4, 6}, {100.0 / 6, 100.0 / 3, 50, 200.0 / 3, 500.0 / 6}, {62.5, 125, 187.5},
         {0, 17, 33, 50, 67, 83}, {0, 62, 125, 188}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        PictureCanvas picture = plateCanvas();
        EXPECT_EQ(DrawPlateLayout(picture, resolvePlateFormat(QLatin1String(c.code)), kAllEnabled), c.grid);
        EXPECT_EQ(picture.scaleLeft(), -10);
        EXPECT_EQ(picture.scaleTop(), -20);
        EXPECT_EQ(picture.scaleWidth(), 120);
        EXPECT_EQ(picture.scaleHeight(), 280);

        EXPECT_EQ(colourAt(picture, 0, 5), kRed);
        EXPECT_EQ(colourAt(picture, 5, 0), kRed);
        EXPECT_EQ(colourAt(picture, -0.5, 5), kBackground);
        for (double x : c.verticalLines) {
            EXPECT_EQ(colourAt(picture, x, 5), kYellow) << x;
            // One unit thin, and not moved to a whole unit.
            EXPECT_EQ(colourAt(picture, x - 0.3, 5), kBackground) << x;
            EXPECT_EQ(colourAt(picture, x + 0.3, 5), kBackground) << x;
        }
        for (double y : c.horizontalLines) {
            EXPECT_EQ(colourAt(picture, 1, y), kYellow) << y;
            EXPECT_EQ(colourAt(picture, 1, y - 0.3), kBackground) << y;
            EXPECT_EQ(colourAt(picture, 1, y + 0.3), kBackground) << y;
        }

        std::vector<double> columnX;
        for (int corner : c.columnCorners)
            columnX.push_back(corner + 0.2 * 100.0 / c.grid.columns);
        std::vector<double> rowY;
        for (int corner : c.rowCorners)
            rowY.push_back(corner + 0.2 * 250.0 / c.grid.rows);
        const PictureCanvas reference = labelReference(columnX, rowY);
        EXPECT_TRUE(sameArea(picture, reference, QRectF(-10, -20, 120, 19))) << "column labels";
        EXPECT_TRUE(sameArea(picture, reference, QRectF(-10, 0, 9, 260))) << "row labels";
        EXPECT_EQ(countPixels(picture, QRectF(0.5, 0.5, 99, 249), [](const QColor& p) { return isBlackInk(p); }), 0);

        // Later text is size 8, not bold.
        EXPECT_EQ(picture.font.pointSize(), 8);
        EXPECT_FALSE(picture.font.bold());
    }
}

TEST(PlatePicture, TheTwoNinetySixWellCodesDrawAlikeAndAnUnknownCodeDrawsTheOutlineAlone)
{
    PictureCanvas f = plateCanvas();
    PictureCanvas u = plateCanvas();
    EXPECT_EQ(DrawPlateLayout(f, resolvePlateFormat(QStringLiteral("w96f")), kAllEnabled), (PlateGrid{8, 12}));
    DrawPlateLayout(u, resolvePlateFormat(QStringLiteral("w96u")), kAllEnabled);
    EXPECT_EQ(f.image(), u.image());

    PictureCanvas none = plateCanvas();
    EXPECT_EQ(DrawPlateLayout(none, resolvePlateFormat(QStringLiteral("W24")), CameraFlags{}), (PlateGrid{0, 0}));
    EXPECT_EQ(colourAt(none, 0, 125), kRed);
    const auto other = [](const QColor& p) { return p != kBackground && p != kRed; };
    EXPECT_EQ(countPixels(none, QRectF(-10, -20, 120, 280), other), 0);
}

TEST(PlatePicture, DisabledCamerasMarkTheirWellsInTheFormatsWithKnownCameras)
{
    const struct { const char* code; int camera; std::vector<int> marked; } cases[] = {
        {"w6", 2, {2}},                    // A2 only
        {"p35", 5, {5}},                   // B3
        {"w24", 3, {10, 11, 14, 15}},      // C3 D3 C4 D4
        {"w24", 0, {0, 1, 4, 5}},
        {"w96f", 0, {}},
        {"w48", 1, {}},
        {"w12", 4, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " camera " + std::to_string(c.camera));
        CameraFlags flags = kAllEnabled;
        flags[c.camera] = false;
        PictureCanvas picture = plateCanvas();
        const PlateGrid grid = DrawPlateLayout(picture, resolvePlateFormat(QLatin1String(c.code)), flags);
        for (int column = 0; column < grid.columns; ++column) {
            for (int row = 0; row < grid.rows; ++row) {
                const int well = WellIndex(column, row, grid.rows);
                const bool expected = std::find(c.marked.begin(), c.marked.end(), well) != c.marked.end();
                const int ink = countPixels(picture, offMarkArea(grid, column, row), isBlackInk);
                EXPECT_EQ(ink > 0, expected) << "well " << well;
            }
        }
    }
}

TEST(PlatePicture, EveryCameraEnabledMarksNothingInAnyFormat)
{
    for (const QString& code : plateFormatCodes()) {
        PictureCanvas picture = plateCanvas();
        DrawPlateLayout(picture, resolvePlateFormat(code), kAllEnabled);
        EXPECT_EQ(countPixels(picture, QRectF(0.5, 0.5, 99, 249), isBlackInk), 0) << code.toStdString();
    }
}

TEST(WellGroupOverlay, ClearsTheInnerCellFromItsRoundedCornerAndPrintsTheGroup)
{
    PictureCanvas picture = plateCanvas();
    DrawPlateLayout(picture, resolvePlateFormat(QStringLiteral("w48")), kAllEnabled);
    // B2: column 1 starts at 12 (12.5 rounded to even), row 1 at 42; the cell is
    // 12.5 by 41.67, so the white box spans x 13.25..23.25 and y 50.33..79.5.
    DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("w48")), WellIndex(1, 1, 6), 3, kAllEnabled);
    const QColor white(Qt::white);
    EXPECT_EQ(colourAt(picture, 13.3, 60), white);
    EXPECT_EQ(colourAt(picture, 13.15, 60), kBackground);
    EXPECT_EQ(colourAt(picture, 23.2, 60), white);
    EXPECT_EQ(colourAt(picture, 23.4, 60), kBackground);
    EXPECT_EQ(colourAt(picture, 15, 50.4), white);
    EXPECT_EQ(colourAt(picture, 15, 50.2), kBackground);
    EXPECT_EQ(colourAt(picture, 15, 79.45), white);
    EXPECT_EQ(colourAt(picture, 15, 79.65), kBackground);
    // The grid line between the columns stays.
    EXPECT_EQ(colourAt(picture, 25, 60), kYellow);

    // "G3" in red from (14.5, 67); no "[OFF]".
    const QRectF box(13.25, 50.4, 10, 29);
    EXPECT_GT(countPixels(picture, QRectF(14.5, 67, 8.7, 12.4), isRedInk), 0);
    EXPECT_EQ(countPixels(picture, box, isBlackInk), 0);
    EXPECT_EQ(picture.font.pointSize(), 8);

    // Out of any group: the label area turns plain white.
    DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("w48")), WellIndex(1, 1, 6), -1, kAllEnabled);
    EXPECT_EQ(countPixels(picture, box, [&](const QColor& p) { return p != white; }), 0);
}

TEST(WellGroupOverlay, MarksWellsOfADisabledCameraAndUsesSmallTextOnNinetySixWells)
{
    CameraFlags flags = kAllEnabled;
    flags[1] = false;
    PictureCanvas picture = plateCanvas();
    const PlateGrid grid = DrawPlateLayout(picture, resolvePlateFormat(QStringLiteral("w24")), kAllEnabled);
    for (int well : {0, 2, 3, 6, 7, 8}) {
        DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("w24")), well, -1, flags);
        const WellPosition p = *wellPosition(well, grid);
        const bool off = well != 0 && well != 8;
        EXPECT_EQ(countPixels(picture, offMarkArea(grid, p.column, p.row), isBlackInk) > 0, off) << well;
    }

    // In formats whose cameras are not known here nothing is marked, even for camera 0.
    flags = kAllEnabled;
    flags[0] = false;
    DrawPlateLayout(picture, resolvePlateFormat(QStringLiteral("w96f")), flags);
    DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("w96f")), 0, -1, flags);
    EXPECT_EQ(countPixels(picture, QRectF(0.5, 0.5, 99, 249), isBlackInk), 0);
    EXPECT_EQ(picture.font.pointSize(), 6);
}

TEST(WellGroupOverlay, WellsOffTheGridAreNotDrawn)
{
    PictureCanvas picture = plateCanvas();
    DrawPlateLayout(picture, resolvePlateFormat(QStringLiteral("w48")), kAllEnabled);
    const QImage before = picture.image();
    DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("w48")), 48, 1, kAllEnabled);
    DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("w48")), -1, 1, kAllEnabled);
    DrawWellGroupOverlay(picture, resolvePlateFormat(QStringLiteral("W48")), 0, 1, kAllEnabled);
    EXPECT_EQ(picture.image(), before);
}

TEST(WellGroupOverlay, GroupColourByTheLastDigit)
{
    const struct { int group; QColor colour; } cases[] = {
        {0, QColor(0, 0, 0)},   {5, QColor(0, 0, 0)},     {15, QColor(0, 0, 0)},    {1, QColor(0, 255, 0)},
        {16, QColor(0, 255, 0)}, {12, QColor(0, 0, 255)}, {7, QColor(0, 0, 255)},   {3, QColor(255, 0, 0)},
        {38, QColor(255, 0, 0)}, {4, QColor(255, 255, 0)}, {119, QColor(255, 255, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(groupColour(c.group), c.colour) << c.group;
}

TEST(ColourTable, SixColoursFromDarkRedToDarkGreenAndABlackSeventh)
{
    const ColourTable t = BuildColourTable();
    EXPECT_EQ(t.colourCount, 6);
    const QColor expected[] = {{210, 0, 0}, {255, 85, 0}, {255, 170, 0}, {255, 255, 0},
                               {170, 255, 0}, {0, 210, 0}, {0, 0, 0}};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(colorFromBgr(t.colourTable[i]), expected[i]) << i;
}

TEST(PlatePicture, InitPlateViewGivesEachFramePixelFourUnits)
{
    PictureCanvas picture = plateCanvas();
    DrawPlateLayout(picture, resolvePlateFormat(QStringLiteral("w6")), kAllEnabled);
    InitPlateView(picture, 190, 140);
    EXPECT_EQ(picture.scaleLeft(), 0);
    EXPECT_EQ(picture.scaleTop(), 0);
    EXPECT_EQ(picture.scaleWidth(), 760);
    EXPECT_EQ(picture.scaleHeight(), 560);
    EXPECT_EQ(colourAt(picture, 380, 280), kBackground);

    // An empty frame size leaves a usable scale.
    InitPlateView(picture, 0, 0);
    const QPointF p = picture.toPixel(1, 1);
    EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
}

TEST(PlatePictureGeometry, WellUnderAPoint)
{
    const PlateGrid w48{6, 8};
    EXPECT_EQ(wellAtPoint(w48, 12.49, 41.6), (WellPosition{0, 0}));
    EXPECT_EQ(wellAtPoint(w48, 12.5, 41.7), (WellPosition{1, 1}));
    EXPECT_EQ(wellAtPoint(w48, 99.999999999999, 249.99999999999), (WellPosition{7, 5}));
    EXPECT_FALSE(wellAtPoint(w48, 100, 10));
    EXPECT_FALSE(wellAtPoint(w48, -0.01, 10));
    EXPECT_FALSE(wellAtPoint(w48, 10, 250));
    EXPECT_FALSE(wellAtPoint(w48, std::nan(""), 10));
    EXPECT_FALSE(wellAtPoint(PlateGrid{}, 10, 10));
}
