#include "calibration/BlankLabels.h"
#include "calibration/BlankStore.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(ReadBlankFileHeader, FirstLineOfTheFormatsStoreFile)
{
    TempProgramFolder tmp;
    // The run start names the store folder in lower case: one folder either way.
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("reports/_internal_blank_measurementsn12/blank_w24.dat")),
                           "20250314_101500_blank_myblank\r\nacqlapse=0060\r\n\"#well\",\"Value\"\r\n0,17\r\n"));
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("reports/_internal_blank_measurement/blank_w6.dat")),
                           "none\nacqlapse=30\n"));
    const ProgramFolder& f = tmp.folder();
    EXPECT_EQ(ReadBlankFileHeader(f, 12, QStringLiteral("w24")), QStringLiteral("20250314_101500_blank_myblank"));
    EXPECT_EQ(ReadBlankFileHeader(f, 0, QStringLiteral("w6")), QStringLiteral("none"));
    EXPECT_EQ(blankStoreFilePath(f, 12, QStringLiteral("w24")),
              tmp.path() + QStringLiteral("/reports/_internal_blank_measurementsn12/blank_w24.dat"));
    EXPECT_EQ(ReadBlankFileHeader(f, 12, QStringLiteral("w6")), QString());
    EXPECT_EQ(ReadBlankFileHeader(f, 0, QStringLiteral("w24")), QString());
    EXPECT_EQ(ReadBlankFileHeader(f, 0, QStringLiteral("../w6")), QString());
}

TEST(ShowBlankLabels, DateTimeAndNameOfABlankRun)
{
    const struct { const char* name; const char* time; const char* label; } cases[] = {
        {"20250314_101500_blank_myblank", "2025.03.14 10:15h", " blank myblank"},
        {"20250314_101500_blank_a_b", "2025.03.14 10:15h", " blank a b"},
        {"", "none", ""},
        {"none", "none", ""},
        {"20250314_101500", "2025.03.14 10:15h", ""}, // fewer than 16 characters: no name
        {"2025", "2025.. :h", ""},                    // other forms are cut at the same places
    };
    for (const auto& c : cases) {
        const BlankLabels labels = ShowBlankLabels(QString::fromLatin1(c.name));
        EXPECT_EQ(labels.lbl_blanktime, QLatin1String(c.time)) << c.name;
        EXPECT_EQ(labels.lbl_blankname, QLatin1String(c.label)) << c.name;
    }
}
