#include "InternalReferenceBench.h"
#include "calibration/ReportFactorReaders.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

// Which reference runs, lines and factory values the factors are made of,
// and what a report's call shows and leaves behind.
namespace {

using namespace intref;

const QString kGoodRun = QStringLiteral("20250314_101010w6_reference");

// The file of the good run alone: one scan (100 x5, 50) at minute 12, mean
// 91.67, weights 1.09 and 0.55, factors 1/1.0909 and 1/0.5454.
const QStringList kGoodRunFile{
    "mult_factor 0.92 0.92 0.92 0.92 0.92 1.83",
    "",
    "<internal_reference_weight>",
    "20250314_101010w6_reference 1.09 1.09 1.09 1.09 1.09 0.55",
    "",
    "<internal_reference_raw_values>",
    "20250314_101010w6_reference 100 100 100 100 100 50",
    "",
};
const QByteArray kGoodRunBytes("\x5B\x5B\x5B\x5B\x5B\xB7"); // 91 five times, 183

// The good run's rows, with extra lines put in its last scan before B3.
QStringList goodRunRows(const QStringList& beforeB3 = {})
{
    QStringList rows = w6ScanLines(QStringLiteral("5"), {1, 1, 1, 1, 1, 1});
    QStringList last = w6ScanLines(QStringLiteral("12"), {100, 100, 100, 100, 100, 50});
    const QString b3 = last.takeLast();
    return rows + last + beforeB3 + QStringList{b3};
}

TEST(InternalReferenceRules, EntriesAndLinesThatAreNoPartOfARunArePassedOver)
{
    struct Entry {
        QString path;     // below the reference project
        QByteArray bytes; // written as they stand
    };
    struct Case {
        const char* what;
        QStringList goodRows;
        std::vector<Entry> others;
    };
    const QString otherRun = QStringLiteral("20250315_101010w6_reference");
    const std::vector<Case> cases{
        {"a run folder without current_activity.txt, a matching file",
         goodRunRows(),
         {{otherRun + "/other.txt", "x\r\n"}, {"20250316_101010w6_reference.txt", activityFile(goodRunRows())}}},
        {"a reference-well line short of two blanks makes no run",
         goodRunRows(),
         {{otherRun + "/current_activity.txt",
           activityFile(w6ScanLines("5", {7, 7, 7, 7, 7, 7}) + QStringList{"12 \"B3\"", "30"})}}},
        // Taken as rows, "A1" would clear the scan and "B3" close it with zeros.
        {"short lines inside the last scan", goodRunRows({"12 \"A1\"", "12 \"B3\"", "\"A2\"", "12"}), {}},
        {"wells outside the format",
         goodRunRows({"12 \"C1\" 999", "12 \"A4\" 999", "12 \"a1\" 999", "12 \"A1.5\" 999", "12 \"B0\" 999",
                      "12 \"A99999999999999999999\" 999", "12 \"A\" 999", "12 \"\" 999"}),
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReferenceBench b;
        b.addRun(kGoodRun, activityFile(c.goodRows));
        for (const Entry& e : c.others)
            ASSERT_TRUE(writeBytes(b.folder.path(projectOf(12) + e.path), e.bytes));
        const InternalReferenceFactors f = b.load(b.folder.path(), "w6");
        EXPECT_EQ(f.bytes, kGoodRunBytes);
        EXPECT_EQ(b.lines("factor_correction.txt").mid(2), kGoodRunFile);
    }
}

TEST(InternalReferenceRules, EveryReferenceRunCountsPastNinetyNine)
{
    ReferenceBench b;
    for (int i = 1; i <= 99; ++i)
        b.addRun(QStringLiteral("20250101_%1w6_reference").arg(i, 6, 10, QLatin1Char('0')),
                 w6Activity({{"12", {100, 100, 100, 100, 100, 100}}}));
    // The hundredth: mean 100, weights 1.2 and 0. A1 averages 100.2/100, B3 99/100.
    b.addRun(QStringLiteral("20250101_000100w6_reference"), w6Activity({{"12", {120, 120, 120, 120, 120, 0}}}));

    const InternalReferenceFactors f = b.load(b.folder.path(), "w6");
    EXPECT_EQ(f.bytes, QByteArray("\x63\x63\x63\x63\x63\x65")); // 1/1.002 -> 99, 1/0.99 -> 101
    const QStringList lines = b.lines("factor_correction.txt");
    ASSERT_EQ(lines.size(), 5 + 100 + 2 + 100 + 1);
    EXPECT_EQ(lines.at(2), "mult_factor 1.00 1.00 1.00 1.00 1.00 1.01");
    EXPECT_EQ(lines.at(104), "20250101_000100w6_reference 1.20 1.20 1.20 1.20 1.20 0.00");
    EXPECT_EQ(lines.at(206), "20250101_000100w6_reference 120 120 120 120 120 0");
}

TEST(InternalReferenceRules, AFactoryFileShortOfLinesOrValuesGivesOneForWhatItLacks)
{
    struct Case {
        const char* what;
        QByteArray file;
        QByteArray bytes;
        std::array<double, 6> table;
        QString multFactor;
    };
    const QString head = QStringLiteral("\"20260101 10:00\"\r\nwell A1 B1 A2 B2 A3 B3\r\n");
    const QByteArray ones("\x64\x64\x64\x64\x64\x64");
    const QString onesLine = QStringLiteral("mult_factor 1.00 1.00 1.00 1.00 1.00 1.00");
    const std::vector<Case> cases{
        {"an empty file", QByteArray(), ones, {1, 1, 1, 1, 1, 1}, onesLine},
        {"two lines", head.toLatin1(), ones, {1, 1, 1, 1, 1, 1}, onesLine},
        {"a third line without values", (head + "mult_factor\r\n").toLatin1(), ones, {1, 1, 1, 1, 1, 1}, onesLine},
        {"two values", (head + "mult_factor 0.5 2\r\n").toLatin1(), QByteArray("\x32\xC8\x64\x64\x64\x64"),
         {0.5, 2, 1, 1, 1, 1}, "mult_factor 0.50 2.00 1.00 1.00 1.00 1.00"},
        // 0.29 x 100 falls just short of 29, 2.55 x 100 of 255.
        {"more values than wells", (head + "mult_factor 0,25 0.29 2.6 x -3 1.75 0.5\r\n").toLatin1(),
         QByteArray("\x19\x1C\xFE\x00\x00\xAF", 6), {0.25, 0.29, 2.55, 0, 0, 1.75},
         "mult_factor 0.25 0.29 2.55 0.00 0.00 1.75"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReferenceBench b;
        ASSERT_TRUE(writeBytes(b.folder.path("config_SN12/intfactor_w6.dat"), c.file));
        const InternalReferenceFactors f = b.load(b.folder.path(), "w6", 12);
        EXPECT_EQ(f.bytes, c.bytes);
        for (size_t k = 0; k < 6; ++k)
            EXPECT_DOUBLE_EQ(f.table[k], c.table[k]) << k;
        EXPECT_EQ(f.table[6], 1.0);
        EXPECT_EQ(b.lines("factor_correction.txt"),
                  QStringList({"\"2026/03/14_09:26:53_FACTORYDEFAULT[SN12]\"", "well A1 B1 A2 B2 A3 B3",
                               c.multFactor, "", ""}));
    }
}

TEST(InternalReferenceRules, TheSourceIsAnnouncedForApplyOrUpdateOnly)
{
    struct Case {
        const char* what;
        int choice; // combo_intref: No, Apply, Update
        int announce;
        const char* format;
        bool shown;
    };
    const std::vector<Case> cases{
        {"No", 0, 1, "w6", false},
        {"Apply", 1, 1, "w6", true},
        {"Update", 2, 1, "w6", true},
        {"Apply, announce 0", 1, 0, "w6", false},
        {"Update, announce 0", 2, 0, "w6", false},
        {"Update without a reference run", 2, 1, "w24", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReferenceBench b;
        b.intRefChoice = c.choice;
        b.addRun(kGoodRun, activityFile(goodRunRows()), 7);
        b.load(b.folder.path(), c.format, 7, c.announce);
        const QStringList expected{"Internal Reference loaded from:\r"
                                   + QDir::toNativeSeparators(b.folder.folder().root() + "/reports/_internal_reference")
                                   + "SN7"};
        EXPECT_EQ(b.prompts.messages, c.shown ? expected : QStringList());
    }
}

TEST(InternalReferenceRules, AReportRecomputesForTheRecordingInstrumentAndLeavesTheLiveRunsFactors)
{
    ReferenceBench b;
    b.addRun(kGoodRun, activityFile(goodRunRows()), 12);
    // The instrument that recorded the old run: mean 58.33, weights 0.86 and 1.71.
    b.addRun("20250301_090000w6_reference", w6Activity({{"15", {50, 50, 50, 50, 50, 100}}}), 7);

    // The run on now loaded its factors from this instrument's runs.
    const QString live = b.folder.path("reports/proj/20260314_092000live");
    makeFolder(live);
    const InternalReferenceFactors running = b.load(live, "w6", 12, 0);
    const std::array<double, kWellSlots> runningTable = running.table;
    const QByteArray liveFile = fileBytes(live + "/factor_correction.txt");

    // "Update" on the old run: the serial comes from its serial.dat.
    const QString recorded = b.folder.path("reports/proj/20250301_100000old");
    ASSERT_TRUE(writeBytes(recorded + "/serial.dat", "SN7\r\n"));
    b.intRefChoice = 2;
    const InternalReferenceFactors report = b.load(recorded, "w6", ReadSerialFile(recorded), 1);

    EXPECT_EQ(report.bytes, QByteArray("\x74\x74\x74\x74\x74\x3A")); // 1/0.857 -> 116, 1/1.714 -> 58
    const QString sn7 = QDir::toNativeSeparators(b.folder.folder().root() + "/reports/_internal_reference") + "SN7";
    EXPECT_EQ(b.prompts.messages, QStringList{"Internal Reference loaded from:\r" + sn7});
    EXPECT_EQ(fileLines(recorded + "/factor_correction.txt").at(0), "\"2026/03/14_09:26:53_" + sn7 + "\"");
    EXPECT_EQ(fileLines(recorded + "/factor_correction.txt").at(2), "mult_factor 1.17 1.17 1.17 1.17 1.17 0.58");

    // The running acquisition's table and its folder's file are untouched.
    EXPECT_EQ(running.table, runningTable);
    EXPECT_EQ(running.bytes, kGoodRunBytes);
    EXPECT_EQ(fileBytes(live + "/factor_correction.txt"), liveFile);
    EXPECT_EQ(QDir(live).entryList(QDir::Files), QStringList{"factor_correction.txt"});
}

} // namespace
