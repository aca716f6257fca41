#include "ReportRunBuilder.h"
#include "reporting/MinuteBins.h"
#include "reporting/ReportGenerator.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

MinuteBins binsOf(const RunResults& run, const QString& text)
{
    return makeMinuteBins(correctActivity(run, run.wellsPerScan, false, nullptr, nullptr), run, text);
}

// Scans every `step` seconds up to `last`, each well at `value`.
RunResults evenRun(int wells, int step, int last, double value)
{
    std::vector<std::int32_t> times;
    for (int t = 0; t <= last; t += step)
        times.push_back(t);
    return makeRun(wells, times, std::vector<std::vector<double>>(wells, std::vector<double>(times.size(), value)));
}

// Four scans read at 0, 6, 12 and 18 minutes: A1 1 2 3 4, B1 10 each, A2 0 1 0 1.
RunResults fourScanRun()
{
    return makeRun(6, {0, 360, 720, 1080}, {{1, 2, 3, 4}, {10, 10, 10, 10}, {0, 1, 0, 1}}, {20, 20.5, 21, 21.5});
}

struct BinReport {
    TempProgramFolder tmp;
    ScriptedPrompts prompts;
    ReportContext context;
    BinReport()
    {
        context.formatCode = QStringLiteral("w6");
        context.folder = tmp.path();
        context.when = QDateTime(QDate(2026, 12, 8), QTime(0, 30, 0));
        context.locale = QLocale(QStringLiteral("en_US"));
    }
    QByteArray header() const
    {
        return "\"DATE:\",\"12/8/2026 12:30:00 AM\"\r\n\"FILE:\",\"" + tmp.path().toLatin1()
               + "\"\r\n\"SUBPROJECT:\",\"\"\r\n\r\n";
    }
    ReportResult generate(const RunResults& run, ReportOutput output, const QString& bin)
    {
        ReportChoices choices;
        choices.output = output;
        choices.binText = bin;
        choices.intRef = IntRefChoice::No;
        return generateReport(choices, run, context, prompts);
    }
};

} // namespace

TEST(MinuteBins, EachMinuteTakesTheNearestScan)
{
    const MinuteBins b = binsOf(fourScanRun(), QStringLiteral("15"));
    ASSERT_TRUE(b.made);
    EXPECT_EQ(b.latestMinute, 18);
    EXPECT_EQ(b.reportEnd, 15);
    EXPECT_EQ(b.count, 1);
    EXPECT_EQ(b.binText, QStringLiteral("15"));
    // 2 x s0 + 6 x s1 + 6 x s2 + s3.
    EXPECT_EQ(b.value(0, 0), 36);
    EXPECT_EQ(b.value(1, 0), 150);
    EXPECT_EQ(b.value(2, 0), 7);
}

TEST(MinuteBins, WidthRulesAndRounding)
{
    const struct {
        RunResults run;
        const char* bin;
        const char* binText;
        int count;
        double firstValue;
    } cases[] = {
        // The running sum is made whole after each minute: 2.5 -> 2, 4.5 -> 4, ...
        {evenRun(1, 600, 600, 2.5), "10", "10", 1, 20},
        // Longer than the run: the width becomes the run's whole five minutes.
        {evenRun(1, 300, 2400, 1), "60", "40", 1, 40},
        {makeRun(1, {0, 300, 600, 900, 1200, 1500, 1800, 2100, 2390}, {{1, 1, 1, 1, 1, 1, 1, 1, 1}}), "60", "39", 1, 40},
        {evenRun(1, 600, 1200, 1), "5", "10", 2, 10},
        {evenRun(1, 600, 1200, 1), "7.5", "10", 2, 10},
    };
    for (const auto& c : cases) {
        const MinuteBins b = binsOf(c.run, QString::fromLatin1(c.bin));
        ASSERT_TRUE(b.made) << c.bin;
        EXPECT_EQ(b.binText, QString::fromLatin1(c.binText)) << c.bin;
        EXPECT_EQ(b.count, c.count) << c.bin;
        EXPECT_EQ(b.value(0, 0), c.firstValue) << c.bin;
    }
    EXPECT_FALSE(binsOf(evenRun(1, 600, 1200, 1), QStringLiteral("abc")).made);
    EXPECT_FALSE(binsOf(evenRun(1, 600, 1200, 1), QStringLiteral("-15")).made);
}

TEST(MinuteBins, ReportEndsAtTheFirstIncompleteScan)
{
    // B1 has no value in scan 2: the reported time ends at scan 2's reads (24 min).
    const RunResults run = makeRun(2, {0, 720, 1440, 2160, 2880}, {{1, 1, 1, 1, 1}, {1, 1, -1, 1, 1}});
    const MinuteBins b = binsOf(run, QStringLiteral("10"));
    EXPECT_EQ(b.latestMinute, 48);
    EXPECT_EQ(b.count, 2);
    EXPECT_EQ(b.reportEnd, 20);
}

