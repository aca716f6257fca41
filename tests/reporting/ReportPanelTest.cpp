#include "ReportRunBuilder.h"
#include "calibration/ReportFactorReaders.h"
#include "calibration/RunBlankFile.h"
#include "core/TextFile.h"
#include "reporting/JointReport.h"
#include "reporting/ReportPanelActions.h"
#include "reporting/panels/Frm_report.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2025, 3, 14), QTime(10, 15, 30));

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct RecordingMapPlot final : MapPlotTarget {
    void showMapPlot(const QString& code) override { handed << code; }
    QStringList handed;
};

struct GenerateCase {
    TempProgramFolder tmp;
    FakeClock clock{kWhen};
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    RecordingMapPlot mapPlot;
    ReportServices services{tmp.folder(), clock, prompts, opener, &mapPlot, QLocale(QStringLiteral("en_US"))};
    RunResults run = makeRun(6, {0, 60}, {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}}, {25.0, 25.0});
    WellGroupTable groups;
    QString runFolder;
    ReportPanelState panel;

    GenerateCase()
    {
        runFolder = tmp.path(QStringLiteral("reports/pj/20250314_101500"));
        QDir().mkpath(runFolder);
        writeFile(runFolder + QStringLiteral("/current_activity.txt"),
                  "\"2025/03/14_10:15:00\" 3 1\r\nTime A1\r\n");
    }
    GenerateOutcome generate(const ReportChoices& choices, const QString& format = QStringLiteral("w6"))
    {
        ReportRun in{run, groups, runFolder, format, 0};
        return generateFromPanel(choices, panel, in, services);
    }
};

ReportChoices noCorrections(ReportOutput output = ReportOutput::Rows)
{
    ReportChoices c;
    c.output = output;
    c.intRef = IntRefChoice::No;
    return c;
}

} // namespace

TEST(ReportPanel, ListSeparatorFallsBackToComma)
{
    EXPECT_EQ(GetListSeparator(QString()), QStringLiteral(","));
    EXPECT_EQ(GetListSeparator(QStringLiteral("|")), QStringLiteral("|"));
    EXPECT_EQ(GetListSeparator(QStringLiteral(";")), QStringLiteral(";"));
}

TEST(ReportPanel, AcquisitionDateIsTheFirstFieldOfTheActivityFile)
{
    TempProgramFolder tmp;
    EXPECT_EQ(ReadAcquisitionDate(tmp.path()), QString());
    const struct { QByteArray line; QString date; } cases[] = {
        {"\"2025/03/14_10:15:00\" 3 1\r\n", QStringLiteral("2025/03/14_10:15:00")},
        {"\"2025/03/14_10:15:00\"\r\n", QStringLiteral("2025/03/14_10:15:00")},
        {" \"x\" y\r\n", QStringLiteral(" x y")},
    };
    for (const auto& c : cases) {
        writeFile(tmp.path(QStringLiteral("current_activity.txt")), c.line);
        EXPECT_EQ(ReadAcquisitionDate(tmp.path()), c.date) << c.line.constData();
    }
}

TEST(ReportPanel, ApplyBlankNeedsTheRunsBlankCopy)
{
    GenerateCase f;
    EXPECT_FALSE(confirmRunBlank(f.runFolder, QStringLiteral("w6"), f.prompts));
    EXPECT_EQ(f.prompts.messages, QStringList{QStringLiteral("Not blank for this experiment dated 2025/03/14_10:15:00")});

    writeFile(f.runFolder + QStringLiteral("/blank_w6.dat"), "none\r\nacqlapse=30\r\n\"#well\",\"Value\"\r\n0,1\r\n");
    f.prompts.answers = {PromptAnswer::Cancel};
    EXPECT_TRUE(confirmRunBlank(f.runFolder, QStringLiteral("w6"), f.prompts));
    EXPECT_EQ(f.prompts.questions, QStringList{QStringLiteral("Using blank file available on 2025/03/14_10:15:00")});
}

TEST(ReportPanel, OpeningForOneRunResetsTheJointConfiguration)
{
    ReportPanelState panel;
    QString runFolder;
    JointTableResult table;
    table.written = true;
    table.fileName = QStringLiteral("joint20250314101530.txt");
    handOverJointTable(table, panel, runFolder);
    ASSERT_TRUE(panel.jointReportMode);

    WellGroupTable groups;
    groups.wellGroup[5] = 2;
    groups.groupName[5] = QStringLiteral("drug");
    groups.wellGroup[384] = 7;
    WellGroupTable reportGroups;
    QString welltype;
    for (int i = 0; i < 2; ++i)
        openSingleRunReport({QStringLiteral("w24"), groups}, panel, welltype, reportGroups);
    EXPECT_FALSE(panel.jointReportMode);
    EXPECT_EQ(panel.binItems.size(), 8);
    EXPECT_EQ(panel.binText, QStringLiteral("ScanTime"));
    EXPECT_TRUE(panel.intRefEnabled);
    EXPECT_TRUE(panel.blankEnabled);
    EXPECT_TRUE(panel.outputEnabled[1] && panel.outputEnabled[2]);
    EXPECT_EQ(panel.intRefIndex, 1);
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(welltype, QStringLiteral("w24"));
    EXPECT_EQ(reportGroups.wellGroup[5], 2);
    EXPECT_EQ(reportGroups.groupName[5], QStringLiteral("drug"));
    EXPECT_EQ(reportGroups.wellGroup[384], -1); // not copied
}

