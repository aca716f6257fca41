#include "projects/SubpjInfo.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(SubpjInfo, PlateFormatOfTheRunOrEmpty)
{
    struct Case {
        const char* name;
        QByteArray file; // empty: no subpj.dat
        const char* format;
    };
    const Case cases[] = {
        {"complete", "run1\r\nacq_time=30\r\nplate_format=w24\r\n", "w24"},
        {"LF line ends", "run1\nacq_time=30\nplate_format=p35\n", "p35"},
        {"unnamed run", "<Write Acquisition Name>\r\nacq_time=5\r\nplate_format=w6\r\n", "w6"},
        {"no file", "", ""},
        {"two lines only", "run1\r\nacq_time=30\r\n", ""},
        {"third line without the key", "run1\r\nacq_time=30\r\nformat=w6\r\n", ""},
        {"time that is not a number", "run1\r\nacq_time=3x\r\nplate_format=w6\r\n", ""},
        {"time beyond 16 bits", "run1\r\nacq_time=40000\r\nplate_format=w6\r\n", ""},
        {"second line without the key", "run1\r\n30\r\nplate_format=w96f\r\n", "w96f"},
    };
    for (const Case& c : cases) {
        TempProgramFolder tmp;
        const QString run = tmp.path(QStringLiteral("reports/p1/20250314_101500run1"));
        QDir().mkpath(run);
        if (!c.file.isEmpty()) {
            ASSERT_TRUE(writeBytes(run + QStringLiteral("/subpj.dat"), c.file));
        }
        EXPECT_EQ(ReadSubpjInfo(run), QString::fromLatin1(c.format)) << c.name;
    }
}

TEST(SubpjInfo, WholeFileReadOnce)
{
    TempProgramFolder tmp;
    const QString run = tmp.path(QStringLiteral("reports/p1/r"));
    ASSERT_TRUE(writeBytes(run + QStringLiteral("/SUBPJ.DAT"), "mice\r\nacq_time= 30 \r\nplate_format=w6\r\n"));
    const std::optional<SubpjInfo> info = readSubpjFile(run);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->acquisitionName, QStringLiteral("mice"));
    EXPECT_EQ(info->acquisitionMinutes, QStringLiteral("30"));
    EXPECT_EQ(info->plateFormat, QStringLiteral("w6"));
}
