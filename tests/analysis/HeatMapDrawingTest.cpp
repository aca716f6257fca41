#include "analysis/WellActivityLoader.h"
#include "analysis/heatmap/ActivityAreaFile.h"
#include "analysis/heatmap/HeatMapColours.h"
#include "analysis/heatmap/HeatMapDrawing.h"
#include "picture/PictureCanvas.h"
#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(HeatMapColours, ScalesAsTables)
{
    struct Case {
        qint64 value, max;
        QColor heat, grey;
    };
    const Case cases[] = {
        {1000, 1000, {255, 0, 0}, {0, 0, 0}},
        {500, 1000, {255, 255, 0}, {100, 100, 100}},
        {0, 1000, {0, 0, 255}, {200, 200, 200}},
        {1, 1000, {1, 1, 254}, {200, 200, 200}}, // 0.51 -> 1, 254.49 -> 254, 199.8 -> 200
        {750, 1000, {255, 128, 0}, {50, 50, 50}}, // 127.5 halves to even: 128
        {5000, 1000, {255, 0, 0}, {0, 0, 0}},    // limited to max
        {-7, 1000, {0, 0, 255}, {200, 200, 200}}, // limited to 0
        {5, 0, {0, 0, 255}, {200, 200, 200}},    // no scale: nothing divided by 0
        {8, 8, {255, 0, 0}, {0, 0, 0}},
        {4, 8, {255, 255, 0}, {100, 100, 100}},
        {1, 8, {64, 64, 191}, {175, 175, 175}},
        {5, 8, {255, 191, 0}, {75, 75, 75}},
        {3, 16, {96, 96, 159}, {162, 162, 162}}, // 162.5 halves to even
        {1, 16, {32, 32, 223}, {188, 188, 188}}, // 187.5 halves to even
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 of %2").arg(c.value).arg(c.max).toStdString());
        EXPECT_EQ(ScaleToHeatColour(c.value, c.max), c.heat);
        EXPECT_EQ(ScaleToGreyColour(c.value, c.max), c.grey);
    }
}

// A w6 run of camera 0's well A1 only: three lines of three cells, scans 0
// to 2 at 12.4, 12.5 and 13.0 minutes. Scan 0: cells (line 0, cell 0) 4 and
// (1, 1) 8, scan 1: (1, 1) 2, scan 2: nothing; "-" outside the mask.
struct OneWellRun {
    TempProgramFolder tmp;
    HeatMapData data;
    ScriptedPrompts prompts;
    OneWellRun()
    {
        const char* lines[3][3] = {{"4,0,-", "0,8,0", "0,0,0"}, {"0,0,-", "0,2,0", "0,0,0"}, {"0,0,-", "0,0,0", "0,0,0"}};
        const char* minutes[3] = {"12.4", "12.5", "13.0"};
        QByteArray text;
        for (int s = 0; s < 3; ++s) {
            text += "scan," + QByteArray::number(s) + "\r\ntime[m],\"" + minutes[s] + "\"\r\n";
            for (int p = 0; p < 3; ++p)
                text += "A1," + QByteArray::number(p) + "," + lines[s][p] + "\r\n";
            text += "\r\n";
        }
        EXPECT_TRUE(writeBytes(tmp.path("run/wellactivity00.csv"), text));
        EXPECT_EQ(LoadWellActivityFiles(tmp.path("run"), "w6", data, {}, prompts), WellActivityLoad::Loaded);
    }
};

const PlateGrid kW6{2, 3};

// 300 x 200 units on 300 x 200 pixels: a unit a pixel.
PictureCanvas w6Canvas()
{
    PictureCanvas canvas(300, 200);
    setHeatMapScale(canvas, kW6);
    canvas.clear();
    return canvas;
}

const auto kAlways = [] { return true; };

