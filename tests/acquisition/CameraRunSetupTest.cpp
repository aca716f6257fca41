#include "acquisition/run/CameraRunSetup.h"

#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <algorithm>

// The camera set-up of a run: speed and exposure from the tallest window, the
// elliptical well masks and the pixel lists.
namespace {

struct Part {
    int ini;
    int end;
};

// Camera 0 sees one rectangle, width x height pixels (end - start), holding
// well 5 with the given parts; every other camera sees nothing.
PlateGeometry oneRectangle(int width, int height, Part col, Part row)
{
    PlateGeometry g;
    g.firstColumn[0] = 0;
    g.lastColumn[0] = 0;
    g.firstRow[0] = 0;
    g.lastRow[0] = 0;
    g.columnStart[0][0] = 10;
    g.columnEnd[0][0] = 10 + width;
    g.rowStart[0][0] = 20;
    g.rowEnd[0][0] = 20 + height;
    g.spcDataIndex[0][0][0] = 5;
    g.spcWellName[0][0][0] = QStringLiteral("B2");
    g.spcColIni[0][0][0] = col.ini;
    g.spcColEnd[0][0][0] = col.end;
    g.spcRowIni[0][0][0] = row.ini;
    g.spcRowEnd[0][0][0] = row.end;
    return g;
}

struct Outcome {
    int result = 0;
    RunRecord run;
    RecordingConsole console;
    ScriptedPrompts prompts;
};

void configure(const PlateGeometry& g, Outcome& o, int generation = 1, int unit = 20, const char* lapse = "30")
{
    const CameraSetupInput in{g, generation, unit, QString::fromLatin1(lapse)};
    o.result = ConfigureCamerasForFormat(in, o.run, o.console, o.prompts);
}

TEST(CameraRunSetup, WellMasksByRectangleAndPart)
{
    struct Case {
        const char* name;
        int width, height;
        Part col, row;
        int positions, inside;
        int xFirst, xLast; // of the inside pixels; -1 for none
    };
    const Case cases[] = {
        {"full well in 41 x 41", 40, 40, {0, 100}, {0, 100}, 1681, 833, 4, 36},
        {"second column half of 20 x 40", 20, 40, {50, 100}, {0, 100}, 861, 433, 0, 16},
        {"first column half of 20 x 40", 20, 40, {0, 50}, {0, 100}, 861, 433, 4, 20},
        {"full well in 11 x 11", 10, 10, {0, 100}, {0, 100}, 121, 5, 4, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Outcome o;
        configure(oneRectangle(c.width, c.height, c.col, c.row), o);
        ASSERT_EQ(o.result, 1);
        EXPECT_EQ(o.console.status(), QStringLiteral("Setting up IR Video-Camera"));
        const WindowPixelList& list = o.run.setup.pixels[0][0];
        ASSERT_EQ(list.positions(), c.positions);
        int inside = 0, xFirst = 1000, xLast = -1;
        for (int n = 1; n <= list.positions(); ++n) {
            EXPECT_EQ(list.pixelWellName[size_t(n)], QStringLiteral("B2"));
            if (list.inWellAt(n)) {
                ++inside;
                EXPECT_EQ(list.wellAt(n), 5);
                xFirst = std::min(xFirst, list.pixelX[size_t(n)]);
                xLast = std::max(xLast, list.pixelX[size_t(n)]);
            } else {
                EXPECT_EQ(list.wellAt(n), -1);
            }
        }
        EXPECT_EQ(inside, c.inside);
        EXPECT_EQ(xFirst, c.xFirst);
        EXPECT_EQ(xLast, c.xLast);
        EXPECT_EQ(o.run.setup.wellPixelCount[5], c.inside);
        EXPECT_EQ(o.run.setup.meanWellPixels, c.inside);
        EXPECT_TRUE(o.prompts.messages.isEmpty());
    }
}

TEST(CameraRunSetup, ListOrderIsXAscendingThenYDescendingAndTheMaskMatchesTheFrame)
{
    Outcome o;
    configure(oneRectangle(40, 40, {0, 100}, {0, 100}), o);
    const WindowPixelList& list = o.run.setup.pixels[0][0];
    EXPECT_EQ(list.pixelX[1], 0);
    EXPECT_EQ(list.pixelY[1], 40);
    EXPECT_EQ(list.pixelY[41], 0);
    EXPECT_EQ(list.pixelX[42], 1);
    // At x = 20, y 4..36 inside: positions 20 * 41 + (40 - y) + 1.
    for (int y = 0; y <= 40; ++y) {
        const int n = 20 * 41 + (40 - y) + 1;
        ASSERT_EQ(list.pixelX[size_t(n)], 20);
        ASSERT_EQ(list.pixelY[size_t(n)], y);
        EXPECT_EQ(list.inWellAt(n), y >= 4 && y <= 36) << y;
        EXPECT_EQ(o.run.setup.wellMask[RunSetup::frameSlot(0, 30, 20 + y)] != 0, y >= 4 && y <= 36) << y;
    }
}

TEST(CameraRunSetup, AnUnusableWellTableIsAConfigurationError)
{
    struct Case {
        const char* name;
        PlateGeometry g;
    };
    PlateGeometry outOfFrame = oneRectangle(40, 40, {0, 100}, {0, 100});
    outOfFrame.columnEnd[0][0] = 200;
    PlateGeometry badIndex = oneRectangle(40, 40, {0, 100}, {0, 100});
    badIndex.spcDataIndex[0][0][0] = 97;
    PlateGeometry tooManyColumns = oneRectangle(40, 40, {0, 100}, {0, 100});
    tooManyColumns.lastColumn[0] = 8;
    // What a damaged row or column file reads as: garbage lines read as 0,0,0,0.
    PlateGeometry emptyRowWindow = oneRectangle(40, 0, {0, 100}, {0, 100});
    PlateGeometry emptyColumn = oneRectangle(0, 40, {0, 100}, {0, 100});
    PlateGeometry reversedRows = oneRectangle(40, 40, {0, 100}, {0, 100});
    std::swap(reversedRows.rowStart[0][0], reversedRows.rowEnd[0][0]);
    PlateGeometry rowsOnly = oneRectangle(40, 40, {0, 100}, {0, 100});
    rowsOnly.firstRow[1] = 0;
    rowsOnly.lastRow[1] = 0;
    rowsOnly.rowStart[1][0] = 10;
    rowsOnly.rowEnd[1][0] = 165;
    const Case cases[] = {
        {"empty row window", emptyRowWindow},
        {"empty column", emptyColumn},
        {"row window ending before it starts", reversedRows},
        {"a camera in the row table only", rowsOnly},
        {"row part 30/70: no pixel inside", oneRectangle(40, 40, {0, 100}, {30, 70})},
        {"equal column parts", oneRectangle(40, 40, {50, 50}, {0, 100})},
        {"equal row parts", oneRectangle(40, 40, {0, 100}, {0, 0})},
        {"mask outside the frame", outOfFrame},
        {"data index outside the tables", badIndex},
        {"relative column outside the tables", tooManyColumns},
        {"no camera sees a well", PlateGeometry{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Outcome o;
        configure(c.g, o);
        EXPECT_EQ(o.result, -1);
        EXPECT_EQ(o.prompts.messages, QStringList{QStringLiteral("Configuration error")});
    }
}

TEST(CameraRunSetup, SpeedAndExposureFromTheTallestWindow)
{
    struct Case {
        int height;
        int generation;
        int speed, factor;
    };
    const Case cases[] = {
        {140, 1, 5, 3}, {140, 2, 6, 2}, {50, 1, 1, 7}, {50, 2, 1, 7}, {51, 1, 2, 6}, {51, 2, 2, 6},
        {91, 1, 3, 5},  {91, 2, 4, 4},  {171, 1, 7, 1}, {171, 2, 8, 1},
    };
    for (const Case& c : cases) {
        const CameraSpeedChoice choice = cameraSpeedFor(c.height, c.generation);
        EXPECT_EQ(choice.speed, c.speed) << c.height << " gen " << c.generation;
        EXPECT_EQ(choice.factor, c.factor) << c.height << " gen " << c.generation;
    }

    // Through the set-up: a 50-pixel window on unit 28 is the largest exposure, 196.
    Outcome o;
    configure(oneRectangle(40, 50, {0, 100}, {0, 100}), o, 2, 28, "30");
    ASSERT_EQ(o.result, 1);
    EXPECT_EQ(o.run.cameraSpeed, 1);
    EXPECT_EQ(o.run.cameraExposure, 196);
    EXPECT_EQ(windowExposure(o.run.cameraExposure, QStringLiteral("w96f"), 3), 255);
    EXPECT_EQ(windowExposure(o.run.cameraExposure, QStringLiteral("w96f"), 2), 196);
    EXPECT_EQ(windowExposure(o.run.cameraExposure, QStringLiteral("w24"), 3), 196);
    // 30 minutes: scans 0..300; the tables start empty and grow scan by scan.
    EXPECT_EQ(o.run.maxScan, 300);
    EXPECT_EQ(o.run.results.scanCount(), 0);
    EXPECT_EQ(o.run.results.wellsPerScan, 97);
    EXPECT_EQ(maxScanFor(QStringLiteral("0.25")), 2); // 2.5 to even
}

TEST(CameraRunSetup, ASecondSetUpStartsFromNothing)
{
    Outcome o;
    configure(oneRectangle(40, 40, {0, 100}, {0, 100}), o);
    o.run.results.addScan(0);
    o.run.results.wellActivityNow[5] = 12;
    configure(oneRectangle(10, 10, {0, 100}, {0, 100}), o);
    ASSERT_EQ(o.result, 1);
    EXPECT_EQ(o.run.setup.pixels[0][0].positions(), 121);
    EXPECT_EQ(o.run.results.scanCount(), 0);
    EXPECT_EQ(o.run.results.wellActivityNow[5], 0);
    EXPECT_EQ(o.run.setup.wellMask[RunSetup::frameSlot(0, 30, 40)], 0); // the 41 x 41 mask is gone
}

} // namespace
