#include "core/Globals.h"
#include "plate/files/LedFiles.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QByteArray kXyHeader = "\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n\"led\",\"x1\",\"x2\",\"y1\",\"y2\"\r\n";
const QByteArray kPowerHeader = "\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n\"led\",\"power\"\r\n";

Globals unitGlobals(int serialNumber, int generation)
{
    Globals g;
    g.serialNumber = serialNumber;
    g.hardwareGeneration = generation;
    return g;
}

// A program folder with both default layouts in config.
struct LayoutFolder {
    LayoutFolder()
    {
        EXPECT_TRUE(copyFixture(QStringLiteral("led/ldsetup1.dat"), tmp.path(QStringLiteral("config/ldsetup1.dat"))));
        EXPECT_TRUE(copyFixture(QStringLiteral("led/ldsetup2.dat"), tmp.path(QStringLiteral("config/ldsetup2.dat"))));
    }
    TempProgramFolder tmp;
};

// A table with a distinct value in every field of every LED.
LedTable patternTable()
{
    LedTable t;
    for (int led = 0; led < kLedCount; ++led)
        t.setEntry(led, {led % 6, led % 9 + 1, led % 8 + 1, led - 100, led + 1, -led, led * 3, led % 9});
    return t;
}

} // namespace

TEST(LedFiles, LayoutFollowsTheHardwareGeneration)
{
    LayoutFolder unit;
    struct Expect {
        int led;
        LedEntry entry; // camera, colcam, filcam only
    };
    struct Case {
        int generation;
        bool layoutFound;
        std::vector<Expect> leds;
    };
    const Case cases[] = {
        {1, true, {{0, {0, 1, 1}}, {71, {0, 9, 8}}, {207, {4, 9, 8}}, {208, {1, 1, 1}}, {415, {5, 9, 8}}}},
        {2, true, {{63, {0, 10, 8}}, {191, {4, 10, 8}}, {192, {1, 1, 1}}, {383, {5, 10, 8}}, {384, {0, 0, 0}}}},
        {0, false, {{208, {}}, {415, {}}}},
        {3, false, {{208, {}}}},
    };
    for (const Case& c : cases) {
        LedTable t = patternTable(); // a load starts from zero
        const LedLoadReport r = LoadLedSetup(t, unit.tmp.folder(), unitGlobals(12, c.generation));
        EXPECT_EQ(r.layoutFound, c.layoutFound) << c.generation;
        EXPECT_FALSE(r.xyFound);
        EXPECT_FALSE(r.powerFound);
        EXPECT_EQ(r.rowsSkipped, 0);
        for (const Expect& e : c.leds)
            EXPECT_EQ(t.entry(e.led), e.entry) << "generation " << c.generation << " LED " << e.led;
        if (!c.layoutFound) {
            EXPECT_EQ(t, LedTable{});
        }
    }
}

TEST(LedFiles, BadRowsAreSkippedAndTheLaterRowWins)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(copyFixture(QStringLiteral("led/ledxy_bad_rows.dat"), tmp.path(QStringLiteral("config_SN12/ledxy.dat"))));
    ASSERT_TRUE(
        copyFixture(QStringLiteral("led/ledpower_bad_rows.dat"), tmp.path(QStringLiteral("config_SN12/ledpower.dat"))));
    LedTable t;
    const LedLoadReport r = LoadLedSetup(t, tmp.folder(), unitGlobals(12, 1));
    EXPECT_TRUE(r.xyFound && r.powerFound);
    EXPECT_FALSE(r.layoutFound);
    // Positions: 416, -1, a word, a short row and a value beyond 16 bits; powers:
    // 416, -1, 415.6, a word as LED, a lone field and a word as power.
    EXPECT_EQ(r.rowsSkipped, 5 + 6);

    LedTable expected;
    expected.setEntry(0, {0, 0, 0, 2, 16, 3, 21, 0});        // the second row of LED 0
    expected.setEntry(7, {0, 0, 0, 3, 17, 4, 24, 0});        // quoted fields
    expected.setEntry(8, {0, 0, 0, 2, 2, -3, 40, 0});        // halves to even
    expected.setEntry(415, {0, 0, 0, 120, 139, 170, 189, 0});
    expected.ledPower[3] = 4;
    expected.ledPower[207] = 7;
    expected.ledPower[208] = 6;
    expected.ledPower[300] = 300;
    EXPECT_EQ(t, expected);
}

