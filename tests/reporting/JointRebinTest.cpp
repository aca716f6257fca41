#include "JointRunFolders.h"
#include "reporting/JointRebin.h"
#include "reporting/JointTable.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2025, 3, 14), QTime(10, 15, 30));

QStringList lines(std::initializer_list<const char*> texts)
{
    QStringList l;
    for (const char* t : texts)
        l << QString::fromLatin1(t);
    return l;
}

} // namespace

TEST(JointRebin, OneBinClosesPerLineAndTheClosingLineIsConsumed)
{
    // 2.5 -> 2 and 10.5 -> 10 (halves to even), 5.5 -> 6: 2 x 1 + 4 x 10 + 4 x 100 = 442.
    const QStringList table = lines({"Time A1 B1 A2 B2 A3 B3", "2.5 1 1 1 1 1 1", "5.5 10 10 10 10 10 10",
                                     "10.5 100 100 100 100 100 0", "12 1000 1000 1000 1000 1000 1000", ""});
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("10"), QStringLiteral(";")),
              "Time;A1;B1;A2;B2;A3;B3\r\n10;442;442;442;442;442;42\r\n");
}

TEST(JointRebin, MinutesOfEachLineAreSpreadOverTheBins)
{
    // 4, 8 and 12 minutes of constant 3: the bin of 10 holds 4 + 4 + 2 minutes;
    // the last 2 minutes open a bin that is never written. The next block starts afresh.
    const QStringList table =
        lines({"\\p1", "\\20250314_101500run1 [w6]", "Time A1 B1", "4 3 3", "8 3 3", "12 3 3", "",
               "\\p1", "\\20250314_111500run2 [w6]", "Time A1 B1", "10 1 2", "20 1 2", "35 2 2", "50 3 3", ""});
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("10"), QStringLiteral(",")),
              "\\p1\r\n\\20250314_101500run1,[w6]\r\nTime,A1,B1\r\n10,30,30\r\n"
              "\\p1\r\n\\20250314_111500run2,[w6]\r\nTime,A1,B1\r\n"
              "10,10,20\r\n"  // minutes 1-10
              "20,10,20\r\n"  // 11-20
              "30,20,20\r\n"  // 21-30 of the line at 35; 31-35 carried
              "40,25,25\r\n"); // 5 x 2 + 5 x 3; minutes 41-50 never close
}

TEST(JointRebin, BinWidthsBelowTenBecomeTen)
{
    EXPECT_EQ(jointBinText(QStringLiteral("5")), QStringLiteral("10"));
    EXPECT_EQ(jointBinText(QStringLiteral("abc")), QStringLiteral("10"));
    EXPECT_EQ(jointBinText(QStringLiteral("15")), QStringLiteral("15"));
    EXPECT_EQ(jointBinText(QStringLiteral("ScanTime")), QStringLiteral("ScanTime"));
    const QStringList table = lines({"Time A1", "10 1", "20 1", ""});
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("5"), QStringLiteral(";")), "Time;A1\r\n10;10\r\n20;10\r\n");
}

TEST(JointRebin, ScanTimeCopiesEveryLineWithPointsAndDividers)
{
    const QStringList table = lines({"\\p1", "\\20250314_101500run1 [w6]", "Time A1 B1", "12,5 1 2", "", ""});
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("ScanTime"), QStringLiteral(";")),
              "\\p1\r\n\\20250314_101500run1;[w6]\r\nTime;A1;B1\r\n12.5;1;2\r\n\r\n\r\n");
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("ScanTime"), QStringLiteral(",")),
              "\\p1\r\n\\20250314_101500run1,[w6]\r\nTime,A1,B1\r\n12.5,1,2\r\n\r\n\r\n");
}

TEST(JointRebin, NinetySixWellBlockCountsEveryWell)
{
    // H12 ends the header: every field after "Time" is a well. A line short of
    // values counts 0 for the missing wells.
    QByteArray header = "Time";
    QByteArray full = "5";
    QByteArray expected = "10";
    for (int column = 1; column <= 12; ++column) {
        for (char row = 'A'; row <= 'H'; ++row) {
            const int well = (column - 1) * 8 + (row - 'A');
            header += ' ' + QByteArray(1, row) + QByteArray::number(column);
            full += ' ' + QByteArray::number(well + 1);
            expected += ';' + QByteArray::number(well < 2 ? 5 * (well + 1) + 5 * 7 : 5 * (well + 1));
        }
    }
    const QStringList table{QString::fromLatin1(header), QString::fromLatin1(full), QStringLiteral("10,4 7 7"),
                            QString()};
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("10"), QStringLiteral(";")),
              QByteArray(header).replace(' ', ';') + "\r\n" + expected + "\r\n");
}

