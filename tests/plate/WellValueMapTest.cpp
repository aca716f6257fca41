#include "core/Colors.h"
#include "plate/pictures/ColourTable.h"
#include "picture/PictureFont.h"
#include "plate/pictures/PlatePicture.h"
#include "plate/pictures/PlatePictureGeometry.h"
#include "plate/pictures/WellValueMap.h"
#include "plate/pictures/WindowStrip.h"

#include <QRectF>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Ten pixels per logical unit over the plate picture's -10..110 by -20..260 scale.
constexpr int kPxWidth = 1200;
constexpr int kPxHeight = 2800;
const QColor kBackground(200, 200, 220);
const QColor kWhite(255, 255, 255);
const QColor kOrange(255, 85, 0);
const CameraFlags kAllEnabled{true, true, true, true, true, true};

// "w24": camera 4 sees columns 5 and 6 from row A; window 1 is row B, wells B5
// (plate well 17) and B6 (21). Its columns are 40 and 50 camera pixels wide,
// its rows 30 high.
constexpr int kCamera = 4;
constexpr int kWindow = 1;
constexpr int kB5 = 17;
constexpr int kB6 = 21;

PlateGeometry w24Geometry()
{
    PlateGeometry g;
    g.firstColumn[kCamera] = 4;
    g.lastColumn[kCamera] = 5;
    g.firstRow[kCamera] = 0;
    g.lastRow[kCamera] = 1;
    g.columnStart[kCamera][0] = 10;
    g.columnEnd[kCamera][0] = 50;
    g.columnStart[kCamera][1] = 50;
    g.columnEnd[kCamera][1] = 100;
    g.rowStart[kCamera][0] = 0;
    g.rowEnd[kCamera][0] = 30;
    g.rowStart[kCamera][1] = 30;
    g.rowEnd[kCamera][1] = 60;
    g.rowLabel[kCamera][0] = QStringLiteral("A");
    g.rowLabel[kCamera][1] = QStringLiteral("B");
    g.columnLabel[kCamera][0] = QStringLiteral("5");
    g.columnLabel[kCamera][1] = QStringLiteral("6");
    for (int k = 0; k < 2; ++k)
        for (int w = 0; w < 2; ++w)
            g.spcDataIndex[kCamera][k][w] = WellIndex(4 + k, w, 4);
    return g;
}

struct Plate {
    PlateGeometry geometry = w24Geometry();
    CameraFlags flags = kAllEnabled;
    ColourTable colours = BuildColourTable();
    QString formatPlate = QStringLiteral("w24");
    QString wellFormat = QStringLiteral("w24");

    LiveMapContext context() const { return {wellFormat, formatPlate, geometry, flags, colours}; }
};

PictureCanvas w24Picture()
{
    PictureCanvas c(kPxWidth, kPxHeight);
    c.backColor = kBackground;
    DrawPlateLayout(c, resolvePlateFormat(QStringLiteral("w24")), kAllEnabled);
    return c;
}

struct CellBox {
    double x, y, w, h;
};

CellBox cellOf(int column, int row)
{
    const PlateGrid grid{4, 6};
    return {double(cellLeft(column, grid)), double(cellTop(row, grid)), cellWidth(grid), cellHeight(grid)};
}

const CellBox kCellB5 = cellOf(4, 1);
const CellBox kCellB6 = cellOf(5, 1);

// The part of a cell that a result clears: 0.05 to 0.9 of its width and height.
QRectF valueArea(const CellBox& c)
{
    return QRectF(QPointF(c.x + 0.05 * c.w, c.y + 0.05 * c.h), QPointF(c.x + 0.9 * c.w, c.y + 0.9 * c.h));
}

QRect pixelArea(const PictureCanvas& c, const QRectF& area)
{
    return QRectF(c.toPixel(area.left(), area.top()), c.toPixel(area.right(), area.bottom())).toRect();
}

QColor colourAt(const PictureCanvas& c, double x, double y)
{
    const QPointF p = c.toPixel(x, y);
    return c.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
}

// A cell showing nothing but a value: white, the text printed from its corner
// in black Arial of the given size, as the map must leave it.
PictureCanvas valueReference(const CellBox& cell, const QString& text, int pointSize)
{
    PictureCanvas c = w24Picture();
    c.filledBox(cell.x + 0.05 * cell.w, cell.y + 0.05 * cell.h, cell.x + 0.9 * cell.w, cell.y + 0.9 * cell.h, kWhite);
    useArial(c.font);
    c.font.setPointSize(pointSize);
    c.foreColor = Qt::black;
    c.currentX = cell.x + 0.05 * cell.w;
    c.currentY = cell.y + 0.05 * cell.h;
    c.print(text);
    return c;
}

