#include "analysis/WellExtent.h"
#include "analysis/chemotaxis/ChemotaxisDataLine.h"
#include "analysis/chemotaxis/ChemotaxisFormat.h"
#include "analysis/chemotaxis/ChemotaxisGroups.h"
#include "analysis/chemotaxis/ChemotaxisReportText.h"

#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

WellGrid gridFor(const WellExtent& e)
{
    WellGrid g;
    g.lines = int(std::nearbyint(1.5 * e.dataLineCount)) + 1;
    g.cells = int(std::nearbyint(1.5 * e.dataWidth)) + 1;
    g.values.assign(size_t(g.lines * g.cells), 0);
    return g;
}

// A well of H lines by W pixels whose cell (r, c) holds its own bit, so the
// sums tell which cells went where.
RegionSums sumsOf(int lines, int pixels)
{
    const WellExtent e{0, lines, 0, pixels};
    WellGrid g = gridFor(e);
    RegionSums sums;
    int position = 0;
    for (int r = 0; r < lines; ++r) {
        QByteArray line = "A1," + QByteArray::number(r);
        for (int c = 0; c < pixels; ++c)
            line += "," + QByteArray::number(1 << (r * pixels + c));
        EXPECT_TRUE(readChemotaxisDataLine(line, e, position, g, sums));
    }
    return sums;
}

// The bits of cells (r, c) of an H x W well that a predicate picks.
template <typename Pick>
qint64 cells(int lines, int pixels, Pick pick)
{
    qint64 total = 0;
    for (int r = 0; r < lines; ++r)
        for (int c = 0; c < pixels; ++c)
            if (pick(r, c))
                total += qint64(1) << (r * pixels + c);
    return total;
}

TEST(ChemotaxisRegionRule, OddAndEvenWellsByHand)
{
    // W is the value count, so a line of W values is read as cells 0 to W - 1
    // and the middle column is W / 2 (even W) or none (odd W).
    struct Case {
        int lines;
        int pixels;
    };
    for (const Case& k : {Case{3, 3}, Case{3, 4}, Case{4, 3}, Case{4, 4}, Case{2, 2}, Case{5, 2}}) {
        const RegionSums s = sumsOf(k.lines, k.pixels);
        const int h = k.lines;
        const int w = k.pixels;
        const std::string at = std::to_string(h) + "x" + std::to_string(w);
        EXPECT_EQ(s.leftSum, cells(h, w, [&](int r, int) { return 2 * r < h; })) << at;
        EXPECT_EQ(s.rightSum, cells(h, w, [&](int r, int) { return 2 * r > h; })) << at;
        EXPECT_EQ(s.bottomSum, cells(h, w, [&](int, int c) { return 2 * c < w; })) << at;
        EXPECT_EQ(s.topSum, cells(h, w, [&](int, int c) { return 2 * c > w; })) << at;
        EXPECT_EQ(s.bottomLeftSum, cells(h, w, [&](int r, int c) { return 2 * c < w && 2 * r < h; })) << at;
        EXPECT_EQ(s.bottomRightSum, cells(h, w, [&](int r, int c) { return 2 * c < w && 2 * r > h; })) << at;
        EXPECT_EQ(s.topLeftSum, cells(h, w, [&](int r, int c) { return 2 * c > w && 2 * r < h; })) << at;
        EXPECT_EQ(s.topRightSum, cells(h, w, [&](int r, int c) { return 2 * c > w && 2 * r > h; })) << at;
    }
    // Hand-worked: a 2 x 2 well, cells 1 2 / 4 8 (line 0: 1, 2; line 1: 4, 8).
    const RegionSums s = sumsOf(2, 2);
    EXPECT_EQ(s.leftSum, 1 + 2); // line 0 below H/2 = 1; line 1 is the middle
    EXPECT_EQ(s.rightSum, 0);
    EXPECT_EQ(s.bottomSum, 1 + 4); // pixel 0 below W/2 = 1; pixel 1 is the middle
    EXPECT_EQ(s.topSum, 0);
    EXPECT_EQ(s.bottomLeftSum, 1);
}

TEST(ChemotaxisRegionRule, MiddleLineAndColumnByHand)
{
    // 3 lines by 4 pixels: middle line 1.5 -> none; lines 0, 1 left, 2 right;
    // pixel 2 is the middle column (W/2 = 2): in no top, bottom or quadrant sum.
    const WellExtent e{0, 3, 0, 4};
    WellGrid g = gridFor(e);
    RegionSums s;
    int position = 0;
    ASSERT_TRUE(readChemotaxisDataLine("A1,0,1,2,3,4", e, position, g, s));
    ASSERT_TRUE(readChemotaxisDataLine("A1,1,10,20,30,40", e, position, g, s));
    ASSERT_TRUE(readChemotaxisDataLine("A1,2,100,200,300,400", e, position, g, s));
    EXPECT_EQ(s.leftSum, 10 + 100);
    EXPECT_EQ(s.rightSum, 1000);
    EXPECT_EQ(s.bottomSum, 1 + 2 + 10 + 20 + 100 + 200);
    EXPECT_EQ(s.topSum, 4 + 40 + 400);
    EXPECT_EQ(s.bottomLeftSum, 1 + 2 + 10 + 20);
    EXPECT_EQ(s.bottomRightSum, 100 + 200);
    EXPECT_EQ(s.topLeftSum, 4 + 40);
    EXPECT_EQ(s.topRightSum, 400);
}

