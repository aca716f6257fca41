#include "acquisition/run/RunFiles.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

// Scan 4 at 750 s (12.5 minutes), camera 0 window 0, 25.27 degrees.
const RunFileTick kTick{0, 0, 4, 750, 25.27};

struct RunFolder {
    TempProgramFolder tmp;
    QString path() const { return tmp.path(); }
    QByteArray bytes(const QString& name) const { return fileBytes(tmp.path(name)); }
};

TEST(RunFiles, HeadersAtTheRunStart)
{
    RunFolder run;
    ASSERT_TRUE(writeBytes(run.tmp.path(kCurrentActivityFile), "an older run\r\n"));
    ASSERT_TRUE(writeRunFileHeaders(run.path(), QDateTime(QDate(2024, 3, 15), QTime(14, 22, 33))));
    EXPECT_FALSE(QFile::exists(run.tmp.path(kLightFile))) << "light.csv waits for the armed timer";
    ASSERT_TRUE(WriteLightCsvHeader(run.path()));
    EXPECT_EQ(run.bytes(kCurrentActivityFile),
              "\"2024/03/15_14:22:33\" \"<Raw_activity_file_without_internal_factor_correction>\"\r\n"
              "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n");
    EXPECT_EQ(run.bytes(kAdjustedActivityFile),
              "\"2024/03/15_14:22:33\" \"<activity_file_adjusted_by_internal_factor_correction>\"\r\n"
              "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n");
    EXPECT_EQ(run.bytes(kCurrentTemperatureFile), "\"2024/03/15_14:22:33\"\r\n\"Time[m]\" \"Temperature[C]\"\r\n");
    EXPECT_EQ(run.bytes(kLightFile), "\"#scan\",\"time[m]\",\"light power[0=off]\"\r\n");
}

TEST(RunFiles, RowsOfOneEvaluation)
{
    // Camera 0 sees plate columns 1 and 2 in row A: wells A1 (data index 0) and A2 (2).
    PlateGeometry g;
    g.firstColumn[0] = 0;
    g.lastColumn[0] = 1;
    g.rowLabel[0][0] = "A";
    g.columnLabel[0][0] = "1";
    g.columnLabel[0][1] = "2";
    g.spcDataIndex[0][0][0] = 0;
    g.spcDataIndex[0][1][0] = 2;
    std::array<double, kRunWells> now{};
    now[0] = 56.6;
    now[2] = 12.5;
    std::array<double, kWellSlots> factor;
    factor.fill(1.0);
    factor[0] = 1.5;
    factor[2] = 2.0;

    RunFolder run;
    ASSERT_TRUE(appendLightRow(run.path(), kTick, 2));
    ASSERT_TRUE(appendActivityRows(run.path(), kTick, g, true, now, factor));
    ASSERT_TRUE(appendActivityRows(run.path(), kTick, g, false, now, factor)); // camera not in use
    ASSERT_TRUE(appendTemperatureRow(run.path(), kTick));
    EXPECT_EQ(run.bytes(kLightFile), "4,\"12.5\",2\r\n");
    // 12.5 is written "13": the "0" pattern rounds halves away from zero.
    EXPECT_EQ(run.bytes(kCurrentActivityFile),
              "12.5 \"A1\" 57\r\n12.5 \"A2\" 13\r\n12.5 \"A1\" 0\r\n12.5 \"A2\" 0\r\n");
    EXPECT_EQ(run.bytes(kAdjustedActivityFile),
              "12.5 \"A1\" 85\r\n12.5 \"A2\" 25\r\n12.5 \"A1\" 0\r\n12.5 \"A2\" 0\r\n");
    EXPECT_EQ(run.bytes(kCurrentTemperatureFile), "12.5 25.3\r\n");

    // A camera that sees nothing of the format has no wells: no rows.
    ASSERT_TRUE(appendActivityRows(run.path(), {3, 0, 4, 750, 25}, g, true, now, factor));
    EXPECT_EQ(run.bytes(kCurrentActivityFile).count('\n'), 4);
}

// Positions 1 to 8 of a window: x 40 for 1 and 2, 57 for 3 to 5, 58 for 6,
// 59 for 7 and 8. Position 5 lies outside every mask; position 8 has no name.
WindowPixelList pixelList()
{
    WindowPixelList p;
    p.pixelX = {0, 40, 40, 57, 57, 57, 58, 59, 59};
    p.pixelWellIndex = {-1, 3, 3, 0, 0, -1, 0, 3, 3};
    p.pixelWellName = {"", "B2", "B2", "A1", "A1", "A1", "A1", "", "B2"};
    return p;
}

TEST(RunFiles, LastReadHoldsTheSamplesByImageLine)
{
    // Sample 0: position 3 at 12, 4 at 13, 6 at 20; sample 1: 12, 12, 25; the
    // rest as sample 1; sample 10's text reaches position 4 only.
    SampleFrames samples;
    samples[0] = QByteArray("\x01\x02\x0c\x0d\x07\x14\x00\x00", 8);
    for (int j = 1; j < 11; ++j)
        samples[size_t(j)] = QByteArray("\x01\x02\x0c\x0c\x07\x19\x00\x00", 8);
    samples[10].truncate(4);
    const QByteArray line57 = QByteArray("A1,57,,,12,13,-,,,0,-1,-") + ",,,0,0,-,,,0,0,-,,,0,0,-,,,0,0,-,,,0,0,-,,,0,0,-,,,0,0,-,,,0,0,-,,,0,0\r\n";
    const QByteArray line58 = "A1,58,,,20,,,5,,,0,,,0,,,0,,,0,,,0,,,0,,,0,,,0,,\r\n";
    const QByteArray block = line57 + line58 + "\r\nTemperature,25.3\r\n";

    RunFolder run;
    ASSERT_TRUE(writeLastRead(run.path(), kTick, pixelList(), 6, samples, false));
    ASSERT_TRUE(writeLastRead(run.path(), kTick, pixelList(), 6, samples, false));
    EXPECT_EQ(run.bytes("lastread00.csv"), block) << "rewritten: the latest evaluation only";

    const RunFileTick later{2, 1, 5, 780, 25.27};
    ASSERT_TRUE(writeLastRead(run.path(), later, pixelList(), 6, samples, true));
    ASSERT_TRUE(writeLastRead(run.path(), later, pixelList(), 6, samples, true));
    const QByteArray raw = "scan,5\r\ntime[m],\"13.0\"\r\n" + block;
    EXPECT_EQ(run.bytes("lastread21.csv"), raw + raw) << "SaveRawData: one block per evaluation";
}

TEST(RunFiles, WellActivityAppendsABlockPerEvaluation)
{
    WindowActivity window(8);
    window.pixelActivityScaled = {0, 0, 0, 3, 4, 5, 6, 9, 1};
    RunFolder run;
    ASSERT_TRUE(appendWellActivity(run.path(), kTick, pixelList(), 8, window));
    ASSERT_TRUE(appendWellActivity(run.path(), kTick, pixelList(), 8, window));
    // Line 59 starts with a position without a name: not written.
    const QByteArray block = "scan,4\r\ntime[m],\"12.5\"\r\nB2,40,0,0\r\nA1,57,3,4,-\r\nA1,58,6\r\n\r\n";
    EXPECT_EQ(run.bytes("wellactivity00.csv"), block + block);
}

} // namespace