bool sameArea(const PictureCanvas& a, const PictureCanvas& b, const QRectF& area)
{
    const QRect px = pixelArea(a, area);
    return a.image().copy(px) == b.image().copy(px);
}

// Logical positions of the pixels of a colour.
std::vector<QPointF> pixelsOf(const PictureCanvas& c, const QColor& colour)
{
    std::vector<QPointF> found;
    for (int y = 0; y < c.heightPx(); ++y)
        for (int x = 0; x < c.widthPx(); ++x)
            if (c.pixel(x, y) == colour)
                found.push_back(c.toLogical(QPointF(x + 0.5, y + 0.5)));
    return found;
}

// Pixels that differ between two pictures, outside some logical discs.
int changesOutside(const PictureCanvas& a, const PictureCanvas& b, const std::vector<QPointF>& centres, double radius)
{
    int n = 0;
    for (int y = 0; y < a.heightPx(); ++y) {
        for (int x = 0; x < a.widthPx(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            const QPointF p = a.toLogical(QPointF(x + 0.5, y + 0.5));
            bool near = false;
            for (const QPointF& c : centres)
                near = near || std::hypot(p.x() - c.x(), p.y() - c.y()) <= radius;
            n += near ? 0 : 1;
        }
    }
    return n;
}

QPointF dotCentre(const CellBox& c)
{
    return {c.x + 0.8 * c.w, c.y + 0.1 * c.h};
}

} // namespace

TEST(WellValueMap, PrintsTheBlankCorrectedValueTimesTheFactorRoundedHalfAwayFromZero)
{
    const struct {
        double activity;
        int blankCount;
        int blankLapse;
        double elapsed;
        bool blankRun;
        double factor;
        const char* formatPlate;
        const char* shown;
        int pointSize;
    } cases[] = {
        {120, 30, 10, 20, false, 1.5, "w24", "90", 8},   // (120 - 30 / 10 * 20) * 1.5
        {120, 30, 10, 50, false, 1.5, "w24", "0", 8},    // below 0
        {120, 30, 0, 20, false, 1.5, "w24", "180", 8},   // no blank loaded
        {120, 30, 10, 20, true, 1.5, "w24", "180", 8},   // a blank measurement
        {12.5, 0, 0, 0, false, 1, "w24", "13", 8},
        {25, 30, 10, 5, false, 0.25, "w24", "3", 8},     // (25 - 15) * 0.25 = 2.5
        {0.49, 0, 0, 0, false, 1, "w24", "0", 8},
        {-3.5, 0, 0, 0, false, 1, "w24", "0", 8},
        {1234, 7, 30, 9, false, 1, "w24", "1232", 8},   // 1234 - 2.1
        {120, 30, 10, 20, false, 1.5, "w96f", "90", 6}, // the other format box decides the size
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        Plate plate;
        plate.formatPlate = QLatin1String(c.formatPlate);
        RunView run;
        run.wellActivityNow[kB5] = c.activity;
        run.blankValue[kB5] = c.blankCount;
        run.blankLapse = c.blankLapse;
        run.blankRun = c.blankRun;
        run.intRefFactor[kB5] = c.factor;
        PictureCanvas picture = w24Picture();
        DrawWellValueMap(picture, plate.context(), run, c.elapsed, kCamera, kWindow, WellMapMode::Results);

        const QString text = QLatin1String(c.shown);
        EXPECT_TRUE(sameArea(picture, valueReference(kCellB5, text, c.pointSize), valueArea(kCellB5)));
        EXPECT_EQ(picture.font.pointSize(), c.pointSize);
        EXPECT_EQ(picture.foreColor, QColor(128, 128, 128)); // left for later text
    }
}