TEST(ReportGenerate, WritesTheStampedReportIntoTheRunFolderAndOpensItOnce)
{
    GenerateCase f;
    const GenerateOutcome out = f.generate(noCorrections());
    EXPECT_TRUE(out.hidePanel);
    EXPECT_EQ(out.filePath, QDir(f.runFolder).filePath(QStringLiteral("20250314101530_report.csv")));
    EXPECT_TRUE(QFileInfo(out.filePath).isFile());
    EXPECT_EQ(f.opener.opened, QStringList{out.filePath});
    EXPECT_EQ(f.clock.pumpCount(), 1000);
    EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(ReportGenerate, WithoutARunFolderTheReportGoesToReports)
{
    GenerateCase f;
    f.runFolder = f.tmp.path(QStringLiteral("gone"));
    const GenerateOutcome out = f.generate(noCorrections());
    EXPECT_EQ(f.runFolder, f.tmp.folder().reportsFolder());
    EXPECT_EQ(QFileInfo(out.filePath).path(), QFileInfo(f.tmp.folder().reportsFolder()).filePath());
    EXPECT_TRUE(QFileInfo(out.filePath).isFile());
}

TEST(ReportGenerate, MapPlotOnlyForSixTwentyFourAndDishes)
{
    GenerateCase f;
    ReportChoices c = noCorrections(ReportOutput::MapPlot);
    c.binText = QStringLiteral("30");
    const GenerateOutcome refused = f.generate(c, QStringLiteral("w96f"));
    EXPECT_FALSE(refused.hidePanel);
    EXPECT_EQ(f.prompts.messages, QStringList{QStringLiteral("MapPlot only available for w6 and p35 microplate")});
    EXPECT_TRUE(f.mapPlot.handed.isEmpty());

    const GenerateOutcome handed = f.generate(c, QStringLiteral("w24"));
    EXPECT_TRUE(handed.hidePanel);
    EXPECT_EQ(handed.binText, QStringLiteral("ScanTime"));
    EXPECT_EQ(f.mapPlot.handed, QStringList{QStringLiteral("w24")});
    EXPECT_TRUE(f.opener.opened.isEmpty());
}

TEST(ReportGenerate, ApplyWithoutStoredFactorsRecomputesThem)
{
    GenerateCase f;
    ReportChoices c = noCorrections();
    c.intRef = IntRefChoice::Apply;
    const GenerateOutcome out = f.generate(c);
    ASSERT_FALSE(f.prompts.messages.isEmpty());
    EXPECT_EQ(f.prompts.messages.first(), QStringLiteral("Internal reference updated with latest value"));
    EXPECT_TRUE(QFileInfo(f.runFolder + QStringLiteral("/factor_correction.txt")).isFile());
    EXPECT_TRUE(out.hidePanel);
    const auto lines = readTextFile(out.filePath);
    ASSERT_TRUE(lines && lines->size() > 3);
    EXPECT_FALSE(lines->at(3).isEmpty()); // the factor source line
}

TEST(ReportGenerate, AnUnwritableReportShowsReportErrorAndKeepsThePanel)
{
    GenerateCase f;
    QDir().mkpath(f.runFolder + QStringLiteral("/20250314101530_report.csv"));
    const GenerateOutcome out = f.generate(noCorrections());
    EXPECT_FALSE(out.hidePanel);
    EXPECT_TRUE(f.prompts.messages.contains(QStringLiteral("Report Error")));
    EXPECT_TRUE(f.opener.opened.isEmpty());
}

TEST(ReportGenerate, JointModeReportsTheJointTable)
{
    GenerateCase f;
    writeFile(jointTablePath(f.tmp.folder(), QStringLiteral("joint1.txt")), "Time A1\r\n0.5 3\r\n");
    f.panel.jointReportMode = true;
    f.panel.jointFileName = QStringLiteral("joint1.txt");
    const GenerateOutcome out = f.generate(noCorrections());
    EXPECT_TRUE(out.hidePanel);
    EXPECT_EQ(f.opener.opened.size(), 1);
    EXPECT_TRUE(QFileInfo(out.filePath).fileName().startsWith(QStringLiteral("report")));
}

TEST(ReportReaders, FactorsAreLimitedAndReadWithEitherDecimalMark)
{
    TempProgramFolder tmp;
    IntRefFactors factors;
    EXPECT_TRUE(ReadFactorCorrectionValues(tmp.path(), factors).isEmpty());
    writeFile(tmp.path(QStringLiteral("factor_correction.txt")),
              "\"20250314_101500_C:\\ref\"\r\nA1 B1 A2\r\nmult_factor 1.02 0,98 2.90 -1\r\n");
    const QByteArray bytes = ReadFactorCorrectionValues(tmp.path(), factors);
    EXPECT_EQ(bytes, QByteArray("\x66\x62\xFE\x00", 4));
    EXPECT_DOUBLE_EQ(factors.mult_factor[1], 0.98);
    EXPECT_DOUBLE_EQ(factors.mult_factor[2], 2.55);
    EXPECT_DOUBLE_EQ(factors.mult_factor[3], 0.0);
    EXPECT_DOUBLE_EQ(factors.mult_factor[4], 1.0);
    EXPECT_EQ(ReadFactorCorrectionFirstLine(tmp.path()), QStringLiteral("20250314_101500_C:\\ref"));

    writeFile(tmp.path(QStringLiteral("factor_correction.txt")), "\"x\"\r\n");
    EXPECT_TRUE(ReadFactorCorrectionValues(tmp.path(), factors).isEmpty());
    EXPECT_DOUBLE_EQ(factors.mult_factor[2], 1.0);
}

TEST(ReportReaders, SerialAndRunBlank)
{
    TempProgramFolder tmp;
    EXPECT_EQ(ReadSerialFile(tmp.path()), 0);
    writeFile(tmp.path(QStringLiteral("serial.dat")), "SN12\r\n");
    EXPECT_EQ(ReadSerialFile(tmp.path()), 12);

    const BlankRecord none = ReadRunBlankFile(tmp.path(), QStringLiteral("w6"));
    EXPECT_EQ(none.blankLapse, 30);
    EXPECT_EQ(none.blankValue[0], 0);
    // The blank file's own form: lapse after "=", "index,count" lines in any
    // order, a later line for an index winning; lines that are not skipped.
    writeFile(tmp.path(QStringLiteral("blank_w6.dat")),
              "20250314_101500_blank_b\r\nacqlapse=0045\r\n\"#well\",\"Value\"\r\n1,9\r\n0,7\r\n"
              "2,4\r\n2,5\r\n385,3\r\n3,70000\r\n4,x\r\nrubbish\r\n384,2\r\n");
    const BlankRecord blank = ReadRunBlankFile(tmp.path(), QStringLiteral("w6"));
    EXPECT_EQ(blank.blankLapse, 45);
    EXPECT_EQ(blank.blankValue[0], 7);
    EXPECT_EQ(blank.blankValue[1], 9);
    EXPECT_EQ(blank.blankValue[2], 5);
    EXPECT_EQ(blank.blankValue[3], 0);
    EXPECT_EQ(blank.blankValue[4], 0);
    EXPECT_EQ(blank.blankValue[384], 2);
}

TEST(ReportPanelWidget, ListsDividerAndWellTypeRenderedInBothStates)
{
    GenerateCase f;
    Frm_report panel(f.services);
    for (int i = 0; i < 2; ++i)
        panel.fillLists(QStringLiteral("|"));
    EXPECT_EQ(panel.Combo_reportbin->count(), 8);
    EXPECT_EQ(panel.Combo_reportdivider->currentText(), QStringLiteral("|"));
    EXPECT_EQ(panel.choices().divider, QStringLiteral("|"));
    EXPECT_EQ(panel.combo_intref->currentText(), QStringLiteral("Apply"));

    WellGroupTable groups;
    panel.cmdreport_Click(QStringLiteral("w48"), groups);
    panel.cmdreport_Click(QStringLiteral("w12"), groups);
    EXPECT_EQ(panel.txt_welltype->text(), QStringLiteral("w12"));
    EXPECT_EQ(panel.Combo_reportbin->count(), 8);
    EXPECT_TRUE(panel.isVisible());
    panel.grab().save(QDir::temp().filePath(QStringLiteral("veldo_report_panel.png")));

    JointTableResult table;
    table.written = true;
    table.fileName = QStringLiteral("joint1.txt");
    handOverJointTable(table, panel.state, f.runFolder);
    panel.showState();
    EXPECT_FALSE(panel.combo_intref->isEnabled());
    EXPECT_FALSE(panel.Option_output[1]->isEnabled());
    EXPECT_EQ(panel.Combo_reportbin->count(), 1);
    panel.grab().save(QDir::temp().filePath(QStringLiteral("veldo_report_panel_joint.png")));
}