TEST(HeatMap, SumMapDrawsCellsOutlinesLinesAndNames)
{
    OneWellRun run;
    ASSERT_EQ(run.data.maxSumActivity, 10);
    PictureCanvas canvas = w6Canvas();
    FakeClock clock;
    const HeatMapDrawn drawn = DrawHeatMap(canvas, run.data, kW6, HeatMapMode::Sum, 7, {}, kAlways, clock);
    EXPECT_FALSE(drawn.stopped);
    EXPECT_TRUE(drawn.scanCaption.isEmpty());
    // A1 holds 3 lines of 3 cells: cell (j, i) at x = 100 j / 3, y = 100 - 100 i / 3.
    // (0, 0): 4 of 10 -> (204, 204, 51) at (0, 100); (1, 1): 10 of 10, red, at (33, 67).
    EXPECT_EQ(canvas.pixel(34, 68), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 101), QColor(204, 204, 51));
    EXPECT_EQ(canvas.pixel(67, 34), QColor(255, 255, 255)) << "a cell with sum 0 stays unpainted";
    // Every well's dotted circle (t = 30: d = 40) and the sum's red lines.
    EXPECT_EQ(canvas.pixel(280, 190), QColor(255, 0, 0)) << "B3's circle at (250 + 30, 150 + 40)";
    EXPECT_EQ(canvas.pixel(120, 150), QColor(255, 0, 0)) << "line across B2";
    EXPECT_EQ(canvas.pixel(250, 20), QColor(255, 0, 0)) << "line down column 3";
    EXPECT_EQ(clock.pumpCount(), 6 + 1) << "events after each well and at the end";
    EXPECT_EQ(clock.elapsedMs(), 1);
    canvas.image().save(QStringLiteral("/tmp/heatmap_sum.png"));
}

// A name's underline is a row of dark pixels as wide as the whole name: the
// longest dark run of one row in `area` against the dark pixels' full width.
struct DarkRows {
    int longestRun = 0;
    int width = 0;
};
DarkRows darkRows(const QImage& image, const QRect& area)
{
    DarkRows d;
    int left = area.right() + 1, right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            const bool dark = std::max({qRed(c), qGreen(c), qBlue(c)}) < 100; // not the red outlines
            run = dark ? run + 1 : 0;
            d.longestRun = std::max(d.longestRun, run);
            if (dark) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    d.width = std::max(right - left + 1, 0);
    return d;
}

TEST(HeatMap, ScanViewsTheirScanOnDemand)
{
    OneWellRun run;
    ASSERT_EQ(run.data.lastScan, 2);
    ASSERT_EQ(run.data.maxScanActivity, 8);
    FakeClock clock;
    struct Case {
        int asked;
        QString caption;
        QColor middle; // cell (1, 1)
    };
    const Case cases[] = {
        {0, "Scan(1) 12m", {255, 0, 0}}, // 0 draws scan 1: the files' scan 0
        {1, "Scan(1) 12m", {255, 0, 0}},
        {2, "Scan(2) 12m", {128, 128, 128}}, // 12.5 halves to even; 2 of 8: 127.5 -> 128
        {9, "Scan(2) 12m", {128, 128, 128}}, // the last scan view
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        PictureCanvas canvas = w6Canvas();
        canvas.filledBox(0, 0, 300, 200, QColor(0, 0, 0)); // the scan view paints its squares white
        HeatMapOptions options;
        options.highlight[0] = true;
        const HeatMapDrawn drawn = DrawHeatMap(canvas, run.data, kW6, HeatMapMode::Scan, c.asked, options, kAlways, clock);
        EXPECT_EQ(drawn.scanCaption, c.caption);
        EXPECT_EQ(canvas.pixel(34, 68), c.middle);
        // Cell (0, 0) lies on A1's lower edge: B1's white square, drawn next, covers it.
        EXPECT_EQ(canvas.pixel(1, 101), QColor(255, 255, 255));
        EXPECT_EQ(canvas.pixel(60, 120), QColor(255, 255, 255)) << "B1's square painted white";
        // The names stand at their wells' top left corners; only the highlighted A1 is underlined.
        const DarkRows a1 = darkRows(canvas.image(), QRect(0, 0, 40, 30));
        const DarkRows b1 = darkRows(canvas.image(), QRect(0, 100, 40, 30));
        EXPECT_GT(a1.width, 5) << "A1's name printed";
        EXPECT_GE(a1.longestRun, a1.width - 1) << "A1 underlined";
        EXPECT_GT(b1.width, 5) << "B1's name printed";
        EXPECT_LT(b1.longestRun, b1.width / 2) << "B1 not underlined";
        if (c.asked == 2)
            canvas.image().save(QStringLiteral("/tmp/heatmap_scan.png"));
    }
}

