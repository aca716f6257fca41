#include "InternalReferenceBench.h"
#include "calibration/InternalReferenceRuns.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

// Internal-reference runs and the per-well factors made of them.
namespace {

using namespace intref;

TEST(InternalReference, ARunCountsWhenItsLastLineIsPastTenMinutes)
{
    struct Case {
        const char* what;
        QStringList lines; // empty: no file
        int longer;
    };
    const std::vector<Case> cases{
        {"10.4 minutes", {"h", "h", "1 \"A1\" 5", "10,4 \"B3\" 5"}, 0},
        {"10.6 minutes", {"h", "h", "10,6 \"B3\" 5"}, 1},
        {"10.5 rounds to even", {"h", "h", "10.5 \"B3\" 5"}, 0},
        {"the last line decides", {"h", "h", "30 \"B3\" 5", "2 \"A1\" 5"}, 0},
        {"a last line without blank", {"h", "h", "30 \"B3\" 5", "30"}, 0},
        {"a figure past 64 bits", {"h", "h", "14555555555555555555555555555 \"A1\" 5"}, 1},
        {"headers only", {"h", "h"}, 0},
        {"one line", {"h"}, 0},
        {"no file", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder folder;
        const QString path = folder.path(QStringLiteral("current_activity.txt"));
        if (!c.lines.isEmpty()) {
            ASSERT_TRUE(writeBytes(path, crlf(c.lines)));
        }
        EXPECT_EQ(CheckRunLongerThan10Min(path), c.longer);
    }
}

TEST(InternalReference, OnlyRunsOfTheFormatInTheInstrumentsProject)
{
    ReferenceBench b;
    const QByteArray longRun = w6Activity({{"12", {1, 1, 1, 1, 1, 1}}});
    EXPECT_FALSE(HasInternalReferenceRun(b.folder.folder(), 12, "w6"));
    b.addRun("20250314_101010w24_reference", longRun);
    b.addRun("20250314_1010w6_reference", longRun); // no time stamp
    b.addRun("20250314_101010w6_reference", w6Activity({{"9", {1, 1, 1, 1, 1, 1}}}));
    b.addRun("20250314_101010w6_reference", longRun, 0);
    EXPECT_FALSE(HasInternalReferenceRun(b.folder.folder(), 12, "w6"));
    EXPECT_TRUE(HasInternalReferenceRun(b.folder.folder(), 12, "w24"));
    EXPECT_TRUE(HasInternalReferenceRun(b.folder.folder(), 0, "w6"));
    b.addRun("20250315_101010w6_reference", longRun);
    EXPECT_TRUE(HasInternalReferenceRun(b.folder.folder(), 12, "w6"));
}

TEST(InternalReference, FactorsFromTwoRuns)
{
    ReferenceBench b;
    b.intRefChoice = 1;
    // Scans closed at 5, 10 and 30 minutes: the one at 30 counts.
    b.addRun("20250314_101010w6_reference",
             w6Activity({{"5", {1, 1, 1, 1, 1, 1}}, {"10", {7, 7, 7, 7, 7, 7}}, {"30", {100, 100, 100, 100, 100, 50}}}));
    b.addRun("20250315_101010w6_reference", w6Activity({{"10,0", {200, 200, 200, 200, 200, 100}}}));
    // A run closed before minute 10 is no reference run.
    b.addRun("20250316_101010w6_reference", w6Activity({{"9,9", {1, 2, 3, 4, 5, 6}}}));
    const QString unit = b.folder.path("config_SN12");
    makeFolder(unit);

    const InternalReferenceFactors f = b.load(unit, "w6", 12, 1);
    EXPECT_EQ(f.bytes, QByteArray("\x5B\x5B\x5B\x5B\x5B\xB7")); // 91 five times, 183
    EXPECT_NEAR(f.table[0], 0.9167, 1e-4);
    EXPECT_NEAR(f.table[5], 1.8333, 1e-4);
    EXPECT_EQ(f.table[6], 1.0);
    ASSERT_EQ(b.prompts.messages.size(), 1);
    EXPECT_EQ(b.prompts.messages.first(), "Internal Reference loaded from:\r"
                                              + QDir::toNativeSeparators(b.folder.folder().root())
                                              + "/reports/_internal_referenceSN12");
    const QStringList lines = b.lines("config_SN12/factor_correction.txt");
    const QStringList expected{
        "\"2026/03/14_09:26:53_" + QDir::toNativeSeparators(b.folder.folder().root())
            + "/reports/_internal_referenceSN12\"",
        "well A1 B1 A2 B2 A3 B3",
        "mult_factor 0.92 0.92 0.92 0.92 0.92 1.83",
        "",
        "<internal_reference_weight>",
        "20250314_101010w6_reference 1.09 1.09 1.09 1.09 1.09 0.55",
        "20250315_101010w6_reference 1.09 1.09 1.09 1.09 1.09 0.55",
        "",
        "<internal_reference_raw_values>",
        "20250314_101010w6_reference 100 100 100 100 100 50",
        "20250315_101010w6_reference 200 200 200 200 200 100",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST(InternalReference, ZeroWellsAndLimitedFactors)
{
    ReferenceBench b;
    // B3 reads 0: factor 2.55, byte 254. A run of zeros has mean 0.01 and all weights 0.
    b.addRun("20250314_101010w6_reference", w6Activity({{"12", {100, 100, 100, 100, 100, 0}}}));
    b.addRun("20250315_101010w6_reference", w6Activity({{"12", {0, 0, 0, 0, 0, 0}}}));
    const InternalReferenceFactors f = b.load(b.folder.path(), "w6");
    EXPECT_EQ(static_cast<quint8>(f.bytes.at(5)), 254);
    // Weight 1.2 averaged with 0: 0.6, factor 1.67.
    EXPECT_EQ(static_cast<quint8>(f.bytes.at(0)), 166);
    EXPECT_EQ(b.lines("factor_correction.txt").at(2), "mult_factor 1.67 1.67 1.67 1.67 1.67 2.55");
    EXPECT_TRUE(b.prompts.messages.isEmpty()); // announce 0
}

TEST(InternalReference, FactoryFactorsThenDefaults)
{
    ReferenceBench b;
    ASSERT_TRUE(writeBytes(b.folder.path("config/intfactor_w6.dat"),
                           crlf({"\"20260101 10:00\"", "well A1 B1 A2 B2 A3 B3",
                                 "mult_factor 1,00 2.60 0.29 -1 1.5"})));
    makeFolder(b.folder.path("out"));
    // Serial 0: the config folder; values limited; a missing value stays 1.00.
    const InternalReferenceFactors factory = b.load(b.folder.path("out"), "w6", 0);
    EXPECT_EQ(factory.bytes, QByteArray("\x64\xFE\x1C\x00\x96\x64", 6));
    EXPECT_EQ(b.lines("out/factor_correction.txt"),
              QStringList({"\"2026/03/14_09:26:53_FACTORYDEFAULT[]\"", "well A1 B1 A2 B2 A3 B3",
                           "mult_factor 1.00 2.55 0.29 0.00 1.50 1.00", "", ""}));

    const InternalReferenceFactors none = b.load(b.folder.path("out"), "w24", 0);
    EXPECT_TRUE(none.bytes.isEmpty());
    EXPECT_EQ(b.lines("out/factor_correction.txt").at(0), "\"2026/03/14_09:26:53_DEFAULT=1.0\"");
    EXPECT_EQ(b.lines("out/factor_correction.txt").at(2).count("1.00"), 24);
    // The previous file was kept under its own stamp.
    EXPECT_TRUE(QFileInfo::exists(b.folder.path("out/20260314092653_factor_correction.txt")));

    // w96u has no wells; an empty folder means the program folder.
    const InternalReferenceFactors w96u = b.load(QString(), "w96u", 0);
    EXPECT_EQ(w96u.folder, b.folder.folder().root());
    EXPECT_EQ(b.lines("factor_correction.txt").mid(1, 2), QStringList({"well", "mult_factor"}));
}

TEST(InternalReference, TheBackupNameComesFromTheOldStamp)
{
    ReferenceBench b;
    ASSERT_TRUE(writeBytes(b.folder.path("f/factor_correction.txt"),
                           crlf({"\"2025/03/14_10:20:30_FACTORYDEFAULT[]\"", "well"})));
    BackupFactorCorrection(b.folder.path("f"), b.clock);
    EXPECT_EQ(fileBytes(b.folder.path("f/20250314102030_factor_correction.txt")),
              fileBytes(b.folder.path("f/factor_correction.txt")));
    // A short first line: the current time.
    ASSERT_TRUE(writeBytes(b.folder.path("g/factor_correction.txt"), crlf({"short"})));
    BackupFactorCorrection(b.folder.path("g"), b.clock);
    EXPECT_TRUE(QFileInfo::exists(b.folder.path("g/factor_correction_bk20260314092653.txt")));
    // Nothing to back up: nothing made.
    makeFolder(b.folder.path("h"));
    BackupFactorCorrection(b.folder.path("h"), b.clock);
    EXPECT_TRUE(QDir(b.folder.path("h")).isEmpty());
}

} // namespace
