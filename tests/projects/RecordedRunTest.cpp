#include "projects/RecordedRun.h"
#include "projects/RecordedRunTree.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordedRun, StampFromRunLine)
{
    EXPECT_EQ(runStampFromLine(QStringLiteral("  > 2024.0315\t ACQ14:22 \"mice\"")), QStringLiteral("20240315_1422"));
    // The name's own "." and ":" come after the places the stamp is taken from.
    EXPECT_EQ(runStampFromLine(QStringLiteral("  > 2024.0101\t ACQ00:05 \"a.b:c>d\"")),
              QStringLiteral("20240101_0005"));
}

TEST(RecordedRun, FolderFoundByStampWithoutExtension)
{
    TempProgramFolder tmp;
    const QString project = tmp.path(QStringLiteral("reports/p1"));
    writeFile(project + QStringLiteral("/20240315_1422.txt"), "x");
    QDir().mkpath(project + QStringLiteral("/20240315_142233mice"));
    QDir().mkpath(project + QStringLiteral("/20240315_142259rats"));
    EXPECT_EQ(findRunFolderName(project, QStringLiteral("20240315_1422")), QStringLiteral("20240315_142233mice"));
    EXPECT_EQ(findRunFolderName(project, QStringLiteral("20240315_1423")), QString());
}

TEST(RecordedRun, ActivityTotalsBecomePerScanValues)
{
    TempProgramFolder tmp;
    const QString run = writeRecordedRun(tmp, QStringLiteral("p"), QStringLiteral("20240101_000000"), "x\r\n",
                                         "0.5 \"A1\" 120\r\n0.5 \"B1\" 80\r\n1.0 \"A1\" 300\r\n1.0 \"B1\" 80\r\n");
    RunResults r;
    ASSERT_TRUE(loadRecordedActivity(run + QStringLiteral("/current_activity.txt"), plateGrid(QStringLiteral("w6")), r));
    EXPECT_EQ(r.scanIndex(), 1);
    EXPECT_EQ(r.wellsPerScan, 6);
    EXPECT_EQ(r.scanTime, (std::vector<std::int32_t>{30, 60}));
    EXPECT_EQ(r.readTime(0, 0), 30);
    EXPECT_EQ(r.readTime(1, 0), 30);
    EXPECT_EQ(r.readTime(0, 1), 60);
    EXPECT_EQ(r.readTime(1, 1), 60);
    EXPECT_EQ(r.activity(0, 0), 120);
    EXPECT_EQ(r.activity(1, 0), 80);
    EXPECT_EQ(r.activity(0, 1), 180);
    EXPECT_EQ(r.activity(1, 1), 0);
    EXPECT_EQ(r.activity(2, 1), 0); // not in the file: 0, not "no value"
}