TEST(LedFiles, WrittenFilesReadBackWithTheirExactHeaders)
{
    for (const int serialNumber : {12, 0}) {
        TempProgramFolder tmp;
        const LedTable written = patternTable();
        ASSERT_TRUE(WriteLedXyFile(tmp.folder(), serialNumber, written));
        ASSERT_TRUE(WriteLedPowerFile(tmp.folder(), serialNumber, written));
        const QString unit = serialNumber == 0 ? QStringLiteral("config/") : QStringLiteral("config_SN12/");

        const QByteArray xy = fileBytes(tmp.path(unit + QStringLiteral("ledxy.dat")));
        const QByteArray power = fileBytes(tmp.path(unit + QStringLiteral("ledpower.dat")));
        EXPECT_TRUE(xy.startsWith(kXyHeader + "0,-100,1,0,0\r\n1,-99,2,-1,3\r\n"));
        EXPECT_TRUE(xy.endsWith("\r\n415,315,416,-415,1245\r\n"));
        EXPECT_EQ(xy.count('\n'), 418);
        EXPECT_TRUE(power.startsWith(kPowerHeader + "0,0\r\n1,1\r\n"));
        EXPECT_TRUE(power.endsWith("\r\n415,1\r\n"));
        EXPECT_EQ(power.count('\n'), 418);

        LedTable read;
        LoadLedSetup(read, tmp.folder(), unitGlobals(serialNumber, 1));
        EXPECT_EQ(read.ledX1, written.ledX1);
        EXPECT_EQ(read.ledX2, written.ledX2);
        EXPECT_EQ(read.ledY1, written.ledY1);
        EXPECT_EQ(read.ledY2, written.ledY2);
        EXPECT_EQ(read.ledPower, written.ledPower);
    }
}

TEST(LedFiles, RowsInAnyOrderLoadTheSameTable)
{
    TempProgramFolder tmp;
    const LedTable written = patternTable();
    ASSERT_TRUE(WriteLedXyFile(tmp.folder(), 12, written));
    const QString path = ledXyFilePath(tmp.folder(), 12);
    QList<QByteArray> lines = fileBytes(path).split('\n');
    lines.removeLast(); // after the last line end
    std::reverse(lines.begin() + 2, lines.end());
    ASSERT_TRUE(writeBytes(path, lines.join('\n') + '\n'));

    LedTable read;
    EXPECT_EQ(LoadLedSetup(read, tmp.folder(), unitGlobals(12, 1)).rowsSkipped, 0);
    EXPECT_EQ(read.ledX1, written.ledX1);
    EXPECT_EQ(read.ledY2, written.ledY2);
}

TEST(LedFiles, HeaderOnlyFilesAndMissingFilesLeaveZeros)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config_SN12/ledxy.dat")), kXyHeader));
    LedTable t = patternTable();
    const LedLoadReport r = LoadLedSetup(t, tmp.folder(), unitGlobals(12, 1));
    EXPECT_TRUE(r.xyFound);
    EXPECT_FALSE(r.powerFound);
    EXPECT_EQ(t, LedTable{});
}

TEST(LedFiles, WritersReplaceTheFileAndFailWithoutAFolder)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config_SN12/ledpower.dat")), QByteArray(5000, 'x')));
    ASSERT_TRUE(WriteLedPowerFile(tmp.folder(), 12, LedTable{}));
    EXPECT_TRUE(fileBytes(ledPowerFilePath(tmp.folder(), 12)).startsWith(kPowerHeader + "0,0\r\n"));

    // A file where the unit folder should be.
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config_SN13")), "x"));
    EXPECT_FALSE(WriteLedXyFile(tmp.folder(), 13, LedTable{}));
}
