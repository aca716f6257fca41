#include "ReportRunBuilder.h"
#include "reporting/ReportGenerator.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2026, 12, 8), QTime(0, 30, 0));

QByteArray header(const QString& folder, const char* name = "exp1")
{
    return "\"DATE:\",\"12/8/2026 12:30:00 AM\"\r\n\"FILE:\",\"" + folder.toLatin1() + "\"\r\n\"SUBPROJECT:\",\""
           + QByteArray(name) + "\"\r\n\r\n";
}

// The six-well plate: A1 and B1 in "ctrl", A2 and B2 in "drug"; A3 holds an outlier.
struct SixWellCase {
    TempProgramFolder tmp;
    RunResults run = makeRun(6, {0, 30, 90},
                             {{10, 20, 30}, {14, 16, 18}, {5, -1, 7}, {1, 3, 1}, {100, 3, 4}, {1, 2, 3}},
                             {25.0, 25.04, 25.16});
    ReportContext context;
    ScriptedPrompts prompts;

    SixWellCase()
    {
        context.formatCode = QStringLiteral("w6");
        context.groups.wellGroup[0] = context.groups.wellGroup[1] = 0;
        context.groups.wellGroup[2] = context.groups.wellGroup[3] = 1;
        context.groups.groupName[0] = QStringLiteral("ctrl");
        context.groups.groupName[1] = QStringLiteral("drug");
        context.acquisitionName = QStringLiteral("exp1");
        context.folder = tmp.path();
        context.when = kWhen;
        context.locale = QLocale(QStringLiteral("en_US"));
    }

    ReportResult generate(ReportOutput output, IntRefChoice intRef = IntRefChoice::No)
    {
        ReportChoices choices;
        choices.output = output;
        choices.intRef = intRef;
        return generateReport(choices, run, context, prompts);
    }
};

} // namespace

TEST(ReportFiles, RowsLayoutWithGroupStatistics)
{
    SixWellCase c;
    const ReportResult r = c.generate(ReportOutput::Rows);
    ASSERT_EQ(r.status, ReportResult::Status::Written);
    EXPECT_EQ(r.filePath, c.tmp.path(QStringLiteral("20261208003000_report.csv")));
    const QByteArray expected = header(c.tmp.path())
                                + "\r\n******GROUP_Average******\r\n"
                                  "Group/Time[m],0.0,0.5,1.5\r\n"
                                  "\"000_ctrl\",12,18,24\r\n"
                                  "\"001_drug\",3,1,4\r\n"
                                  "\r\n******STANDARD ERROR******\r\n"
                                  "Group/Time[m],0.0,0.5,1.5\r\n"
                                  "\"000_ctrl\",2.0,2.0,6.0\r\n"
                                  "\"001_drug\",2.0,2.0,3.0\r\n"
                                  "\r\n******N******\r\n"
                                  "Group/Time[m],0.0,0.5,1.5\r\n"
                                  "\"000_ctrl\",2,2,2\r\n"
                                  "\"001_drug\",2,2,2\r\n"
                                  "\r\n\"***WELL ACTIVITY***\"\r\n"
                                  "\"Well\",\"Group/Time[m]\",0.0,0.5,1.5\r"
                                  "\"A1\",\"000_ctrl\",10,20,30\r"
                                  "\"B1\",\"000_ctrl\",14,16,18\r"
                                  "\"A2\",\"001_drug\",5,-1,7\r"
                                  "\"B2\",\"001_drug\",1,3,1\r"
                                  "\"A3\",\"-\",4,3,4\r"
                                  "\"B3\",\"-\",1,2,3\r"
                                  "\r\n"
                                  "\r\n***TEMPERATURE***\r\n"
                                  "Time[m],0.0,0.5,1.5\r\n"
                                  "Temperature[\xB0" "C],25.0,25.0,25.2\r\n";
    EXPECT_EQ(fileBytes(r.filePath), expected);
    EXPECT_TRUE(c.prompts.messages.isEmpty());
}

TEST(ReportFiles, ArrayLayoutOneGridPerScan)
{
    SixWellCase c;
    c.context.groups.wellGroup[5] = 384; // outside the groups a report counts
    c.context.acquisitionName.clear();
    const ReportResult r = c.generate(ReportOutput::Array);
    ASSERT_EQ(r.status, ReportResult::Status::Written);
    const QByteArray grid = "\"ROW/COL\",1,2,3\r\n";
    const QByteArray expected = header(c.tmp.path(), "") + "\"***GROUPS***\"\r\n" + grid
                                + "\"A\",\"000_ctrl\",\"001_drug\",\"-\"\r\n"
                                  "\"B\",\"000_ctrl\",\"001_drug\",\"-\"\r\n"
                                  "\r\n\"***WELL ACTIVITY***\"\r\n"
                                  "0.0m\r\n" + grid + "\"A\",10,5,4\r\n\"B\",14,1,1\r\n\r\n"
                                  "0.5m\r\n" + grid + "\"A\",20,-1,3\r\n\"B\",16,3,2\r\n\r\n"
                                  "1.5m\r\n" + grid + "\"A\",30,7,4\r\n\"B\",18,1,3\r\n\r\n"
                                  "\r\n***TEMPERATURE***\r\n"
                                  "Time[m],0.5,1.5\r\n"
                                  "Temperature[\xB0" "C],25.0,25.2\r\n";
    EXPECT_EQ(fileBytes(r.filePath), expected);
}