TEST(JointRebin, ABareTimeHeaderHasNoWells)
{
    const QStringList table = lines({"\\p1", "\\ []", "Time", "", "\\p2"});
    EXPECT_EQ(rebinJointTable(table, QStringLiteral("30"), QStringLiteral(";")), "\\p1\r\n\\;[]\r\nTime\r\n\\p2\r\n");
}

TEST(JointRebin, ReportStampHasTheDayOfTheYear)
{
    EXPECT_EQ(jointReportStamp(kWhen), QStringLiteral("25730314101530"));
    EXPECT_EQ(jointReportStamp(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))), QStringLiteral("243661231235959"));
    EXPECT_EQ(jointReportStamp(QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0))), QStringLiteral("2510101000000"));
}

TEST(JointRebin, JointTableToReportFileByteForByte)
{
    JointRunFolders f;
    const char* times[] = {"2.5", "5.5", "10.5", "12.0"};
    const int values[] = {1, 10, 100, 1000};
    QStringList rows;
    for (int t = 0; t < 4; ++t) {
        for (const char* well : {"A1", "A2", "A3", "B1", "B2", "B3"}) {
            int accumulated = 0;
            for (int i = 0; i <= t; ++i)
                accumulated += values[i];
            rows << QStringLiteral("%1 \"%2\" %3").arg(QLatin1String(times[t]), QLatin1String(well)).arg(accumulated);
        }
    }
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500run1"), QStringLiteral("w6"), rows);
    const JointTableResult table =
        writeJointTable(f.tmp.folder(), {projectLine("p1"), runLine("2025.0314", "10:15", "run1")}, false, kWhen);
    ASSERT_TRUE(table.written);

    ReportChoices choices;
    choices.binText = QStringLiteral("5");
    choices.divider = QStringLiteral(";");
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    const JointReportContext context{jointTablePath(f.tmp.folder(), table.fileName), table.runFolder, kWhen};
    const ReportResult r = generateJointReport(choices, context, prompts, opener);
    ASSERT_EQ(r.status, ReportResult::Status::Written);
    EXPECT_EQ(r.binText, QStringLiteral("10"));
    EXPECT_EQ(r.filePath, f.tmp.path(QStringLiteral("reports/p1/report25730314101530.csv")));
    EXPECT_EQ(fileBytes(r.filePath), "\\p1\r\n\\20250314_101500run1;[w6]\r\nTime;A1;B1;A2;B2;A3;B3\r\n"
                                     "10;442;442;442;442;442;442\r\n");
    EXPECT_EQ(opener.opened, QStringList{r.filePath});
    EXPECT_TRUE(prompts.messages.isEmpty());

    choices.binText = QStringLiteral("ScanTime");
    choices.fileType = QStringLiteral(".txt");
    choices.divider = QStringLiteral(",");
    const ReportResult copy = generateJointReport(choices, context, prompts, opener);
    EXPECT_EQ(copy.filePath, f.tmp.path(QStringLiteral("reports/p1/report25730314101530.txt")));
    EXPECT_EQ(copy.binText, QStringLiteral("ScanTime"));
    EXPECT_EQ(fileBytes(copy.filePath), "\\p1\r\n\\20250314_101500run1,[w6]\r\nTime,A1,B1,A2,B2,A3,B3\r\n"
                                        "2.5,1,1,1,1,1,1\r\n5.5,10,10,10,10,10,10\r\n"
                                        "10.5,100,100,100,100,100,100\r\n12,1000,1000,1000,1000,1000,1000\r\n\r\n");
}

TEST(JointRebin, AGoneTableOrFolderIsAReportError)
{
    JointRunFolders f;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ReportChoices choices;
    choices.binText = QStringLiteral("3");

    const ReportResult gone = generateJointReport(
        choices, {f.tmp.path(QStringLiteral("reports/default_project/joint1.txt")), f.tmp.path(), kWhen}, prompts,
        opener);
    EXPECT_EQ(gone.status, ReportResult::Status::Failed);
    EXPECT_EQ(gone.binText, QStringLiteral("10"));
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Report Error")});
    EXPECT_TRUE(QDir(f.tmp.path()).entryList(QDir::Files).isEmpty());

    const QString tablePath = f.tmp.path(QStringLiteral("reports/default_project/joint2.txt"));
    ASSERT_TRUE(writeBytes(tablePath, "Time A1\r\n10 1\r\n"));
    const ReportResult noFolder =
        generateJointReport(choices, {tablePath, f.tmp.path(QStringLiteral("reports/missing")), kWhen}, prompts, opener);
    EXPECT_EQ(noFolder.status, ReportResult::Status::Failed);
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(opener.opened.isEmpty());
}