TEST(ChemotaxisDataLine, CellsPositionsAndSkippedLines)
{
    const WellExtent e{1, 3, 1, 3};
    WellGrid g = gridFor(e);
    ASSERT_EQ(g.lines, 5); // lines 0 to 4.5 -> 4, halves to even
    ASSERT_EQ(g.cells, 5);
    RegionSums s;
    int position = 0;
    EXPECT_FALSE(readChemotaxisDataLine("A1,0,-,9,9,9,-,-", e, position, g, s)); // before the first data line
    EXPECT_TRUE(readChemotaxisDataLine("A1,1,-,2,0,-3,-", e, position, g, s));
    EXPECT_EQ(g.at(0, 0), 2);
    EXPECT_EQ(g.at(0, 1), 0);
    EXPECT_EQ(g.at(0, 2), 0);
    EXPECT_EQ(g.at(0, 3), -1);
    EXPECT_FALSE(readChemotaxisDataLine("A1,0,-,0,0,7", e, position, g, s)); // position 0 is a position
    EXPECT_EQ(position, 0);
    EXPECT_FALSE(readChemotaxisDataLine("A1,40,-,5,5,5", e, position, g, s)); // beyond the grid
    position = 3;
    EXPECT_TRUE(readChemotaxisDataLine("A1,-1,-,1,1,6", e, position, g, s)); // keeps line 3; last cell read
    EXPECT_EQ(g.at(2, 2), 6);
    EXPECT_EQ(s.rightSum, 8);
    EXPECT_EQ(s.leftSum, 2);
}

TEST(WellExtent, FirstBlockLines)
{
    WellExtentScan scan;
    for (const char* l : {"A1,0,-,-,-,-,-,-", "A1,1,-,2,0,1,-,-", "A1,2,-,-,0,3,0,-", "A1,3,-,4,0,0,-,-",
                          "A1,4,-,-,-,-,-,-"})
        scan.addLine(l);
    EXPECT_EQ(scan.extent().firstDataLine, 1);
    EXPECT_EQ(scan.extent().dataLineCount, 3);
    EXPECT_EQ(scan.extent().firstDataPixel, 1);
    EXPECT_EQ(scan.extent().dataWidth, 3);

    WellExtentScan none;
    none.addLine("B2,0,-,-");
    none.addLine("B2");
    EXPECT_EQ(none.extent().dataLineCount, 0);
    EXPECT_EQ(none.extent().dataWidth, 0);
}

TEST(ChemotaxisFormat, WellsAndNames)
{
    EXPECT_EQ(chemotaxisFormat("w24")->wellsPerWindow, 2);
    EXPECT_EQ(chemotaxisFormat("p35")->wells, 6);
    EXPECT_EQ(chemotaxisFormat("w96f")->windowsPerCamera, 4);
    EXPECT_EQ(chemotaxisFormat("w96f")->wellsPerWindow, 1);
    EXPECT_FALSE(chemotaxisFormat("w96u"));
    EXPECT_EQ(chemotaxisWellIndex("B3", 4), 9);
    // Damaged names: no column, or one no plate has (it would overflow onto a real well).
    for (const char* name : {"B", "B0", "E2147483647", "A99999999999999999999"})
        EXPECT_EQ(chemotaxisWellIndex(QString::fromLatin1(name), 2), -1) << name;
    EXPECT_EQ(chemotaxisWellName(9, 4), "B3");
    EXPECT_EQ(chemotaxisWellName(5, 2), "B3");
}

TEST(ChemotaxisGroups, LabelsUpToOnePastTheLastWell)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path("run/chgroup.dat"), "#Well, Group, name\r\n"
                                                        "0,2,\"Control\"\r\n"
                                                        "1,-1,\"Free\"\r\n"
                                                        "900,3,\"Far\"\r\n"
                                                        "-4,3,\"Below\"\r\n"
                                                        "5,12,\"Odor \"A\"\"\r\n"
                                                        "6,1,\"Past\"\r\n"
                                                        "7,1,\"Not read\"\r\n"));
    const std::optional<ChemotaxisGroupLabels> labels = readChemotaxisGroupLabels(tmp.path("run"), 6);
    ASSERT_TRUE(labels);
    EXPECT_EQ((*labels)[0], "002_Control");
    EXPECT_EQ((*labels)[1], "-001_Free");
    EXPECT_EQ((*labels)[2], "");
    EXPECT_EQ((*labels)[5], "012_Odor A");
    EXPECT_EQ((*labels)[6], "001_Past"); // one entry past the last well
    EXPECT_EQ((*labels)[7], "");
    EXPECT_FALSE(readChemotaxisGroupLabels(tmp.path("other"), 6));
}

TEST(ChemotaxisReportText, DecimalSeparatorAndDivider)
{
    EXPECT_EQ(chemotaxisNumber(-0.25, "0.0", '.', ";"), "-0.3");
    EXPECT_EQ(chemotaxisNumber(-0.25, "0.0", ',', ";"), "-0,3");
    EXPECT_EQ(chemotaxisNumber(12.5, "0.0", ',', ","), "12.5");
    EXPECT_EQ(chemotaxisNumber(5, "0", ',', ";"), "5");
}

} // namespace
