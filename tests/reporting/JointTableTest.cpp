#include "JointRunFolders.h"
#include "reporting/JointReport.h"
#include "reporting/JointTable.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2025, 3, 14), QTime(10, 15, 30));

// The described w6 run, rows in the order A1 A2 A3 B1 B2 B3, plus a time point
// that never reaches B3.
QStringList sixWellRows()
{
    const char* times[] = {"0.5", "1.0", "1.5", "2.0", "2.5", "3.0"};
    const int a1[] = {5, 9, 200, 210, 214, 220};
    const int b3[] = {0, 0, 50, 50, 50, 50};
    QStringList rows;
    for (int t = 0; t < 6; ++t) {
        const QString time = QString::fromLatin1(times[t]);
        rows << time + QStringLiteral(" \"A1\" %1").arg(a1[t]) << time + QStringLiteral(" \"A2\" %1").arg(t + 1)
             << time + QStringLiteral(" \"A3\" 0") << time + QStringLiteral(" \"B1\" 0")
             << time + QStringLiteral(" \"B2\" %1").arg(20 * (t + 1)) << time + QStringLiteral(" \"B3\" %1").arg(b3[t]);
    }
    rows << QStringLiteral("3.5 \"A1\" 300") << QStringLiteral("3.5 \"A2\" 7");
    return rows;
}

const QByteArray kSixWellBlock = "\\p1\r\n"
                                 "\\20250314_101500run1 [w6]\r\n"
                                 "Time A1 B1 A2 B2 A3 B3\r\n"
                                 "0.5 5 0 1 20 0 0\r\n"
                                 "1 4 0 1 20 0 0\r\n"
                                 "1.5 191 0 1 20 0 50\r\n"
                                 "2 10 0 1 20 0 0\r\n"
                                 "2.5 4 0 1 20 0 0\r\n"
                                 "3 6 0 1 20 0 0\r\n"
                                 "\r\n";

} // namespace

TEST(JointTable, RunEntriesLeadToTheirFolders)
{
    const QString run = QStringLiteral("  > 2024.0315\t ACQ14:22 \"mice\"");
    EXPECT_TRUE(isJointRunEntry(run));
    EXPECT_FALSE(isJointProjectEntry(run));
    EXPECT_EQ(jointRunPrefix(run), QStringLiteral("20240315_1422"));
    EXPECT_EQ(jointRunPrefix(QStringLiteral("  > 2024.0315\t ACQ14 \"x\"")), QString()); // no minute
    EXPECT_TRUE(isJointProjectEntry(QStringLiteral("+ 2024.0315\tp1")));
    EXPECT_EQ(projectFolderOfEntry(QStringLiteral("+ 2024.0315\tmy project")), QStringLiteral("my project"));
    EXPECT_EQ(projectFolderOfEntry(QStringLiteral("+ 2024.0315 p1")), QString());
    EXPECT_EQ(jointTableFileName(kWhen), QStringLiteral("joint20250314101530.txt"));
}

TEST(JointTable, SixWellRunWithAndWithoutOutlierRemoval)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500run1"), QStringLiteral("w6"), sixWellRows());
    const std::vector<JointListEntry> entries{projectLine("p1"), runLine("2025.0314", "10:15", "run1")};

    const JointTableResult plain = writeJointTable(f.tmp.folder(), entries, false, kWhen);
    ASSERT_TRUE(plain.written);
    EXPECT_EQ(plain.fileName, QStringLiteral("joint20250314101530.txt"));
    EXPECT_EQ(plain.filePath, f.tmp.path(QStringLiteral("reports/default_project/joint20250314101530.txt")));
    EXPECT_EQ(plain.runs, 1);
    EXPECT_EQ(plain.runFolder, f.tmp.path(QStringLiteral("reports/p1")));
    EXPECT_EQ(fileBytes(plain.filePath), kSixWellBlock);

    QByteArray removed = kSixWellBlock;
    removed.replace("1.5 191 0 1 20 0 50", "1.5 5 0 1 20 0 0");
    const JointTableResult cleaned = writeJointTable(f.tmp.folder(), entries, true, kWhen);
    EXPECT_EQ(fileBytes(cleaned.filePath), removed);
}

TEST(JointTable, TwentyFourWellRunLandsUnderTheRightNames)
{
    // The run file lists the wells camera by camera: A1 A2 B1 B2 C1 C2 D1 D2 A3 A4 ...
    QStringList rows;
    for (int time = 1; time <= 2; ++time) {
        for (int pair = 0; pair < 3; ++pair) {
            for (int row = 0; row < 4; ++row) {
                for (int column = 2 * pair + 1; column <= 2 * pair + 2; ++column)
                    rows << QStringLiteral("%1,0 \"%2%3\" %4")
                                .arg(time)
                                .arg(QChar('A' + row))
                                .arg(column)
                                .arg(time * (100 * (row + 1) + column));
            }
        }
    }
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500w24run"), QStringLiteral("w24"), rows);
    const JointTableResult r = writeJointTable(f.tmp.folder(), {projectLine("p1"), runLine("2025.0314", "10:15", "w24run")},
                                               false, kWhen);
    EXPECT_EQ(fileBytes(r.filePath),
              "\\p1\r\n\\20250314_101500w24run [w24]\r\n"
              "Time A1 B1 C1 D1 A2 B2 C2 D2 A3 B3 C3 D3 A4 B4 C4 D4 A5 B5 C5 D5 A6 B6 C6 D6\r\n"
              "1 101 201 301 401 102 202 302 402 103 203 303 403 104 204 304 404 105 205 305 405 106 206 306 406\r\n"
              "2 101 201 301 401 102 202 302 402 103 203 303 403 104 204 304 404 105 205 305 405 106 206 306 406\r\n"
              "\r\n");
}

