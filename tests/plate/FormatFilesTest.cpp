#include "plate/files/FormatFiles.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A program folder holding the w24 and w6 files of unit 12 and the shared well tables.
struct UnitFolder {
    UnitFolder()
    {
        for (const char* name : {"w24_col.dat", "w24_row.dat", "w6_col.dat", "w6_row.dat"})
            EXPECT_TRUE(copyFixture(QStringLiteral("plate/") + QLatin1String(name),
                                    tmp.path(QStringLiteral("config_SN12/") + QLatin1String(name))));
        for (const char* name : {"w24_spc.dat", "w6_spc.dat"})
            EXPECT_TRUE(copyFixture(QStringLiteral("plate/") + QLatin1String(name),
                                    tmp.path(QStringLiteral("config/") + QLatin1String(name))));
    }
    TempProgramFolder tmp;
};

const QByteArray kRowTitle = "\"w24 row format\"\r\n\"camera\",\"row\",\"start\",\"end\"\r\n";

} // namespace

TEST(FormatFiles, DefaultW24TablesGiveEachCameraItsWindowsAndLabels)
{
    UnitFolder unit;
    CameraWindowTables t;
    const FormatReadReport r = ReadWellFormatFiles(unit.tmp.folder(), 12, QStringLiteral("w24"), t);
    EXPECT_TRUE(r.columnFileFound && r.rowFileFound && r.wellTableFound);
    EXPECT_EQ(r.rowsSkipped, 0);
    EXPECT_EQ(t.firstColumn[3], 2);
    EXPECT_EQ(t.lastColumn[3], 3);
    EXPECT_EQ(t.firstRow[3], 2);
    EXPECT_EQ(t.lastRow[3], 3);
    EXPECT_EQ(t.columnStart[3][0], 5);
    EXPECT_EQ(t.columnStart[3][1], 75);
    EXPECT_EQ(t.columnEnd[3][0], 75);
    EXPECT_EQ(t.columnEnd[3][1], 142);
    EXPECT_EQ(t.rowStart[3][0], 10);
    EXPECT_EQ(t.rowStart[3][1], 90);
    EXPECT_EQ(t.rowEnd[3][0], 90);
    EXPECT_EQ(t.rowEnd[3][1], 170);
    EXPECT_EQ(t.columnLabel[3][0], QStringLiteral("3"));
    EXPECT_EQ(t.columnLabel[3][1], QStringLiteral("4"));
    EXPECT_EQ(t.rowLabel[3][0], QStringLiteral("C"));
    EXPECT_EQ(t.rowLabel[3][1], QStringLiteral("D"));
    // Camera 2 sees B4 (index 13): first column 2, first row 0.
    EXPECT_EQ(t.firstColumn[2], 2);
    EXPECT_EQ(t.firstRow[2], 0);
    EXPECT_EQ(t.firstColumn[kNoCamera], -1);
}

TEST(FormatFiles, DefaultW6TablesWithBlanksInTheHeader)
{
    UnitFolder unit;
    CameraWindowTables t;
    ReadWellFormatFiles(unit.tmp.folder(), 12, QStringLiteral("w6"), t);
    EXPECT_EQ(t.firstColumn[4], 2);
    EXPECT_EQ(t.lastColumn[4], 2);
    EXPECT_EQ(t.firstRow[4], 0);
    EXPECT_EQ(t.lastRow[4], 0);
    EXPECT_EQ(t.columnStart[4][0], 5);
    EXPECT_EQ(t.columnEnd[4][0], 140);
    EXPECT_EQ(t.rowStart[4][0], 10);
    EXPECT_EQ(t.rowEnd[4][0], 165);
    EXPECT_EQ(t.columnLabel[4][0], QStringLiteral("3"));
    EXPECT_EQ(t.rowLabel[4][0], QStringLiteral("A"));
}

TEST(FormatFiles, WrittenFilesReadBackAndMatchTheCalibrationLayoutByteForByte)
{
    UnitFolder unit;
    CameraWindowTables t;
    ReadWellFormatFiles(unit.tmp.folder(), 12, QStringLiteral("w24"), t);
    ASSERT_TRUE(WriteFormatFiles(unit.tmp.folder(), 40, QStringLiteral("w24"), t));
    EXPECT_TRUE(QFileInfo(unit.tmp.path(QStringLiteral("config_SN40"))).isDir());
    for (const char* name : {"w24_col.dat", "w24_row.dat"})
        EXPECT_EQ(fileBytes(unit.tmp.path(QStringLiteral("config_SN40/") + QLatin1String(name))),
                  fileBytes(QStringLiteral(VELDO_FIXTURES "/plate/") + QLatin1String(name)))
            << name;

    CameraWindowTables back;
    ReadWellFormatFiles(unit.tmp.folder(), 40, QStringLiteral("w24"), back);
    EXPECT_EQ(back.firstColumn, t.firstColumn);
    EXPECT_EQ(back.lastRow, t.lastRow);
    EXPECT_EQ(back.columnStart, t.columnStart);
    EXPECT_EQ(back.rowEnd, t.rowEnd);
}