TEST(MinuteBins, FractionalWidthScalesTheLastBin)
{
    // 20 minutes of 2 a minute in 12.5-minute bins: one bin, R = 12, scaled by 1 / 0.96.
    const MinuteBins b = binsOf(evenRun(1, 60, 1200, 2), QStringLiteral("12.5"));
    EXPECT_EQ(b.reportEnd, 12);
    EXPECT_EQ(b.count, 1);
    EXPECT_EQ(b.value(0, 0), 25);
    EXPECT_FALSE(b.endsWithinReport(0));
}

TEST(MinuteBinReports, ArrayAndRowsFilesOfOneBin)
{
    BinReport r;
    const RunResults run = fourScanRun();
    const ReportResult array = r.generate(run, ReportOutput::Array, QStringLiteral("15"));
    const QByteArray grid = "\"ROW/COL\",1,2,3\r\n";
    EXPECT_EQ(fileBytes(array.filePath),
              r.header() + "\"***GROUPS***\"\r\n" + grid
                  + "\"A\",\"-\",\"-\",\"-\"\r\n\"B\",\"-\",\"-\",\"-\"\r\n"
                    "\r\n\"***WELL ACTIVITY***\"\r\n"
                    "15.0m\r\n" + grid + "\"A\",36,7,0\r\n\"B\",150,0,0\r\n\r\n"
                    "\r\n***TEMPERATURE***\r\n"
                    "Time[m],6.0,12.0,18.0\r\n"
                    "Temperature[\xB0" "C],20.5,21.0,21.5\r\n");
    EXPECT_EQ(array.binText, QStringLiteral("15"));
    EXPECT_EQ(r.prompts.messages, QStringList{minuteBinWarningText()});
    EXPECT_EQ(minuteBinWarningText(),
              QStringLiteral("Warning Message:\r\n\r\nRebining of data implemented from Software Version >V1.6\r\n"
                             "Activity counts are now extrapolated in one minute resolution timeframes\r\n\r\n"
                             "[Refer to Installation guide for more information]"));

    BinReport rows;
    rows.context.groups.wellGroup[0] = rows.context.groups.wellGroup[2] = 3;
    rows.context.groups.groupName[3] = QStringLiteral("mix");
    const ReportResult rowsFile = rows.generate(run, ReportOutput::Rows, QStringLiteral("15"));
    EXPECT_EQ(fileBytes(rowsFile.filePath),
              rows.header()
                  + "\r\n******GROUP_Average******\r\nGroup/Time[m],15.0\r\n\"003_mix\",22\r\n"
                    "\r\n******STANDARD ERROR******\r\nGroup/Time[m],15.0\r\n\"003_mix\",14.5\r\n"
                    "\r\n******N******\r\nGroup/Time[m],15.0\r\n\"003_mix\",2\r\n"
                    "\r\n\"***WELL ACTIVITY***\"\r\n"
                    "\"Well\",\"Group/Time[m]\",15.0\r"
                    "\"A1\",\"003_mix\",36\r\"B1\",\"-\",150\r\"A2\",\"003_mix\",7\r"
                    "\"B2\",\"-\",0\r\"A3\",\"-\",0\r\"B3\",\"-\",0\r\r\n"
                    "\r\n***TEMPERATURE***\r\n"
                    "Time[m],0.0,6.0,12.0,18.0\r\n"
                    "Temperature[\xB0" "C],20.0,20.5,21.0,21.5\r\n");
    EXPECT_EQ(rows.prompts.messages, QStringList{minuteBinWarningText()});
}

TEST(MinuteBinReports, ArrayLeavesOutALastBinEndingAfterTheReport)
{
    BinReport r;
    const RunResults run = evenRun(6, 60, 1200, 2);
    const QByteArray array = fileBytes(r.generate(run, ReportOutput::Array, QStringLiteral("12.5")).filePath);
    EXPECT_TRUE(array.contains("\"***WELL ACTIVITY***\"\r\n\r\n***TEMPERATURE***"));
    const QByteArray rows = fileBytes(r.generate(run, ReportOutput::Rows, QStringLiteral("12.5")).filePath);
    EXPECT_TRUE(rows.contains("\"Well\",\"Group/Time[m]\",12.0\r\"A1\",\"-\",25\r"));
    EXPECT_EQ(r.prompts.messages, QStringList(2, minuteBinWarningText())); // one per report
}

TEST(MinuteBinReports, ABinTextThatIsNoNumberGivesNoWellActivity)
{
    BinReport r;
    const ReportResult res = r.generate(fourScanRun(), ReportOutput::Rows, QStringLiteral("abc"));
    EXPECT_EQ(fileBytes(res.filePath), r.header()
                                           + "\r\n***TEMPERATURE***\r\n"
                                             "Time[m],0.0,6.0,12.0,18.0\r\n"
                                             "Temperature[\xB0" "C],20.0,20.5,21.0,21.5\r\n");
    EXPECT_EQ(res.binText, QStringLiteral("abc"));
    EXPECT_EQ(r.prompts.messages.size(), 1);
}