TEST(JointTable, TwoRunsInListOrderProjectEntriesSkipped)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500run1"), QStringLiteral("w6"), sixWellRows());
    f.addRun(QStringLiteral("p2"), QStringLiteral("20250315_090000"), QStringLiteral("p35"),
             QStringList{QStringLiteral("0.5 \"A1\" 1"), QStringLiteral("0.5 \"B1\" 2"), QStringLiteral("0.5 \"A2\" 3"),
                         QStringLiteral("0.5 \"B2\" 4"), QStringLiteral("0.5 \"A3\" 5"),
                         QStringLiteral("0.5 \"B3\" 6")});
    const std::vector<JointListEntry> entries{projectLine("p1", true), runLine("2025.0314", "10:15", "run1"),
                                              runLine("2025.0314", "10:16", "other", false), projectLine("p2", true),
                                              runLine("2025.0315", "09:00", "<Write Acquisition Name>")};
    const JointTableResult r = writeJointTable(f.tmp.folder(), entries, false, kWhen);
    EXPECT_EQ(r.runs, 2);
    EXPECT_EQ(r.runFolder, f.tmp.path(QStringLiteral("reports/p2")));
    EXPECT_EQ(fileBytes(r.filePath), kSixWellBlock
                                         + "\\p2\r\n\\20250315_090000 [p35]\r\nTime A1 B1 A2 B2 A3 B3\r\n"
                                           "0.5 1 2 3 4 5 6\r\n\r\n");
}

TEST(JointTable, RunsThatGiveNoTimePoints)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_100000nofile"), QStringLiteral("w6"), std::nullopt);
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_110000nosubpj"), QString(),
             QStringList{QStringLiteral("0.5 \"A1\" 1")});
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_120000incomplete"), QStringLiteral("w6"),
             QStringList{QStringLiteral("0.5 \"A1\" 1"), QStringLiteral("0.5 \"B1\" 1")});
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_130000big"), QStringLiteral("w96f"), QStringList{});
    const std::vector<JointListEntry> entries{projectLine("p1"),
                                              runLine("2025.0314", "10:00", "nofile"),
                                              runLine("2025.0314", "11:00", "nosubpj"),
                                              runLine("2025.0314", "12:00", "incomplete"),
                                              runLine("2025.0314", "13:00", "big"),
                                              runLine("2025.0314", "14:00", "gone")};
    const JointTableResult r = writeJointTable(f.tmp.folder(), entries, true, kWhen);
    QByteArray w96Header = "Time";
    for (int column = 1; column <= 12; ++column) {
        for (char row = 'A'; row <= 'H'; ++row)
            w96Header += ' ' + QByteArray(1, row) + QByteArray::number(column);
    }
    EXPECT_EQ(fileBytes(r.filePath), "\\p1\r\n\\20250314_100000nofile [w6]\r\nTime A1 B1 A2 B2 A3 B3\r\n\r\n"
                                     "\\p1\r\n\\20250314_110000nosubpj []\r\nTime\r\n\r\n"
                                     "\\p1\r\n\\20250314_120000incomplete [w6]\r\nTime A1 B1 A2 B2 A3 B3\r\n\r\n"
                                     "\\p1\r\n\\20250314_130000big [w96f]\r\n" + w96Header + "\r\n\r\n"
                                     "\\p1\r\n\\ []\r\nTime\r\n\r\n");
}

TEST(JointTable, TwoRunsOfOneMinuteBothLeadToTheFirstByName)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101559B"), QStringLiteral("w6"), std::nullopt);
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500a"), QStringLiteral("p35"), std::nullopt);
    const JointTableResult r = writeJointTable(
        f.tmp.folder(), {projectLine("p1"), runLine("2025.0314", "10:15", "a"), runLine("2025.0314", "10:15", "B")},
        false, kWhen);
    const QByteArray block = "\\p1\r\n\\20250314_101500a [p35]\r\nTime A1 B1 A2 B2 A3 B3\r\n\r\n";
    EXPECT_EQ(fileBytes(r.filePath), block + block);
}

