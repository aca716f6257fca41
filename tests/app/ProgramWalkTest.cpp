// The program as users run it: start-up on a fresh folder, a run recorded to
// its end through the main window, that run opened on the saved-data page
// with a report and the heat map, a run stopped part-way, and closing.
#include "ProgramRig.h"

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

// 'T' sub-commands: Peltier drive 1, fan 2, blue light 15; 'C' 6: no camera.
struct SentCommand {
    char letter;
    int a;
    int b;
    bool operator==(const SentCommand&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SentCommand& c)
{
    return out << c.letter << "," << c.a << "," << c.b;
}

// Every line of a text file ends in CR LF, the last one too.
bool endsInWholeCrLfLines(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n"))
        return false;
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1))
        if (i == 0 || bytes.at(i - 1) != '\r')
            return false;
    return true;
}

int countLinesStartingWith(const QByteArray& bytes, const QByteArray& start)
{
    int count = 0;
    for (const QByteArray& line : bytes.split('\n'))
        if (line.startsWith(start))
            ++count;
    return count;
}

class ProgramWalk : public ProgramRig {
protected:
    // Start-up as main() runs it; the instrument is found on COM1.
    void startProgram()
    {
        program->start();
        ASSERT_EQ(status(), "OK. Connected to VELDO SN12");
    }

    // Start, a name typed into the confirmation and PLAY, as a user does it.
    void startRun(const QString& format, const QString& minutes, const QString& name)
    {
        auto& well = control<QComboBox>(window(), "cmb_well");
        const int index = well.findText(format);
        ASSERT_GE(index, 0) << format.toStdString();
        // Another plate than the one in use is asked about first.
        const bool change = well.currentText() != format;
        if (change)
            prompts.answers.push_back(PromptAnswer::Yes);
        well.setCurrentIndex(index);
        emit well.activated(index);
        if (change) {
            ASSERT_EQ(prompts.questions.last(), "Change Plate to " + format + "?");
        }
        auto& lapse = control<QLineEdit>(window(), "txtlapse");
        lapse.setText(minutes);
        control<QPushButton>(window(), "cmdPlay").click();
        ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
        auto& acquisitionName = control<QLineEdit>(window(), "txt_acqname");
        ASSERT_TRUE(acquisitionName.isVisible());
        QTest::mouseClick(&acquisitionName, Qt::LeftButton);
        QTest::keyClicks(&acquisitionName, name);
        control<QPushButton>(window(), "cmd_playacq").click();
        ASSERT_TRUE(window().Timer2->isActive()) << status().toStdString();
    }

    // The run timer fires every `stepMs` of virtual time until the run ends
    // by itself or has taken `scans` scans.
    void tickRun(int scans = 1 << 30, int stepMs = 200)
    {
        for (int ticks = 0; ticks < 200000 && window().Timer2->isActive(); ++ticks) {
            if (window().runLoop()->scanIndex() >= scans)
                return;
            clock.advance(stepMs);
            window().Timer2->stop();
            window().Timer2_Timer();
        }
    }

    QString runFolder() { return program->globals().runFolder; }
    QByteArray runFile(const QString& name) { return fileBytes(QDir(runFolder()).filePath(name)); }

    // Every file of the run folder is whole text: CR LF line ends throughout.
    void expectWholeRunFiles()
    {
        const QStringList names = QDir(runFolder()).entryList(QDir::Files);
        ASSERT_FALSE(names.isEmpty());
        for (const QString& name : names)
            EXPECT_TRUE(endsInWholeCrLfLines(runFile(name))) << name.toStdString();
    }

    std::vector<SentCommand> commandsSince(size_t first)
    {
        std::vector<SentCommand> sent;
        const std::vector<SimCommand> all = sim.receivedCommands();
        for (size_t i = first; i < all.size(); ++i)
            sent.push_back({static_cast<char>(all[i].letter), all[i].a, all[i].b});
        return sent;
    }
};

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
              (std::vector<SentCommand>{{'T', 1, 0}, {'T', 2, 0}, {'T', 15, 0}, {'C', 6, 0}}));
    EXPECT_FALSE(program->globals().portOpen);
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("config.txt"))).isFile());
    EXPECT_EQ(fileBytes(folder.path(QStringLiteral("reports/pj_sn12.dat"))), "default_project\r\n");
}

} // namespace
