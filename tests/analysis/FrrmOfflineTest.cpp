#include "OfflinePageRig.h"
#include "analysis/panels/Frrm_offline.h"
#include "projects/RecordedRunTree.h"
#include "projects/WellGroupFile.h"
#include "reporting/ReportPanelActions.h"
#include "reporting/panels/Frm_report.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"

#include "ui/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kProject = QStringLiteral("p20240110_ab");

QByteArray wellGroupFileBytes(const WellGroupTable& groups)
{
    return wellGroupLines(groups).join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

TEST(Frrm_offline, LoadHidesMainWindowListsProjectsAndStartsWithDefaults)
{
    Page p;
    writeListFixtureTree(p.tmp);
    Frrm_offline& page = p.open();
    EXPECT_EQ(page.windowTitle(), QStringLiteral("Saved Data Analysis"));
    EXPECT_FALSE(p.mainWindow.isVisible());
    EXPECT_EQ(p.lines(), QStringList{QStringLiteral("+ 2024.0115\tp20240110_ab")});
    EXPECT_EQ(page.reportPanel->combo_intref->currentText(), QStringLiteral("Apply"));
    EXPECT_EQ(page.reportPanel->Combo_reportfile->currentText(), QStringLiteral(".csv"));
    EXPECT_EQ(page.reportPanel->Combo_reportdivider->currentText(), GetListSeparator());
    EXPECT_EQ(page.state.plotView, 1);
    for (QWidget* w : {static_cast<QWidget*>(page.cmd_report), static_cast<QWidget*>(page.cmd_plotbar),
                       static_cast<QWidget*>(page.cmd_plotheat), static_cast<QWidget*>(page.frame_heatmap)})
        EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(page.bmpexporta_seq->isVisible());
    EXPECT_FALSE(page.bmpexporta_csvseq->isVisible());
    EXPECT_TRUE(page.bmpexporta->isVisible());
}

TEST(Frrm_offline, ProjectLineFoldsAndRunLineOpensTheRun)
{
    Page p;
    writeListFixtureTree(p.tmp);
    const QString run = p.tmp.path(QStringLiteral("reports/p20240110_ab/20240115_143022mice"));
    writeFile(run + QStringLiteral("/current_activity.txt"),
              kActivityHeader + "0.5 \"A1\" 120\r\n0.5 \"B1\" 80\r\n1.0 \"A1\" 300\r\n1.0 \"B1\" 80\r\n");
    writeFile(run + QStringLiteral("/current_temperature.txt"), kTemperatureHeader + "0.5 20.0\r\n1.0 21.0\r\n");
    WellGroupTable groups;
    groups.wellGroup[0] = 7;
    groups.wellGroup[1] = 7;
    groups.groupName[7] = QStringLiteral("Control");
    writeFile(run + QStringLiteral("/chgroup.dat"), wellGroupFileBytes(groups));
    Frrm_offline& page = p.open();

    p.doubleClick(0);
    EXPECT_EQ(p.lines(), (QStringList{QStringLiteral("+ 2024.0115\tp20240110_ab"),
                                      QStringLiteral("  > 2024.0115\t ACQ14:30 \"mice\""),
                                      QStringLiteral("  > 2024.0301\t ACQ09:00 \"\"")}));
    EXPECT_EQ(page.Listpj->currentRow(), 0);
    EXPECT_TRUE(page.Listpj->item(0)->isSelected());
    EXPECT_EQ(page.state.projectName, kProject);

    p.doubleClick(1);
    EXPECT_EQ(page.Listpj->currentRow(), 1);
    EXPECT_EQ(p.globals.runFolder, run);
    EXPECT_EQ(page.state.pageRunFolder, run);
    EXPECT_EQ(page.state.runStamp, QStringLiteral("20240115_1430"));
    EXPECT_EQ(page.state.runAcquisitionName, QStringLiteral("mice"));
    EXPECT_EQ(page.state.runRelativePath, QStringLiteral("p20240110_ab/20240115_143022mice"));
    EXPECT_EQ(page.state.run.scanIndex(), 1);
    EXPECT_EQ(page.state.run.activity(0, 1), 180);
    EXPECT_DOUBLE_EQ(page.state.run.scanTemperature[0], 20.0);
    EXPECT_EQ(page.reportPanel->txt_welltype->text(), QStringLiteral("w6"));
    EXPECT_EQ(page.cmd_report->text(), QStringLiteral("Report [20240115_1430]"));
    EXPECT_EQ(page.reportPanel->lbl_reportexport->text(), QStringLiteral("Report [20240115_1430]"));
    EXPECT_EQ(page.reportPanel->Combo_reportbin->currentText(), QStringLiteral("ScanTime"));
    EXPECT_EQ(page.reportPanel->combo_intref->currentText(), QStringLiteral("Apply"));
    ASSERT_EQ(page.combogrup->count(), 1);
    EXPECT_EQ(page.combogrup->item(0)->text(), QStringLiteral("007_Control"));
    EXPECT_TRUE(page.cmd_report->isVisible());
    EXPECT_TRUE(page.cmd_plotbar->isVisible());
    EXPECT_TRUE(page.cmd_plotbar->font().bold());
    EXPECT_TRUE(page.cmd_plotheat->isVisible());
    EXPECT_FALSE(page.frame_heatmap->isVisible());
    EXPECT_FALSE(page.reportPanel->isVisible()); // "Report..." shows it
    page.cmd_report->click();
    EXPECT_TRUE(page.reportPanel->isVisible());

    // Folding the project hides the views again.
    p.doubleClick(0);
    EXPECT_EQ(p.lines().size(), 1);
    EXPECT_FALSE(page.cmd_report->isVisible());
    EXPECT_FALSE(page.cmd_plotbar->isVisible());
}

TEST(Frrm_offline, TwoRunsOfTheSameMinuteEachOpenTheirOwnFolder)
{
    Page p;
    const QString first = writeRecordedRun(p.tmp, QStringLiteral("proj"), QStringLiteral("20240315_142233mice"),
                                           "mice\r\nacq_time=30\r\nplate_format=w6\r\n", "0.1 \"A1\" 5\r\n");
    const QString second = writeRecordedRun(p.tmp, QStringLiteral("proj"), QStringLiteral("20240315_142259rats"),
                                            "rats\r\nacq_time=30\r\nplate_format=w24\r\n", "0.2 \"A1\" 9\r\n");
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    ASSERT_EQ(p.lines().size(), 3);
    EXPECT_EQ(p.lines()[1], p.lines()[2].replace(QStringLiteral("rats"), QStringLiteral("mice")));

    p.doubleClick(2);
    EXPECT_EQ(page.state.pageRunFolder, second);
    EXPECT_EQ(page.state.runAcquisitionName, QStringLiteral("rats"));
    EXPECT_EQ(page.state.run.wellsPerScan, 24);
    p.doubleClick(1);
    EXPECT_EQ(page.state.pageRunFolder, first);
    EXPECT_EQ(page.state.run.activity(0, 0), 5);
}

TEST(Frrm_offline, MissingSetupLinesAreAskedAndARefusalStopsOnTheProjectLine)
{
    Page p;
    writeRecordedRun(p.tmp, QStringLiteral("proj"), QStringLiteral("20240101_100000a"), "a\r\n", "0.5 \"A1\" 3\r\n");
    const QString second =
        writeRecordedRun(p.tmp, QStringLiteral("proj"), QStringLiteral("20240102_100000b"), "b\r\n", "0.5 \"A1\" 4\r\n");
    Frrm_offline& page = p.open();
    p.doubleClick(0);

    p.prompts.inputs = {QStringLiteral("0"), QStringLiteral("w6")};
    p.doubleClick(2);
    EXPECT_EQ(p.prompts.inputPrompts, QStringList{QStringLiteral("Not acq_time defined.define time [m]:")});
    EXPECT_EQ(page.txt_status->text(), QStringLiteral("Error entering time"));
    EXPECT_EQ(page.Listpj->currentRow(), 0);
    EXPECT_EQ(p.globals.runFolder, p.tmp.folder().root()); // nothing loaded
    EXPECT_EQ(page.state.runStamp, QStringLiteral("20240102_1000")); // the identity names the new run

    p.prompts.inputPrompts.clear();
    p.prompts.inputs = {QStringLiteral("30"), QStringLiteral("W96U")};
    p.doubleClick(2);
    EXPECT_EQ(page.txt_status->text(), QStringLiteral("Error entering Plate_Format"));
    EXPECT_EQ(page.Listpj->currentRow(), 0);

    p.prompts.inputPrompts.clear();
    p.prompts.inputs = {QStringLiteral("30"), QStringLiteral("P35")};
    p.doubleClick(2);
    EXPECT_EQ(p.prompts.inputPrompts, (QStringList{QStringLiteral("Not acq_time defined.define time [m]:"),
                                                   QStringLiteral("Define plate type(w96f,w24,w12,w48,w6,p35):")}));
    EXPECT_EQ(p.globals.runFolder, second);
    EXPECT_EQ(page.reportPanel->txt_welltype->text(), QStringLiteral("p35"));
    EXPECT_EQ(page.state.run.activity(0, 0), 4);
    EXPECT_EQ(page.Listpj->currentRow(), 2);
}

TEST(Frrm_offline, VanishedRunFolderAndRunningAcquisitionOpenNothing)
{
    Page p;
    writeListFixtureTree(p.tmp);
    Frrm_offline& page = p.open();
    p.doubleClick(0);

    p.running = true;
    p.doubleClick(1);
    EXPECT_EQ(p.prompts.messages, QStringList{kRunActiveMessage});
    EXPECT_EQ(p.globals.runFolder, p.tmp.folder().root());
    EXPECT_TRUE(page.state.pageRunFolder.isEmpty());
    p.running = false;

    QDir(p.tmp.path(QStringLiteral("reports/p20240110_ab/20240115_143022mice"))).removeRecursively();
    p.prompts.messages.clear();
    p.doubleClick(1);
    EXPECT_EQ(p.prompts.messages, QStringList{QStringLiteral("Error finding folder")});
    EXPECT_EQ(page.Listpj->currentRow(), 0);
    EXPECT_EQ(page.state.projectName, kProject);
    EXPECT_EQ(p.globals.runFolder, p.tmp.folder().root());
}

TEST(Frrm_offline, HideSubfoldersFoldsEveryProjectAndSelectsTheFirstLine)
{
    Page p;
    writeListFixtureTree(p.tmp);
    writeRecordedRun(p.tmp, QStringLiteral("zz_other"), QStringLiteral("20240505_050505"), "o\r\n", "");
    Frrm_offline& page = p.open();
    p.doubleClick(1);
    p.doubleClick(0);
    EXPECT_EQ(p.lines().size(), 5);
    page.lblback->click();
    EXPECT_EQ(p.lines().size(), 2);
    EXPECT_EQ(page.Listpj->currentRow(), 0);
    EXPECT_TRUE(page.Listpj->item(0)->isSelected());

    Page empty;
    Frrm_offline& none = empty.open();
    none.lblback->click();
    EXPECT_EQ(none.Listpj->count(), 0);
    EXPECT_TRUE(none.Listpj->selectedItems().isEmpty());
}

TEST(Frrm_offline, RightClickMenuAndExploreFolder)
{
    Page p;
    writeListFixtureTree(p.tmp);
    Frrm_offline& page = p.open();
    page.Listpj->clearSelection();
    page.Listpj_MouseUp(Qt::RightButton, QPoint(10, 10));
    EXPECT_FALSE(page.mnrightclickmenu->isVisible());

    page.mnexplore_folder->trigger(); // nothing listed or opened yet
    EXPECT_TRUE(p.opener.opened.isEmpty());

    p.doubleClick(0);
    page.Listpj_MouseUp(Qt::LeftButton, QPoint(10, 10));
    EXPECT_FALSE(page.mnrightclickmenu->isVisible());
    page.Listpj_MouseUp(Qt::RightButton, QPoint(10, 10));
    EXPECT_TRUE(page.mnrightclickmenu->isVisible());
    page.mnrightclickmenu->hide();

    page.mnexplore_folder->trigger(); // the project whose runs were listed
    p.doubleClick(1);
    page.mnexplore_folder->trigger();
    EXPECT_EQ(p.opener.opened, (QStringList{p.tmp.path(QStringLiteral("reports/p20240110_ab")),
                                            p.tmp.path(QStringLiteral("reports/p20240110_ab/20240115_143022mice"))}));
}

TEST(Frrm_offline, BackShowsTheMainWindowAndTheNextLoadStartsAfresh)
{
    Page p;
    writeListFixtureTree(p.tmp);
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    p.doubleClick(1);
    page.cmd_closeoffline->click();
    EXPECT_TRUE(p.mainWindow.isVisible());
    EXPECT_FALSE(page.isVisible());

    Frrm_offline& again = p.open();
    EXPECT_EQ(p.lines().size(), 1);
    EXPECT_FALSE(again.cmd_report->isVisible());
    EXPECT_TRUE(again.state.pageRunFolder.isEmpty());
    // The close box brings the main window back too.
    again.close();
    EXPECT_TRUE(p.mainWindow.isVisible());
}

TEST(Frrm_offline, LayoutFollowsTheMainWindowAndStaysWhileItIsMinimized)
{
    Page p;
    Frrm_offline& page = p.open();
    const QSize outer = p.mainWindow.frameGeometry().size();
    const std::optional<OfflinePlaces> places = ArrangeOfflineControls({outer, false});
    ASSERT_TRUE(places);
    EXPECT_EQ(page.Picreal->geometry(), places->Picreal);
    EXPECT_EQ(page.cmd_closeoffline->geometry(), places->cmd_closeoffline);

    const QRect before = page.Picreal->geometry();
    p.mainWindow.showMinimized();
    p.mainWindow.resize(700, 500);
    page.Form_Resize();
    EXPECT_EQ(page.Picreal->geometry(), before);
}

TEST(Frrm_offline, GenerateReportsTheOpenedRunIntoItsFolder)
{
    Page p;
    writeListFixtureTree(p.tmp);
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    p.doubleClick(1);
    page.cmd_report->click();
    page.reportPanel->combo_intref->setCurrentIndex(0); // "No"
    page.reportPanel->cmd_generatereport->click();
    ASSERT_EQ(p.opener.opened.size(), 1) << p.prompts.messages.join(QLatin1Char('|')).toStdString();
    const QString report = p.opener.opened.first();
    EXPECT_TRUE(report.startsWith(page.state.pageRunFolder + QLatin1Char('/'))) << report.toStdString();
    EXPECT_TRUE(QFileInfo(report).isFile());
    EXPECT_FALSE(page.reportPanel->isVisible());
}

TEST(Frrm_offline, JointReportOfTheSelectedRunsHandsItsTableToThePanel)
{
    Page p;
    writeListFixtureTree(p.tmp);
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    p.doubleClick(1);
    page.Listpj->item(1)->setSelected(true);
    page.Listpj->item(2)->setSelected(true);
    p.prompts.answers = {PromptAnswer::No}; // outliers stay
    page.mnjointrep->trigger();
    EXPECT_EQ(p.prompts.questions.size(), 1);
    EXPECT_TRUE(page.state.jointReportMode);
    EXPECT_TRUE(page.reportPanel->state.jointReportMode);
    EXPECT_TRUE(page.reportPanel->isVisible());
    EXPECT_TRUE(QFileInfo(p.tmp.path(QStringLiteral("reports/default_project/") + page.reportPanel->state.jointFileName))
                    .isFile());

    // Not while an acquisition writes into runFolder.
    Page q;
    writeListFixtureTree(q.tmp);
    Frrm_offline& other = q.open();
    q.doubleClick(0);
    other.Listpj->item(1)->setSelected(true);
    q.running = true;
    other.mnjointrep->trigger();
    EXPECT_EQ(q.prompts.messages, QStringList{kRunActiveMessage});
    EXPECT_EQ(q.globals.runFolder, q.tmp.folder().root());
    EXPECT_FALSE(other.state.jointReportMode);
}

// A recorded w6 run with one scan block in each camera's window file.
QString writeHeatMapRun(Page& p)
{
    const QString run = writeRecordedRun(p.tmp, QStringLiteral("proj"), QStringLiteral("20240101_000000heat"),
                                         "heat\r\nacq_time=5\r\nplate_format=w6\r\n", "0.5 \"A1\" 1\r\n");
    const char* wells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    for (int c = 0; c < 6; ++c) {
        const QByteArray w(wells[c]);
        writeFile(run + QStringLiteral("/wellactivity%1%2.csv").arg(c).arg(0),
                  "scan,0\r\ntime[m],\"0.5\"\r\n" + w + ",0,-,1,2,-\r\n" + w + ",1,-,3,4,-\r\n\r\n");
    }
    return run;
}

TEST(Frrm_offline, LoadHeatMapLoadsTheOpenedRunAndShowsTheHeatMapPanel)
{
    Page p;
    writeHeatMapRun(p);
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    p.doubleClick(1);
    std::vector<std::pair<int, int>> drawn;
    page.DrawHeatMap = [&](int mode, int scan) { drawn.emplace_back(mode, scan); };
    page.cmd_plotheat->click();
    EXPECT_TRUE(p.prompts.messages.isEmpty());
    EXPECT_TRUE(page.heatMap.loaded());
    EXPECT_EQ(page.heatMap.maxSumActivity, 4);
    EXPECT_EQ(page.txt_cframe->text(), QStringLiteral("100% OK"));
    EXPECT_FALSE(page.txt_cframe->isVisible());
    EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_TRUE(page.frame_heatmap->isVisible());
    EXPECT_EQ(page.cmd_plotheat->text(), QStringLiteral("Load Heatmap"));
    EXPECT_EQ(page.state.plotView, 2);
    EXPECT_EQ(page.loadRunning, 0);
    EXPECT_EQ(page.drawRunning, 0);
    const QString shots = qEnvironmentVariable("VELDO_SHOT_DIR");
    if (!shots.isEmpty())
        page.grab().toImage().save(QDir(shots).filePath(QStringLiteral("Frrm_offline_heatmap.png")));
}

TEST(Frrm_offline, LoadHeatMapPressedAgainStopsTheLoad)
{
    Page p;
    writeHeatMapRun(p);
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    p.doubleClick(1);
    bool drawn = false;
    page.DrawHeatMap = [&](int, int) { drawn = true; };
    // The user presses the button again while the load lets events run.
    p.clock.onTick = [&] {
        if (page.loadRunning == -1 && page.cmd_plotheat->text() == QStringLiteral("Stop"))
            page.cmd_plotheat->click();
    };
    page.cmd_plotheat->click();
    p.clock.onTick = nullptr;
    EXPECT_FALSE(drawn);
    EXPECT_FALSE(page.frame_heatmap->isVisible());
    EXPECT_EQ(page.cmd_plotheat->text(), QStringLiteral("Load Heatmap"));
    EXPECT_EQ(page.state.plotView, 1);
    EXPECT_EQ(page.loadRunning, 0);
}

// The page with the fixture tree listed and a run opened, its report panel shown.
TEST(Frrm_offline, RendersWithARunOpened)
{
    Page p;
    writeListFixtureTree(p.tmp);
    writeRecordedRun(p.tmp, QStringLiteral("second_project"), QStringLiteral("20240220_101010"),
                     "<Write Acquisition Name>\r\nacq_time=10\r\nplate_format=w24\r\n", "0.1 \"A1\" 3\r\n");
    const QString run = p.tmp.path(QStringLiteral("reports/p20240110_ab/20240115_143022mice"));
    WellGroupTable groups;
    groups.wellGroup[0] = 1;
    groups.groupName[1] = QStringLiteral("Control");
    groups.wellGroup[1] = 2;
    groups.groupName[2] = QStringLiteral("Treated");
    writeFile(run + QStringLiteral("/chgroup.dat"), wellGroupFileBytes(groups));
    Frrm_offline& page = p.open();
    p.doubleClick(0);
    p.doubleClick(1);
    page.cmd_report->click();
    EXPECT_EQ(page.size(), p.mainWindow.size());
    const QImage image = page.grab().toImage();
    EXPECT_FALSE(image.isNull());
    const QString shots = qEnvironmentVariable("VELDO_SHOT_DIR");
    if (!shots.isEmpty())
        image.save(QDir(shots).filePath(QStringLiteral("Frrm_offline.png")));
}

} // namespace