TEST(JointTable, TimesKeepTheirFractionWrittenWithAPoint)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500"), QStringLiteral("w6"),
             QStringList{QStringLiteral("12,5 \"A1\" 1"), QStringLiteral("12,5 \"B1\" 1"),
                         QStringLiteral("12,5 \"A2\" 1"), QStringLiteral("12,5 \"B2\" 1"),
                         QStringLiteral("12,5 \"A3\" 1"), QStringLiteral("12,6 \"B3\" 1")});
    const JointTableResult r =
        writeJointTable(f.tmp.folder(), {projectLine("p1"), runLine("2025.0314", "10:15", "")}, false, kWhen);
    EXPECT_EQ(fileLines(r.filePath).value(3), QStringLiteral("12.5 1 1 1 1 1 1"));
}

TEST(JointTable, OnlyProjectsSelectedGivesAnEmptyTableAndTheJointPanel)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500run1"), QStringLiteral("w6"), sixWellRows());
    ScriptedPrompts prompts;
    prompts.answers = {PromptAnswer::No};
    FakeClock clock(kWhen);
    const JointTableResult r = prepareJointReport(
        f.tmp.folder(), {projectLine("p1", true), runLine("2025.0314", "10:15", "run1", false)}, prompts, clock);
    ASSERT_TRUE(r.written);
    EXPECT_EQ(r.runs, 0);
    EXPECT_TRUE(QFileInfo::exists(r.filePath));
    EXPECT_EQ(fileBytes(r.filePath), QByteArray());
    EXPECT_TRUE(prompts.messages.isEmpty());

    ReportPanelState panel;
    QString runFolder = QStringLiteral("somewhere");
    handOverJointTable(r, panel, runFolder);
    EXPECT_TRUE(panel.visible);
    EXPECT_TRUE(panel.jointReportMode);
    EXPECT_EQ(panel.jointFileName, QStringLiteral("joint20250314101530.txt"));
    EXPECT_EQ(runFolder, f.tmp.path(QStringLiteral("reports")));
}

TEST(JointTable, AskedOnceAboutOutliersAndTimedOnce)
{
    JointRunFolders f;
    f.addRun(QStringLiteral("p1"), QStringLiteral("20250314_101500run1"), QStringLiteral("w6"), sixWellRows());
    ScriptedPrompts prompts;
    prompts.answers = {PromptAnswer::Yes};
    FakeClock clock(kWhen);
    clock.onTick = [&] { clock.advance(1000); };
    const JointTableResult r =
        prepareJointReport(f.tmp.folder(), {projectLine("p1"), runLine("2025.0314", "10:15", "run1")}, prompts, clock);
    EXPECT_EQ(prompts.questions,
              QStringList{QStringLiteral(
                  "Do you like to remove outliers?\r\noutlier = Activity(t) > 3.5 * Median(t-2;t+2)")});
    EXPECT_EQ(r.fileName, QStringLiteral("joint20250314101530.txt"));
    EXPECT_EQ(fileLines(r.filePath).value(5), QStringLiteral("1.5 5 0 1 20 0 0"));
}

TEST(JointTable, ATableThatCannotBeWrittenIsReportedAndNotHandedOver)
{
    JointRunFolders f;
    // A file where the folder of joint tables should be.
    ASSERT_TRUE(writeBytes(f.tmp.path(QStringLiteral("reports/default_project")), "x"));
    ScriptedPrompts prompts;
    prompts.answers = {PromptAnswer::No}; // outliers stay
    FakeClock clock(kWhen);
    const JointTableResult r = prepareJointReport(f.tmp.folder(), {}, prompts, clock);
    EXPECT_FALSE(r.written);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("Report Error")});
}

TEST(JointTable, HandOverSetsThePanelsJointConfiguration)
{
    JointTableResult table;
    table.fileName = QStringLiteral("joint20250314101530.txt");
    table.written = true;
    table.runFolder = QStringLiteral("/prog/reports/p2");
    ReportPanelState panel;
    panel.selectedOutput = 1;
    panel.intRefIndex = 2;
    panel.binText = QStringLiteral("60");
    QString runFolder;
    handOverJointTable(table, panel, runFolder);

    EXPECT_TRUE(panel.jointReportMode);
    EXPECT_EQ(panel.jointFileName, table.fileName);
    EXPECT_EQ(panel.selectedOutput, 0);
    EXPECT_EQ(panel.outputEnabled, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_FALSE(panel.intRefEnabled);
    EXPECT_FALSE(panel.blankEnabled);
    EXPECT_EQ(panel.binItems, QStringList{QStringLiteral("ScanTime")});
    EXPECT_EQ(panel.binText, QStringLiteral("ScanTime"));
    EXPECT_EQ(panel.binsizeCaption, QStringLiteral("Joining time:"));
    EXPECT_EQ(panel.generateCaption, QStringLiteral("Generate Joint Report"));
    EXPECT_EQ(panel.intRefIndex, 1);
    EXPECT_EQ(runFolder, QStringLiteral("/prog/reports/p2"));
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(panel.title, QStringLiteral("Report:"));

    ReportPanelState page;
    handOverJointTable(table, page, runFolder, JointReportPage::SavedData);
    EXPECT_EQ(page.title, QStringLiteral("Joint Report"));
}
