// Runs started and stopped from the main window against the simulated
// instrument on the fake clock: the confirmation panel, the run's folder and
// files, the loop on Timer2, STOP, Cancel and the start checks.
#include "RunPhaseSteps.h"
#include "NoInstrument.h"
#include "MainWindowSimRig.h"
#include "core/DateStamp.h"
#include "projects/panels/frame_group.h"
#include "reporting/panels/Frm_report.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using FrmAcquireRun = MainWindowSimRig;

TEST_F(FrmAcquireRun, StartConfirmRunTwoScansAndStop)
{
    menu().txtlapse->setText(QStringLiteral("4.9"));
    menu().cmdPlay->click();
    ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join("|").toStdString();
    EXPECT_FALSE(confirm().isHidden());
    EXPECT_EQ(menu().txtlapse->text(), "5");
    EXPECT_EQ(confirm().txt_pjname->text(), "default_project");
    EXPECT_EQ(confirm().txt_acqname->text(), "<Write Acquisition Name>");
    EXPECT_FALSE(menu().cmdPlay->isEnabled());
    EXPECT_FALSE(menu().cmb_well->isEnabled());
    EXPECT_TRUE(window->frameGroup->isHidden());
    EXPECT_FALSE(window->Picact2->isHidden());

    confirm().txt_acqname_Click();
    EXPECT_EQ(confirm().txt_acqname->text(), "");
    confirm().txt_acqname->setText(QStringLiteral("My Run#2"));
    const QString stamp = formatDateStamp(clock.now(), QStringLiteral("yyyymmdd_hhmmss"));
    confirm().txt_acqname_KeyPress(Qt::Key_Return); // Enter confirms

    const QString expectedFolder = folder.path("reports/default_project/" + stamp + "my_run_2");
    EXPECT_EQ(QDir(globals.runFolder).absolutePath(), QDir(expectedFolder).absolutePath());
    EXPECT_TRUE(confirm().isHidden());
    EXPECT_EQ(menu().cmdPlay->text(), "STOP");
    EXPECT_TRUE(menu().cmdPlay->isEnabled());
    EXPECT_TRUE(menu().txtlapse->isReadOnly());
    EXPECT_EQ(window->state.runState, 1);
    ASSERT_TRUE(window->Timer2->isActive());
    EXPECT_EQ(fileLines(runFile("serial.dat")), (QStringList{"SN12", ""}));
    EXPECT_EQ(fileLines(runFile("subpj.dat")), (QStringList{"My Run#2", "acq_time=5", "plate_format=w6", ""}));
    for (const char* name : {"current_activity.txt", "adjusted_activity.txt", "current_temperature.txt",
                             "chgroup.dat", "blank_w6.dat", "factor_correction.txt", "light.csv"})
        EXPECT_TRUE(QFile::exists(runFile(name))) << name;

    // The lighting round set each camera's LED powers before the first frame.
    EXPECT_TRUE(QFile::exists(folder.path("config_SN12/ledpower.dat")));

    tickToScan(2);
    ASSERT_EQ(window->runLoop()->scanIndex(), 2);
    // Two scans of six wells after the two header lines.
    EXPECT_EQ(fileLines(runFile("current_activity.txt")).size(), 2 + 2 * 6 + 1);
    EXPECT_NE(window->txt_timepass->text(), "00:00");
    window->resize(1280, 800);
    EXPECT_TRUE(window->grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_run.png"))));

    // The boxes are locked for the run: typing a time changes nothing of it.
    sim.resetCounts();
    menu().cmdPlay->click(); // STOP
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_EQ(menu().cmdPlay->text(), "Play");
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_FALSE(menu().txtlapse->isReadOnly());
    EXPECT_TRUE(menu().cmb_well->isEnabled());
    EXPECT_FALSE(window->frameGroup->isHidden());
    EXPECT_TRUE(window->Picact2->isHidden());
    const auto commands = sim.receivedCommands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back().letter, 'C');
    EXPECT_EQ(commands.back().a, 6); // no camera selected last
    EXPECT_EQ(sim.state().stage.fanLevel, 128);
    EXPECT_EQ(sim.state().stage.drive, 0);
    EXPECT_EQ(sim.state().stage.lightLevel, 0);
}

