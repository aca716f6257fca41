#include "plate/files/WellSpecFile.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {
const QByteArray kHeader = "w12 specifications,,,,,,,,,\r\n"
                           "camera,column,row,dataindex,name,plotindex,col_ini,col_end,row_ini,row_end\r\n";
}

TEST(WellSpecFile, DefaultW24TableFillsEachCameraPosition)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(copyFixture(QStringLiteral("plate/w24_spc.dat"), tmp.path(QStringLiteral("config/w24_spc.dat"))));
    WellSpecTable t;
    const TableReadReport r = ReadWellSpecFile(tmp.folder(), QStringLiteral("w24"), t);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.rowsRead, 24);
    EXPECT_EQ(r.rowsSkipped, 0);
    EXPECT_EQ(t.spcDataIndex[5][1][1], 23);
    EXPECT_EQ(t.spcWellName[5][1][1], QStringLiteral("D6"));
    EXPECT_EQ(t.spcDataIndex[1][0][0], 2);
    EXPECT_EQ(t.spcWellName[1][0][0], QStringLiteral("C1"));
    EXPECT_EQ(t.spcPlotIndex[2][1][0], 12);
    EXPECT_EQ(t.spcColEnd[3][0][1], 100);
    EXPECT_EQ(t.spcRowIni[3][0][1], 0);
}

TEST(WellSpecFile, EachReadStartsFromEmptyTables)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(copyFixture(QStringLiteral("plate/w24_spc.dat"), tmp.path(QStringLiteral("config/w24_spc.dat"))));
    ASSERT_TRUE(copyFixture(QStringLiteral("plate/w6_spc.dat"), tmp.path(QStringLiteral("config/w6_spc.dat"))));
    WellSpecTable t;
    ReadWellSpecFile(tmp.folder(), QStringLiteral("w24"), t);
    ReadWellSpecFile(tmp.folder(), QStringLiteral("w6"), t);
    EXPECT_EQ(t.spcDataIndex[0][1][0], 0);
    EXPECT_EQ(t.spcWellName[0][1][0], QString());
    EXPECT_EQ(t.spcDataIndex[4][0][0], 4);
    EXPECT_EQ(t.spcWellName[4][0][0], QStringLiteral("A3"));

    // A format without a table (an unknown code among them) empties them all.
    const TableReadReport r = ReadWellSpecFile(tmp.folder(), QStringLiteral("w96f"), t);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(t.spcDataIndex[4][0][0], 0);
    EXPECT_EQ(t.spcWellName[4][0][0], QString());
}

TEST(WellSpecFile, LaterLineWinsAndRowsOutsideTheTablesAreSkipped)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config/w12_spc.dat")),
                           kHeader +
                               "0,0,0,0,A1,0,0,100,0,100\r\n"
                               "0,0,0,1,B1,1,10,90,20,80\r\n"   // same position: replaces the line above
                               "6,0,0,5,B2,5,0,100,0,100\r\n"   // camera 6 is no camera
                               "1,8,0,5,B2,5,0,100,0,100\r\n"   // column past the camera's 8
                               "1,0,-1,5,B2,5,0,100,0,100\r\n"  // row before the first
                               "1,0,0,385,B2,5,0,100,0,100\r\n" // no per-well slot 385
                               "1,0,0,5,B2,5,0,100\r\n"         // two fields short
                               "1,0,0,5,B2,5,0,100,0,99999\r\n" // too large for the tables
                               "\r\n"
                               "2,1,2,7,D2,abc,0,100.6,0,100\r\n")); // text reads as 0, numbers round
    WellSpecTable t;
    const TableReadReport r = ReadWellSpecFile(tmp.folder(), QStringLiteral("w12"), t);
    EXPECT_EQ(r.rowsRead, 3);
    EXPECT_EQ(r.rowsSkipped, 6);
    EXPECT_EQ(t.spcDataIndex[0][0][0], 1);
    EXPECT_EQ(t.spcWellName[0][0][0], QStringLiteral("B1"));
    EXPECT_EQ(t.spcColIni[0][0][0], 10);
    EXPECT_EQ(t.spcRowEnd[0][0][0], 80);
    EXPECT_EQ(t.spcDataIndex[1][0][0], 0);
    EXPECT_EQ(t.spcWellName[1][0][0], QString());
    EXPECT_EQ(t.spcDataIndex[2][1][2], 7);
    EXPECT_EQ(t.spcPlotIndex[2][1][2], 0);
    EXPECT_EQ(t.spcColEnd[2][1][2], 101);
}

TEST(WellSpecFile, CodeWithAPathSeparatorReadsNothing)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(copyFixture(QStringLiteral("plate/w6_spc.dat"), tmp.path(QStringLiteral("w6_spc.dat"))));
    WellSpecTable t;
    EXPECT_FALSE(ReadWellSpecFile(tmp.folder(), QStringLiteral("../w6"), t).found);
    EXPECT_EQ(t.spcWellName[0][0][0], QString());
}