TEST(FormatFiles, CamerasThatSeeNothingKeepMinusOneAndGetNoLines)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config_SN12/w24_row.dat")),
                           kRowTitle + "0,0,10,90\r\n1,2,10,90\r\n2,0,10,90\r\n3,2,10,90\r\n"));
    CameraWindowTables t;
    const FormatReadReport r = ReadWellFormatFiles(tmp.folder(), 12, QStringLiteral("w24"), t);
    EXPECT_FALSE(r.columnFileFound);
    EXPECT_TRUE(r.rowFileFound);
    for (int c : {4, 5}) {
        EXPECT_EQ(t.firstRow[c], -1) << c;
        EXPECT_EQ(t.lastRow[c], -1) << c;
    }
    for (int c = 0; c < kCameraCount; ++c)
        EXPECT_EQ(t.lastColumn[c], -1) << c;

    ASSERT_TRUE(WriteFormatFiles(tmp.folder(), 12, QStringLiteral("w24"), t));
    EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config_SN12/w24_row.dat"))),
              kRowTitle + "0,0,10,90\r\n1,2,10,90\r\n2,0,10,90\r\n3,2,10,90\r\n");
    EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config_SN12/w24_col.dat"))),
              QByteArray("\"w24 column format\"\r\n\"camera\",\"column\",\"start\",\"end\"\r\n"));
}

TEST(FormatFiles, LinesOutsideTheTablesAreSkippedAndTextReadsAsZero)
{
    TempProgramFolder tmp;
    CameraWindowTables t;
    t.rowStart[1][3] = 77; // a window beyond what the file names keeps its value
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config_SN12/w24_row.dat")),
                           kRowTitle +
                               "7,0,10,90\r\n"      // no camera 7
                               "6,0,10,90\r\n"      // nor 6: the reader fills cameras 0 to 5
                               "-1,0,10,90\r\n"
                               "0,-3,10,90\r\n"     // no plate row -3
                               "1,2,10,90\r\n"
                               "1,1,10,90\r\n"      // before the camera's first row
                               "1,11,10,90\r\n"     // ninth window after the first: no room
                               "1,3,abc,170\r\n"    // text where a number stands reads as 0
                               "2,0,70000,1\r\n"    // too large for the tables
                               "2,0\r\n"            // short line
                               "\r\n"
                               "3,2,10.5,89.5\r\n")); // halves to the even neighbour
    const FormatReadReport r = ReadWellFormatFiles(tmp.folder(), 12, QStringLiteral("w24"), t);
    EXPECT_EQ(r.rowsSkipped, 8);
    EXPECT_EQ(t.firstRow[0], -1);
    EXPECT_EQ(t.firstRow[1], 2);
    EXPECT_EQ(t.lastRow[1], 3);
    EXPECT_EQ(t.rowStart[1][1], 0);
    EXPECT_EQ(t.rowEnd[1][1], 170);
    EXPECT_EQ(t.rowStart[1][3], 77);
    EXPECT_EQ(t.firstRow[2], -1);
    EXPECT_EQ(t.firstRow[kNoCamera], -1);
    EXPECT_EQ(t.rowStart[3][0], 10);
    EXPECT_EQ(t.rowEnd[3][0], 90);
}

TEST(FormatFiles, SerialNumberZeroUsesTheSharedConfigFolder)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(copyFixture(QStringLiteral("plate/w6_col.dat"), tmp.path(QStringLiteral("config/w6_col.dat"))));
    CameraWindowTables t;
    EXPECT_TRUE(ReadWellFormatFiles(tmp.folder(), 0, QStringLiteral("w6"), t).columnFileFound);
    EXPECT_EQ(t.firstColumn[5], 2);
    ASSERT_TRUE(WriteFormatFiles(tmp.folder(), 0, QStringLiteral("p35"), t));
    EXPECT_TRUE(QFileInfo::exists(tmp.path(QStringLiteral("config/p35_col.dat"))));
    EXPECT_TRUE(QFileInfo::exists(tmp.path(QStringLiteral("config/p35_row.dat"))));
    EXPECT_FALSE(WriteFormatFiles(tmp.folder(), 0, QStringLiteral("../w6"), t));
}

TEST(FormatFiles, UnknownFormatLeavesEveryCameraSeeingNothing)
{
    UnitFolder unit;
    CameraWindowTables t;
    ReadWellFormatFiles(unit.tmp.folder(), 12, QStringLiteral("w24"), t);
    const FormatReadReport r = ReadWellFormatFiles(unit.tmp.folder(), 12, QStringLiteral("w7"), t);
    EXPECT_FALSE(r.columnFileFound || r.rowFileFound || r.wellTableFound);
    for (int c = 0; c < kCameraSlots; ++c) {
        EXPECT_EQ(t.firstColumn[c], -1);
        EXPECT_EQ(t.lastRow[c], -1);
    }
    EXPECT_EQ(t.columnLabel[3][0], QStringLiteral("3")); // labels keep earlier values
}