TEST(WellValueMap, MarksTheWellsOfTheMeasuredWindowWithBlackDotsAndResultsEraseThem)
{
    Plate plate;
    const RunView run;
    PictureCanvas picture = w24Picture();
    const PictureCanvas layout = w24Picture();
    EXPECT_EQ(DrawWellValueMap(picture, plate.context(), run, 0, kCamera, kWindow, WellMapMode::Measuring),
              (PlateGrid{4, 6}));

    // B5 and B6 and nowhere else (the camera also sees A5 and A6).
    for (const CellBox& cell : {kCellB5, kCellB6})
        EXPECT_EQ(colourAt(picture, dotCentre(cell).x(), dotCentre(cell).y()), QColor(Qt::black));
    EXPECT_EQ(changesOutside(picture, layout, {dotCentre(kCellB5), dotCentre(kCellB6)}, 0.6), 0);
    EXPECT_GT(changesOutside(picture, layout, {}, 0), 0);
    EXPECT_EQ(picture.fillStyle, PictureCanvas::FillStyle::Solid); // left solid for later drawings
    EXPECT_EQ(picture.font.pointSize(), 10);

    // The run start's row of marks draws the same, whatever the camera's flag.
    plate.flags[kCamera] = false;
    PictureCanvas row = w24Picture();
    EXPECT_EQ(DrawWellActivityRow(row, plate.context(), kCamera, kWindow), (PlateGrid{4, 6}));
    EXPECT_EQ(row.image(), picture.image());

    // The map itself skips a disabled camera.
    const QImage marked = picture.image();
    EXPECT_FALSE(DrawWellValueMap(picture, plate.context(), run, 0, kCamera, kWindow, WellMapMode::Results));
    EXPECT_EQ(picture.image(), marked);

    plate.flags[kCamera] = true;
    DrawWellValueMap(picture, plate.context(), run, 0, kCamera, kWindow, WellMapMode::Results);
    for (const CellBox& cell : {kCellB5, kCellB6})
        EXPECT_EQ(colourAt(picture, dotCentre(cell).x(), dotCentre(cell).y()), kWhite);
}

namespace {

// Camera 4's window 1: pixel s at well, offsets x and y, count.
struct PixelCase {
    int well;
    int x;
    int y;
    int count;
};

RunView runWithPixels(const std::vector<PixelCase>& pixels)
{
    RunView run;
    run.windowPixels = int(pixels.size());
    auto& wells = run.pixelWellIndex[kCamera][kWindow];
    auto& xs = run.pixelX[kCamera][kWindow];
    auto& ys = run.pixelY[kCamera][kWindow];
    wells.assign(1, -1);
    xs.assign(1, 0);
    ys.assign(1, 0);
    run.pixelActivityCount.assign(1, 0);
    for (const PixelCase& p : pixels) {
        wells.push_back(p.well);
        xs.push_back(p.x);
        ys.push_back(p.y);
        run.pixelActivityCount.push_back(p.count);
    }
    run.wellActivityNow[kB5] = 41;
    run.wellActivityNow[kB6] = 7;
    return run;
}

const std::vector<PixelCase> kPixels{
    {kB5, 0, 0, 2},   // the cell's top-left corner
    {kB5, 20, 15, 1}, // the middle of B5
    {kB5, 10, 10, 0}, // still
    {kB6, 25, 6, 5},  // B6: half its 50-pixel width, a fifth of its height
    {-1, 5, 5, 9},    // in no well
    {16, 5, 5, 3},    // A5, not in this window
};

// Where each orange pixel is: every one belongs to a stroke from a point one
// unit down and right, and every expected stroke has pixels.
void expectStrokesAt(const PictureCanvas& picture, const std::vector<QPointF>& starts)
{
    const std::vector<QPointF> orange = pixelsOf(picture, kOrange);
    std::vector<int> hits(starts.size(), 0);
    for (const QPointF& p : orange) {
        bool onStroke = false;
        for (size_t i = 0; i < starts.size(); ++i) {
            const double dx = p.x() - starts[i].x();
            const double dy = p.y() - starts[i].y();
            if (dx > -0.3 && dx < 1.3 && dy > -0.3 && dy < 1.3 && std::fabs(dx - dy) < 0.3) {
                onStroke = true;
                ++hits[i];
            }
        }
        EXPECT_TRUE(onStroke) << "orange at " << p.x() << ", " << p.y();
    }
    for (size_t i = 0; i < starts.size(); ++i)
        EXPECT_GT(hits[i], 0) << "no stroke at " << starts[i].x() << ", " << starts[i].y();
}

} // namespace