TEST_F(FrmAcquireRun, AFiveMinuteRunEndsInTheReportPanelWithNew)
{
    menu().txtlapse->setText(QStringLiteral("5"));
    menu().cmdPlay->click();
    confirm().cmd_playacq->click();
    ASSERT_TRUE(window->Timer2->isActive());
    tickToScan(1000); // until the loop ends the run itself
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_EQ(menu().cmdPlay->text(), "New");
    EXPECT_TRUE(menu().cmb_well->isEnabled());
    EXPECT_FALSE(menu().txtlapse->isReadOnly());
    EXPECT_FALSE(window->reportPanel->isHidden()); // the run's report is offered
    EXPECT_GE(window->runLoop()->elapsedSeconds(), 5 * 60);
    EXPECT_EQ(sim.receivedCommands().back().a, 6); // the stage off and no camera at the end

    // "New" takes the panel back for the next run.
    menu().cmdPlay->click();
    EXPECT_EQ(menu().cmdPlay->text(), "Play");
}

TEST_F(FrmAcquireRun, StartChecksRefuseANewRunButNeverAStop)
{
    struct Case {
        const char* lapse;
        const char* format;
        bool portOpen;
        bool ledxy;
        const char* message;
    };
    const Case cases[] = {
        {"1", "w6", true, true, "invalid acquisition time"},
        {"30", "w96u", true, true, "Microplate format error"},
        {"30", "w6", false, true, "COMPORT not found. Plug the equipment and restart the software"},
        {"30", "w6", true, false, "Light Calibration Needed before run!!"},
    };
    for (const Case& c : cases) {
        prompts.messages.clear();
        menu().txtlapse->setText(QLatin1String(c.lapse));
        menu().cmb_well->setEditText(QLatin1String(c.format));
        globals.portOpen = c.portOpen;
        if (!c.ledxy)
            QFile::remove(folder.path("config_SN12/ledxy.dat"));
        menu().cmdPlay->click();
        EXPECT_EQ(prompts.messages, QStringList{QLatin1String(c.message)}) << c.message;
        EXPECT_TRUE(confirm().isHidden()) << c.message;
    }

    // A run on; its ledxy.dat and time box gone bad: STOP still stops it.
    globals.portOpen = true;
    ASSERT_TRUE(writeBytes(folder.path("config_SN12/ledxy.dat"), "0,10,10\r\n"));
    menu().txtlapse->setText(QStringLiteral("30"));
    menu().cmb_well->setEditText(QStringLiteral("w6"));
    menu().cmdPlay->click();
    confirm().cmd_playacq->click();
    ASSERT_EQ(window->state.runState, 1);
    QFile::remove(folder.path("config_SN12/ledxy.dat"));
    prompts.messages.clear();
    menu().cmdPlay->click();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_EQ(menu().cmdPlay->text(), "Play");
}