TEST(HeatMap, ARunWithoutScansAndAStoppedDrawing)
{
    OneWellRun run;
    FakeClock clock;
    HeatMapData empty = run.data;
    empty.lastScan = 0;
    PictureCanvas canvas = w6Canvas();
    const HeatMapDrawn none = DrawHeatMap(canvas, empty, kW6, HeatMapMode::Scan, 1, {}, kAlways, clock);
    EXPECT_EQ(none.scanCaption, "Scan(0) 0m");
    EXPECT_EQ(canvas.pixel(34, 68), QColor(255, 255, 255)) << "outlines, no cells";
    EXPECT_EQ(canvas.pixel(80, 90), QColor(255, 0, 0));

    // drawRunning cleared after two wells: the third is not drawn, no pause follows.
    int asked = 0;
    PictureCanvas stopped = w6Canvas();
    const qint64 before = clock.elapsedMs();
    const HeatMapDrawn part =
        DrawHeatMap(stopped, run.data, kW6, HeatMapMode::Sum, 1, {}, [&asked] { return ++asked <= 2; }, clock);
    EXPECT_TRUE(part.stopped);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(clock.elapsedMs(), before);
    EXPECT_EQ(stopped.pixel(34, 68), QColor(255, 0, 0));
}

TEST(HeatMap, AreaExportCountsBlackCellsAndWritesItsFile)
{
    OneWellRun run;
    FakeClock clock;
    HeatMapOptions options;
    options.areaExportActive = true;
    PictureCanvas canvas = w6Canvas();
    const HeatMapDrawn scan1 = DrawHeatMap(canvas, run.data, kW6, HeatMapMode::Scan, 1, options, kAlways, clock);
    // A1's visited cells: lines 0..3 x cells 0..3; the file's 9 cells hold 8 in
    // the mask, 2 of them above 0; lines and cells beyond the file are 0 in the grid.
    ASSERT_EQ(scan1.areaPercent.size(), 6u);
    EXPECT_DOUBLE_EQ(scan1.areaPercent[0], 2.0 / 15.0 * 100);
    EXPECT_EQ(scan1.areaPercent[1], 0.0) << "a well without cells has no area";
    EXPECT_EQ(canvas.pixel(34, 68), QColor(0, 0, 0)) << "black while the export runs";

    const QString path = run.tmp.path("run/" + kActivityAreaFile);
    ASSERT_TRUE(writeBytes(path, "old rows\r\n"));
    const ActivityAreaHeader header{"/data/reports/p/20240315_0930mice", QDateTime(QDate(2024, 3, 15), QTime(9, 30, 12)),
                                    "p", "mice", kW6};
    ASSERT_TRUE(writeActivityAreaHeader(path, header));
    ASSERT_TRUE(appendActivityAreaRow(path, scan1.minutes, scan1.areaPercent));
    ASSERT_TRUE(appendActivityAreaRow(path, 12.5, {12.5, 0, 100, 99.5, 0.4, 50}));
    EXPECT_EQ(fileBytes(path), QByteArray("Folder:,/data/reports/p/20240315_0930mice\r\n"
                                          "Report Date:,2024-03-15 09:30.12\r\n"
                                          "Project:,p\r\n"
                                          "Acquisition:,mice\r\n"
                                          "\r\n"
                                          "WELL AREA OCCUPIED BY ACTIVITY[%]\r\n"
                                          "Time[m],A1,B1,A2,B2,A3,B3\r\n"
                                          "12,13,0,0,0,0,0\r\n"
                                          "12,13,0,100,100,0,50\r\n"));
}

TEST(HeatMap, W24MapIsSixHundredByFourHundredWithTwentyFourCircles)
{
    HeatMapData none;
    const PlateGrid w24{4, 6};
    PictureCanvas canvas(600, 400);
    setHeatMapScale(canvas, w24);
    EXPECT_EQ(canvas.scaleWidth(), 600);
    EXPECT_EQ(canvas.scaleHeight(), 400);
    canvas.clear();
    FakeClock clock;
    DrawHeatMap(canvas, none, w24, HeatMapMode::Sum, 1, {}, kAlways, clock);
    // The point t = 30 (d = 40) below and right of each centre.
    int circles = 0;
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 4; ++r)
            circles += canvas.pixel(100 * c + 80, 100 * r + 90) == QColor(255, 0, 0) ? 1 : 0;
    EXPECT_EQ(circles, 24);
}

} // namespace