TEST(RecordedRun, ActivityRowsAsTable)
{
    struct Case {
        const char* name;
        QByteArray rows;
        const char* format;
        int scans;
        std::vector<std::int32_t> times;
        std::vector<double> activity; // scan-major, wells of the format
    };
    const Case cases[] = {
        {"decimal comma: time read whole, value stops", "12,5 \"A1\" 12,5\r\n", "w6", 1, {750}, {12, 0, 0, 0, 0, 0}},
        {"rows before the first A1 store nothing", "0.1 \"B1\" 5\r\n0.2 \"A1\" 7\r\n", "w6", 1, {12}, {7, 0, 0, 0, 0, 0}},
        {"double blanks halved", "0.5  \"A1\"  9\r\n0.5  \"A2\"  4\r\n", "w6", 1, {30}, {9, 0, 4, 0, 0, 0}},
        {"line without two blanks skipped", "0.5 \"A1\" 3\r\n0.5\"B1\" 4\r\nfoo\r\n", "w6", 1, {30}, {3, 0, 0, 0, 0, 0}},
        {"row or column outside the grid skipped", "0.5 \"A1\" 3\r\n0.5 \"H16\" 4\r\n0.5 \"C1\" 5\r\n0.5 \"A4\" 6\r\n", "w6", 1, {30},
         {3, 0, 0, 0, 0, 0}},
        {"empty and odd names skipped", "0.5 \"A1\" 3\r\n0.5 \"\" 4\r\n0.5 \"well\" 5\r\n0.5 \"Bx\" 6\r\n", "w6", 1,
         {30}, {3, 0, 0, 0, 0, 0}},
        {"more scans than the set-up says", "0.1 \"A1\" 1\r\n0.2 \"A1\" 3\r\n0.3 \"A1\" 6\r\n", "w6", 3, {6, 12, 18},
         {1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0}},
        // Totals of a long run pass 2^31: the per-scan values are their differences all the same.
        {"totals above 2^31", "0.1 \"A1\" 2147483640\r\n0.2 \"A1\" 2147483660\r\n0.3 \"A1\" 5000000010\r\n", "w6", 3,
         {6, 12, 18}, {2147483640, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 2852516350, 0, 0, 0, 0, 0}},
        {"w96f well from the format table", "0.5 \"A1\" 1\r\n0.5 \"H12\" 7\r\n", "w96f", 1, {30}, {}},
        {"unknown format keeps scans only", "0.5 \"A1\" 1\r\n", "", 1, {30}, {}},
    };
    for (const Case& c : cases) {
        TempProgramFolder tmp;
        const QString run = writeRecordedRun(tmp, QStringLiteral("p"), QStringLiteral("20240101_000000"), "x\r\n", c.rows);
        RunResults r;
        ASSERT_TRUE(loadRecordedActivity(run + QStringLiteral("/current_activity.txt"),
                                         plateGrid(QString::fromLatin1(c.format)), r))
            << c.name;
        EXPECT_EQ(r.scanCount(), c.scans) << c.name;
        EXPECT_EQ(r.scanTime, c.times) << c.name;
        if (!c.activity.empty()) {
            EXPECT_EQ(r.wellActivity, c.activity) << c.name;
        }
    }
    // H12 of a w96f plate: column 11 * 8 rows + row 7 = 95.
    TempProgramFolder tmp;
    const QString run = writeRecordedRun(tmp, QStringLiteral("p"), QStringLiteral("20240101_000000"), "x\r\n",
                                         "0.5 \"A1\" 1\r\n0.5 \"H12\" 7\r\n");
    RunResults r;
    loadRecordedActivity(run + QStringLiteral("/current_activity.txt"), plateGrid(QStringLiteral("w96f")), r);
    EXPECT_EQ(r.wellsPerScan, 96);
    EXPECT_EQ(r.activity(95, 0), 7);
    EXPECT_EQ(r.readTime(95, 0), 30);
}

TEST(RecordedRun, TemperaturesGroupedByScan)
{
    TempProgramFolder tmp;
    const QString run = writeRecordedRun(tmp, QStringLiteral("p"), QStringLiteral("20240101_000000"), "x\r\n",
                                         "0.0 \"A1\" 1\r\n0.2 \"A1\" 2\r\n",
                                         "0.0 20.5\r\n0.0 20.7\r\n0.2 21.0\r\n0.2 21.4\r\n");
    RunResults r;
    loadRecordedActivity(run + QStringLiteral("/current_activity.txt"), plateGrid(QStringLiteral("w6")), r);
    ASSERT_EQ(r.scanTime, (std::vector<std::int32_t>{0, 12}));
    ASSERT_TRUE(loadRecordedTemperature(run + QStringLiteral("/current_temperature.txt"), r));
    EXPECT_DOUBLE_EQ(r.scanTemperature[0], 20.6);
    EXPECT_DOUBLE_EQ(r.scanTemperature[1], 21.4); // the file ends before its mean
}

