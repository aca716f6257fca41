// The program as users run it: start-up on a fresh folder, a run recorded to
// its end through the main window, that run opened on the saved-data page
// with a report and the heat map, a run stopped part-way, and closing.
#include "ProgramRunRig.h"

#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/run/RunLoop.h"
#include "analysis/panels/Frrm_offline.h"
#include "plate/files/LedFiles.h"
#include "reporting/panels/Frm_report.h"
#include "support/FixtureFiles.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int countLinesStartingWith(const QByteArray& bytes, const QByteArray& start)
{
    int count = 0;
    for (const QByteArray& line : bytes.split('\n'))
        if (line.startsWith(start))
            ++count;
    return count;
}

class ProgramWalk : public ProgramRunRig {};

TEST_F(ProgramWalk, FirstStartFindsTheInstrumentAndInstallsItsFactoryCalibration)
{
    ASSERT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot) ==
                QStringList{"ports"});
    startProgram();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(control<QLabel>(window(), "lbl_myserial").text(), "SN12");
    // The flash's five sections became the unit folder.
    const QDir unit(folder.path(QStringLiteral("config_SN12")));
    for (const char* name : {"w6_col.dat", "w6_row.dat", "w24_col.dat", "w24_row.dat", "p35_col.dat", "p35_row.dat",
                             "ledxy.dat", "tempfactor.dat"})
        EXPECT_TRUE(QFileInfo(unit.filePath(QLatin1String(name))).isFile()) << name;
    // Two header lines, then one line per LED.
    EXPECT_EQ(fileLines(unit.filePath(QStringLiteral("ledxy.dat"))).size(), 2 + 416 + 1);
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("config_SN12.installing"))));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
}

TEST_F(ProgramWalk, AW6RunIsRecordedToItsEndThenOpenedReportedAndMapped)
{
    startProgram();
    const QString powers = ledPowerFilePath(folder.folder(), kSerial);
    ASSERT_FALSE(QFileInfo::exists(powers));
    startRun(QStringLiteral("w6"), QStringLiteral("5"), QStringLiteral("walk"));
    // The lighting round came before the first frame and saved the powers it set.
    EXPECT_TRUE(QFileInfo(powers).isFile());
    tickRun();
    ASSERT_FALSE(window().Timer2->isActive());
    EXPECT_EQ(status(), "DONE!");
    EXPECT_EQ(control<QPushButton>(window(), "cmdPlay").text(), "New");
    const int scans = window().runLoop()->scanIndex() + 1;
    ASSERT_GE(scans, 2);
    // The shortest run there is: five minutes, ended with the scan that passed them.
    EXPECT_GT(window().runLoop()->elapsedSeconds(), 5 * 60);

    // Two header lines, then the six wells of every scan.
    EXPECT_EQ(fileLines(QDir(runFolder()).filePath("current_activity.txt")).size(), 2 + 6 * scans + 1);
    expectWholeRunFiles();
    // Every camera's window file holds one block per scan.
    for (int camera = 0; camera < 6; ++camera) {
        const QByteArray block = runFile(QStringLiteral("wellactivity%1%2.csv").arg(camera).arg(0));
        EXPECT_EQ(countLinesStartingWith(block, "scan,"), scans) << camera;
    }
    // The run's end opened the report panel, as "Report" does.
    EXPECT_TRUE(window().reportPanel->isVisible());
    window().reportPanel->Cmd_closereport->click();

    // "LOAD RECORDED EXPERIMENTS": the saved-data page takes the main window's place.
    control<QPushButton>(window(), "cmd_load_recording").click();
    auto* page = qobject_cast<Frrm_offline*>(program->pages().savedDataPage());
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    EXPECT_FALSE(window().isVisible());
    // The project, then its run.
    const auto openLine = [&](const QString& text) {
        const QList<QListWidgetItem*> items = page->Listpj->findItems(text, Qt::MatchContains);
        ASSERT_FALSE(items.isEmpty()) << text.toStdString();
        page->Listpj->setCurrentItem(items.first());
        emit page->Listpj->itemDoubleClicked(items.first());
    };
    openLine(QStringLiteral("default_project"));
    openLine(QStringLiteral("walk"));
    EXPECT_EQ(QDir(page->state.pageRunFolder).absolutePath(), QDir(runFolder()).absolutePath());

    // A Rows report from the page's own panel, opened with the desktop's handler.
    page->cmd_report->click();
    ASSERT_TRUE(page->reportPanel->isVisible());
    page->reportPanel->Option_output[0]->click(); // "Rows"
    page->reportPanel->cmd_generatereport->click();
    ASSERT_EQ(opener.opened.size(), 1) << prompts.messages.join('|').toStdString();
    const QByteArray report = fileBytes(opener.opened.first());
    EXPECT_TRUE(opener.opened.first().startsWith(runFolder())) << opener.opened.first().toStdString();
    EXPECT_TRUE(endsInWholeCrLfLines(report));
    // The well block: a line per well, ended by a lone CR, with a value per scan.
    for (const char* well : {"A1", "B1", "A2", "B2", "A3", "B3"}) {
        const QByteArray start = QByteArray("\r\"") + well + "\",";
        const qsizetype at = report.indexOf(start);
        ASSERT_GE(at, 0) << well;
        const QByteArray line = report.mid(at + 1, report.indexOf('\r', at + 1) - at - 1);
        EXPECT_EQ(line.count(','), 1 + scans) << line.toStdString();
    }

    // The heat map of every scan.
    page->cmd_plotheat->click();
    ASSERT_TRUE(page->heatMap.loaded());
    EXPECT_EQ(page->heatMap.lastScan, scans - 1);

    // Closing the page brings the main window back.
    page->close();
    EXPECT_TRUE(window().isVisible());
    prompts.messages.clear();
}

TEST_F(ProgramWalk, AW24RunStoppedPartWayLeavesWholeFilesAndAnIdleWindow)
{
    startProgram();
    startRun(QStringLiteral("w24"), QStringLiteral("30"), QStringLiteral("stopped"));
    tickRun(2);
    ASSERT_TRUE(window().Timer2->isActive());
    control<QPushButton>(window(), "cmdPlay").click(); // STOP
    EXPECT_FALSE(window().Timer2->isActive());
    EXPECT_EQ(control<QPushButton>(window(), "cmdPlay").text(), "Play");
    EXPECT_FALSE(control<QLineEdit>(window(), "txtlapse").isReadOnly());
    const int scans = window().runLoop()->scanIndex();
    ASSERT_GE(scans, 2);
    // Whole scans of 24 wells; a scan cut by STOP may add its wells read so far.
    const int rows = fileLines(QDir(runFolder()).filePath("current_activity.txt")).size() - 3;
    EXPECT_GE(rows, 24 * scans);
    EXPECT_LT(rows, 24 * (scans + 1));
    expectWholeRunFiles();
}

TEST_F(ProgramWalk, ClosingTheWindowSwitchesTheInstrumentOffAndWritesTheSettings)
{
    startProgram();
    const size_t before = static_cast<size_t>(sim.totalCommandCount());
    window().close();
    ASSERT_TRUE(sim.waitForCommandCount(static_cast<int>(before) + 4, 2000));
    EXPECT_EQ(commandsSince(before),
              (std::vector<ProgramSentCommand>{{'T', 1, 0}, {'T', 2, 0}, {'T', 15, 0}, {'C', 6, 0}}));
    EXPECT_FALSE(program->globals().portOpen);
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("config.txt"))).isFile());
    EXPECT_EQ(fileBytes(folder.path(QStringLiteral("reports/pj_sn12.dat"))), "default_project\r\n");
}

} // namespace
