#include "calibration/RunBlankFile.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// The 384 data lines of a run copy, with the given counts and 0 elsewhere.
QByteArray dataLines(std::map<int, int> counts)
{
    QByteArray text;
    for (int i = 0; i < 384; ++i)
        text += QByteArray::number(i) + "," + QByteArray::number(counts.count(i) ? counts[i] : 0) + "\r\n";
    return text;
}

TEST(CopyBlankToRun, TheStoreFileInIndexOrderOrTheEmptyBlank)
{
    TempProgramFolder tmp;
    const QString run = tmp.path("reports/p/20240315_142233");
    ASSERT_TRUE(QDir().mkpath(run));
    BlankRecord record;
    record.blankValue[5] = 99;
    record.blankValue[384] = 8;

    // No store file: the empty blank, over 30 minutes.
    ASSERT_TRUE(CopyBlankToRun(tmp.folder(), 12, "w6", run, record));
    EXPECT_EQ(fileBytes(run + "/blank_w6.dat"), "none\r\nacqlapse=30\r\n\"#well\",\"Value\"\r\n" + dataLines({}));
    EXPECT_EQ(record.blankLapse, 30);
    EXPECT_EQ(record.blankValue[5], 0);
    EXPECT_EQ(record.blankValue[384], 8) << "entry 384 keeps its value";

    // The store of instrument 12 (its folder spelled in lower case by the run
    // start): lines 1 to 3 as they stand, the wells sorted, a skipped line gone.
    ASSERT_TRUE(writeBytes(tmp.path("reports/_internal_blank_measurementsn12/blank_w6.dat"),
                           "20250314_101500_blank_myblank\r\nacqlapse=0060\r\n\"#well\",\"Value\"\r\n"
                           "2,40\r\n0,17\r\nnot a line\r\n1,3\r\n"));
    ASSERT_TRUE(CopyBlankToRun(tmp.folder(), 12, "w6", run, record));
    EXPECT_EQ(fileBytes(run + "/blank_w6.dat"),
              "20250314_101500_blank_myblank\r\nacqlapse=0060\r\n\"#well\",\"Value\"\r\n" +
                  dataLines({{0, 17}, {1, 3}, {2, 40}}));
    EXPECT_EQ(record.blankLapse, 60);
    EXPECT_EQ(record.blankValue[2], 40);

    // What the copy holds is what a report of the run reads back.
    const BlankRecord back = ReadRunBlankFile(run, "w6");
    EXPECT_EQ(back.blankLapse, 60);
    for (int i = 0; i < 384; ++i)
        EXPECT_EQ(back.blankValue[size_t(i)], record.blankValue[size_t(i)]) << i;
}

} // namespace