TEST(ReportFiles, TheRunStaysAsItWasAndASecondReportIsTheSame)
{
    SixWellCase c;
    const RunResults before = c.run;
    const ReportResult first = c.generate(ReportOutput::Rows);
    const QByteArray firstBytes = fileBytes(first.filePath);
    EXPECT_EQ(c.run.wellActivity, before.wellActivity);
    EXPECT_EQ(c.run.scanTime, before.scanTime);
    const ReportResult second = c.generate(ReportOutput::Rows);
    EXPECT_EQ(second.filePath, first.filePath);
    EXPECT_EQ(fileBytes(second.filePath), firstBytes);
    EXPECT_FALSE(firstBytes.isEmpty());
}

TEST(ReportFiles, FactorLineOnlyWhenFactorsWereApplied)
{
    SixWellCase c;
    c.context.factorSource = QStringLiteral("20261201_intref");
    const QByteArray line = "\"SUBPROJECT:\",\"exp1\"\r\n***Internal Factor Correction Enabled:[20261201_intref]***\r\n\r\n";
    EXPECT_TRUE(fileBytes(c.generate(ReportOutput::Rows, IntRefChoice::Apply).filePath).contains(line));
    EXPECT_FALSE(fileBytes(c.generate(ReportOutput::Rows, IntRefChoice::No).filePath).contains("Internal Factor"));

    // A run without a single value has nothing the factors were applied to.
    c.run = makeRun(6, {0, 30}, {{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}});
    EXPECT_FALSE(fileBytes(c.generate(ReportOutput::Rows, IntRefChoice::Update).filePath).contains("Internal Factor"));
}

TEST(ReportFiles, DividerAndDecimalsOfTheSystem)
{
    SixWellCase c;
    c.context.locale = QLocale(QStringLiteral("de_DE"));
    ReportChoices choices;
    choices.divider = QStringLiteral(";");
    choices.fileType = QStringLiteral(".TXT");
    const ReportResult r = generateReport(choices, c.run, c.context, c.prompts);
    EXPECT_TRUE(r.filePath.endsWith(QStringLiteral("20261208003000_report.txt")));
    const QByteArray bytes = fileBytes(r.filePath);
    EXPECT_TRUE(bytes.startsWith("\"DATE:\";\"08.12.2026 00:30:00\"\r\n")) << bytes.left(40).constData();
    EXPECT_TRUE(bytes.contains("\"000_ctrl\";2,0;2,0;6,0\r\n"));
    EXPECT_TRUE(bytes.contains("Temperature[\xB0" "C];25,0;25,0;25,2\r\n"));
}

TEST(ReportFiles, ARunWithoutScansWritesBlocksWithoutTimeColumns)
{
    SixWellCase c;
    c.run = RunResults{};
    c.run.wellsPerScan = 6;
    const ReportResult r = c.generate(ReportOutput::Rows);
    const QByteArray heading = "Group/Time[m]\r\n\"000_ctrl\"\r\n\"001_drug\"\r\n";
    const QByteArray expected = header(c.tmp.path()) + "\r\n******GROUP_Average******\r\n" + heading
                                + "\r\n******STANDARD ERROR******\r\n" + heading + "\r\n******N******\r\n" + heading
                                + "\r\n\"***WELL ACTIVITY***\"\r\n"
                                  "\"Well\",\"Group/Time[m]\"\r"
                                  "\"A1\",\"000_ctrl\"\r\"B1\",\"000_ctrl\"\r\"A2\",\"001_drug\"\r"
                                  "\"B2\",\"001_drug\"\r\"A3\",\"-\"\r\"B3\",\"-\"\r\r\n"
                                  "\r\n***TEMPERATURE***\r\nTime[m]\r\nTemperature[\xB0" "C]\r\n";
    EXPECT_EQ(fileBytes(r.filePath), expected);
}

TEST(ReportFiles, AFolderThatCannotBeWrittenIsAReportError)
{
    SixWellCase c;
    c.context.folder = c.tmp.path(QStringLiteral("missing/folder"));
    const ReportResult r = c.generate(ReportOutput::Array);
    EXPECT_EQ(r.status, ReportResult::Status::Failed);
    EXPECT_EQ(c.prompts.messages, QStringList{QStringLiteral("Report Error")});

    ReportChoices choices;
    choices.output = ReportOutput::MapPlot; // the panel hands this on; nothing is written here
    EXPECT_EQ(generateReport(choices, c.run, c.context, c.prompts).status, ReportResult::Status::NotWritten);
}

TEST(ReportFiles, AnUnknownFormatHasNoWells)
{
    SixWellCase c;
    c.context.formatCode = QStringLiteral("W6"); // codes are exact, letter case included
    const ReportResult r = c.generate(ReportOutput::Rows);
    EXPECT_EQ(fileBytes(r.filePath), header(c.tmp.path())
                                         + "\r\n\"***WELL ACTIVITY***\"\r\n"
                                           "\"Well\",\"Group/Time[m]\",0.0,0.5,1.5\r\r\n"
                                           "\r\n***TEMPERATURE***\r\n"
                                           "Time[m],0.0,0.5,1.5\r\n"
                                           "Temperature[\xB0" "C],25.0,25.0,25.2\r\n");
}