TEST(RecordedRun, TemperatureReadingsPastTheLastScanDropped)
{
    TempProgramFolder tmp;
    const QString run = writeRecordedRun(tmp, QStringLiteral("p"), QStringLiteral("20240101_000000"), "x\r\n",
                                         "0.0 \"A1\" 1\r\n", "0.0 0.0\r\n0,1 19,5\r\n0.2 30.0\r\n0.3 31.0\r\n");
    RunResults r;
    loadRecordedActivity(run + QStringLiteral("/current_activity.txt"), plateGrid(QStringLiteral("w6")), r);
    ASSERT_TRUE(loadRecordedTemperature(run + QStringLiteral("/current_temperature.txt"), r));
    ASSERT_EQ(r.scanTemperature.size(), 1u);
    EXPECT_DOUBLE_EQ(r.scanTemperature[0], 0.0); // only a reading of 0: its last reading
}

TEST(RecordedRun, SetupQuestionsAsTable)
{
    struct Case {
        const char* name;
        QByteArray subpj; // empty: none
        QStringList answers;
        RunSetupRead::Status status;
        int minutes;
        const char* format;
        QStringList asked;
    };
    const QString t = kTimeQuestion;
    const QString f = kFormatQuestion;
    using S = RunSetupRead::Status;
    const Case cases[] = {
        {"complete", "mice\r\nacq_time=30\r\nplate_format=w24\r\n", {}, S::Read, 30, "w24", {}},
        {"no file", "", {}, S::Read, 0, "", {}},
        {"one line: both questions, time first", "mice\r\n", {"45", "W6"}, S::Read, 45, "w6", {t, f}},
        {"two lines: format only", "mice\r\nacq_time=30\r\n", {"p35"}, S::Read, 30, "p35", {f}},
        {"line 2 without key: T 0", "mice\r\n30\r\nplate_format=w6\r\n", {}, S::Read, 0, "w6", {}},
        {"time 0.3 accepted as 0", "mice\r\n", {"0.3", "w48"}, S::Read, 0, "w48", {t, f}},
        {"time refused: empty", "mice\r\n", {""}, S::TimeRefused, 0, "", {t}},
        {"time refused: text", "mice\r\n", {"abc"}, S::TimeRefused, 0, "", {t}},
        {"time refused: negative", "mice\r\n", {"-5"}, S::TimeRefused, 0, "", {t}},
        {"format refused: w96u", "mice\r\nacq_time=30\r\n", {"w96u"}, S::FormatRefused, 30, "", {f}},
        {"line 3 without key: no format", "mice\r\nacq_time=30\r\nw6\r\n", {}, S::Read, 30, "", {}},
    };
    for (const Case& c : cases) {
        TempProgramFolder tmp;
        const QString run = tmp.path(QStringLiteral("reports/p/20240101_000000"));
        QDir().mkpath(run);
        if (!c.subpj.isEmpty())
            writeFile(run + QStringLiteral("/subpj.dat"), c.subpj);
        ScriptedPrompts prompts;
        for (const QString& a : c.answers)
            prompts.inputs.push_back(a);
        const RunSetupRead read = readRecordedRunSetup(run, prompts);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_EQ(read.minutes, c.minutes) << c.name;
        EXPECT_EQ(read.plateFormat, QString::fromLatin1(c.format)) << c.name;
        EXPECT_EQ(prompts.inputPrompts, c.asked) << c.name;
        if (!c.subpj.isEmpty()) {
            EXPECT_EQ(read.acquisitionName, QStringLiteral("mice")) << c.name;
        }
    }
}

TEST(RecordedRun, GroupListOfTheGridWells)
{
    WellGroupTable groups;
    for (int w = 0; w < 4; ++w)
        groups.wellGroup[static_cast<std::size_t>(w)] = 7;
    groups.groupName[7] = QStringLiteral("Control");
    groups.wellGroup[200] = 3; // outside a w24 plate
    groups.groupName[3] = QStringLiteral("Far");
    EXPECT_EQ(recordedRunGroupList(groups, plateGrid(QStringLiteral("w24"))), QStringList{QStringLiteral("007_Control")});
    EXPECT_TRUE(recordedRunGroupList(groups, PlateGrid{}).isEmpty());
}

} // namespace