TEST(WellValueMap, DrawsTheMovingPixelsAsOrangeStrokesAtTheirPlacesInTheirCells)
{
    Plate plate;
    const RunView run = runWithPixels(kPixels);
    PictureCanvas picture = w24Picture();
    DrawWellValueMap(picture, plate.context(), run, 0, kCamera, kWindow, WellMapMode::Results);

    expectStrokesAt(picture, {
                                 {kCellB5.x, kCellB5.y},                                   // 0, 0
                                 {kCellB5.x + 0.5 * kCellB5.w, kCellB5.y + 0.5 * kCellB5.h}, // 20 of 40, 15 of 30
                                 {kCellB6.x + 0.5 * kCellB6.w, kCellB6.y + 0.2 * kCellB6.h}, // 25 of 50, 6 of 30
                             });
}

TEST(WellValueMap, AColumnOrRowOfNoWidthDrawsNoDotsAndStillPrintsTheValue)
{
    const struct {
        const char* name;
        std::function<void(PlateGeometry&)> narrow;
        bool dotsInB6;
    } cases[] = {
        {"first column", [](PlateGeometry& g) { g.columnEnd[kCamera][0] = g.columnStart[kCamera][0]; }, true},
        {"window row", [](PlateGeometry& g) { g.rowEnd[kCamera][kWindow] = g.rowStart[kCamera][kWindow]; }, false},
        {"reversed column", [](PlateGeometry& g) { g.columnEnd[kCamera][0] = g.columnStart[kCamera][0] - 5; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Plate plate;
        c.narrow(plate.geometry);
        const RunView run = runWithPixels(kPixels);
        PictureCanvas picture = w24Picture();
        DrawWellValueMap(picture, plate.context(), run, 0, kCamera, kWindow, WellMapMode::Results);

        std::vector<QPointF> expected;
        if (c.dotsInB6)
            expected.push_back({kCellB6.x + 0.5 * kCellB6.w, kCellB6.y + 0.2 * kCellB6.h});
        expectStrokesAt(picture, expected);
        EXPECT_TRUE(sameArea(picture, valueReference(kCellB5, QStringLiteral("41"), 8), valueArea(kCellB5)));
    }
}

TEST(WellValueMap, DrawsNothingWhereThereIsNoCellOrNoWellToDraw)
{
    const struct {
        const char* name;
        std::function<void(Plate&)> change;
        int camera;
        int window;
        std::optional<PlateGrid> grid;
    } cases[] = {
        {"format outside the table", [](Plate& p) { p.wellFormat = QStringLiteral("W24"); }, kCamera, kWindow,
         PlateGrid{}},
        {"camera that sees nothing", [](Plate& p) { p.geometry.firstColumn[kCamera] = -1; }, kCamera, kWindow,
         PlateGrid{4, 6}},
        {"window beyond the tables", [](Plate&) {}, kCamera, kRowWindows, PlateGrid{4, 6}},
        {"no camera", [](Plate&) {}, kNoCamera, kWindow, std::nullopt},
        {"negative camera", [](Plate&) {}, -1, kWindow, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Plate plate;
        c.change(plate);
        const RunView run = runWithPixels(kPixels);
        PictureCanvas picture = w24Picture();
        const QImage before = picture.image();
        for (WellMapMode mode : {WellMapMode::Measuring, WellMapMode::Results})
            EXPECT_EQ(DrawWellValueMap(picture, plate.context(), run, 10, c.camera, c.window, mode), c.grid);
        DrawWellActivityRow(picture, plate.context(), c.camera, c.window);
        EXPECT_EQ(picture.image(), before);
    }
}

TEST(WellValueMap, AWellWithoutADataIndexKeepsItsDotsAndShowsNoValue)
{
    Plate plate;
    plate.geometry.spcDataIndex[kCamera][0][kWindow] = kWellSlots; // off the per-well tables
    const RunView run = runWithPixels(kPixels);
    PictureCanvas picture = w24Picture();
    DrawWellValueMap(picture, plate.context(), run, 0, kCamera, kWindow, WellMapMode::Results);

    const QRectF textBand(kCellB5.x + 0.05 * kCellB5.w, kCellB5.y + 0.05 * kCellB5.h, 0.8 * kCellB5.w, 5);
    const QRect px = pixelArea(picture, textBand);
    int ink = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            ink += picture.pixel(x, y) == kWhite || picture.pixel(x, y) == kOrange ? 0 : 1;
    EXPECT_EQ(ink, 0);
    EXPECT_EQ(colourAt(picture, kCellB5.x + 0.5 * kCellB5.w + 0.5, kCellB5.y + 0.5 * kCellB5.h + 0.5), kOrange);
}