TEST_F(FrmAcquireRun, CancelClosesThePanelAndSwitchesTheStageOff)
{
    menu().cmdPlay->click();
    ASSERT_FALSE(confirm().isHidden());
    sim.resetCounts();
    confirm().cmd_cancelacq->click();
    EXPECT_TRUE(confirm().isHidden());
    EXPECT_EQ(confirm().txt_acqname->text(), "<Write Acquisition Name>");
    EXPECT_TRUE(menu().cmdPlay->isEnabled());
    EXPECT_TRUE(menu().cmb_well->isEnabled());
    EXPECT_FALSE(window->frameGroup->isHidden());
    EXPECT_TRUE(window->Picact2->isHidden());
    EXPECT_EQ(sim.state().stage.fanLevel, 128);
    EXPECT_EQ(sim.receivedCommands().back().a, 6);
    EXPECT_TRUE(QDir(folder.path("reports/default_project")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(FrmAcquireRun, AMandatoryReferenceIsAskedForBeforeAnythingIsMade)
{
    useFormat("w48"); // its runs need a reference run, and the instrument has none yet
    menu().cmdPlay->click();
    EXPECT_EQ(prompts.messages, QStringList{"Internal Reference (homogeneous plate) is mandatory for this plate format"});
    EXPECT_TRUE(confirm().chk_internalref->isChecked());
    EXPECT_FALSE(confirm().chk_internalref->isEnabled());
    EXPECT_EQ(confirm().txt_pjname->text(), "_internal_referenceSN12");
    EXPECT_EQ(confirm().txt_acqname->text(), "w48_reference");
    EXPECT_TRUE(confirm().txt_pjname->isReadOnly());

    const QDir reference(folder.path("reports/_internal_referenceSN12"));
    const QStringList before = reference.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    prompts.answers = {PromptAnswer::No};
    confirm().cmd_playacq->click();
    EXPECT_EQ(prompts.questions, QStringList{"Proceed to measure internal Reference(homogeneus plate)?"});
    EXPECT_FALSE(confirm().isHidden()); // the panel stays open
    EXPECT_EQ(reference.entryList(QDir::Dirs | QDir::NoDotAndDotDot), before); // no run folder made
    EXPECT_EQ(window->state.runState, 0);
}

TEST_F(FrmAcquireRun, ATypedTimeAboveTheLimitIsBroughtBackWithItsMessage)
{
    menu().txtlapse->setText(QStringLiteral("32001"));
    EXPECT_EQ(prompts.messages, QStringList{"Maximum time limited to 32000 minutes"});
    EXPECT_EQ(menu().txtlapse->text(), "32000");
}

TEST_F(FrmAcquireRun, NewAfterARunResetsThePanelAndLeavesPlay)
{
    // A run has ended by itself: its phase is done and the button says so.
    bringToPhase(window->state.phase, RunPhase::Phase::Done);
    menu().showRunPhase(window->state.phase.phase());
    ASSERT_EQ(menu().cmdPlay->text(), "New");
    menu().cmdPlay->click();
    EXPECT_EQ(menu().cmdPlay->text(), "Play");
    EXPECT_TRUE(confirm().isHidden());
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

} // namespace

namespace {

TEST_F(FrmAcquireRun, AW24RunGoesThroughItsLightingRoundAndRecords)
{
    useFormat("w24");
    menu().cmdPlay->click();
    confirm().cmd_playacq->click();
    ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join("|").toStdString();
    ASSERT_TRUE(window->Timer2->isActive());
    // Every camera's powers balanced and saved before the first frame.
    const QStringList powers = fileLines(folder.path("config_SN12/ledpower.dat"));
    EXPECT_GT(powers.size(), 2);
    tickToScan(1);
    ASSERT_EQ(window->runLoop()->scanIndex(), 1);
    EXPECT_EQ(fileLines(runFile("current_activity.txt")).size(), 2 + 24 + 1);
    menu().cmdPlay->click();
    EXPECT_EQ(window->state.runState, 0);
}

TEST_F(FrmAcquireRun, AStopDuringTheLightingRoundLeavesTheRunTimerOff)
{
    menu().cmdPlay->click();
    // STOP clicked while the round waits for the instrument.
    int waits = 0;
    clock.onTick = [&] {
        if (++waits == 20)
            window->state.phase.apply(RunPhase::Event::Stop);
    };
    confirm().cmd_playacq->click();
    clock.onTick = nullptr;
    EXPECT_GE(waits, 20);
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_EQ(window->runLoop(), nullptr);
}

TEST_F(FrmAcquireRun, AFormatWithoutCameraTablesStopsTheRunItCouldNotSetUp)
{
    useFormat("p35"); // no column or row tables in the unit folder
    menu().cmdPlay->click();
    confirm().cmd_playacq->click();
    EXPECT_EQ(prompts.messages, QStringList{"Configuration error"});
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_EQ(menu().cmdPlay->text(), "Play");
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_TRUE(menu().cmb_well->isEnabled());
}

// Dummy mode without any serial module: the run makes its own frames.
TEST(FrmAcquireDummyRun, RunsAScanAndStopsWithoutAnInstrument)
{
    TempProgramFolder tmp;
    Globals globals;
    globals.dummyMode = 1;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, tmp.folder());
    ASSERT_TRUE(copyFormatFixtures("w6", tmp.path("config"), tmp.path("config")));
    ASSERT_TRUE(writeBytes(tmp.path("config/ledxy.dat"), "0,10,10\r\n"));
    Frm_acquire window(AppContext{globals, tmp.folder(), clock, prompts, opener, comm});
    window.state.projectName = QStringLiteral("default_project");
    window.state.plateFormat = QStringLiteral("w6");
    fillFormatLists(window.formatControls, QStringLiteral("w6"));
    window.showFormatControls();
    window.show();

    window.frameMenu->cmdPlay->click();
    window.confirmPanel->cmd_playacq->click();
    ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join("|").toStdString();
    ASSERT_TRUE(window.Timer2->isActive());
    for (int ticks = 0; ticks < 2000 && window.runLoop()->scanIndex() < 1; ++ticks) {
        clock.advance(200);
        window.Timer2_Timer();
    }
    EXPECT_EQ(window.runLoop()->scanIndex(), 1);
    EXPECT_EQ(fileLines(QDir(globals.runFolder).filePath("current_activity.txt")).size(), 2 + 6 + 1);
    window.frameMenu->cmdPlay->click();
    EXPECT_EQ(window.state.runState, 0);
    EXPECT_FALSE(window.Timer2->isActive());
}

} // namespace
