// Blanks from the main window against the simulated instrument on the fake
// clock: "Read Blank" and its panel, a whole blank run ending in the blank in
// use, the list of stored blanks with its loads and deletions, and enabling
// internal-reference runs.
#include "RunPhaseSteps.h"
#include "MainWindowSimRig.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/frm_confirmacq.h"
#include "acquisition/run/RunLoop.h"
#include "calibration/BlankStore.h"
#include "calibration/InternalReferenceRuns.h"
#include "calibration/panels/Frame_calibration.h"
#include "calibration/panels/frameblank.h"
#include "core/DateStamp.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedLink.h"
#include "support/TempProgramFolder.h"
#include "ui/DoubleClickLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kStore = QStringLiteral("reports/_internal_blank_measurementSN12");

class FrmAcquireBlank : public MainWindowSimRig {
protected:
    frameblank& blank() { return *window->blankPanel; }
    QStringList listed() const
    {
        QStringList texts;
        for (int i = 0; i < window->blankPanel->lst_blank->count(); ++i)
            texts << window->blankPanel->lst_blank->item(i)->text();
        return texts;
    }
    void select(const QString& entry)
    {
        const auto found = window->blankPanel->lst_blank->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        window->blankPanel->lst_blank->setCurrentItem(found.first());
    }
    // A stored blank run: its subpj.dat and, when given, its activity rows.
    void storeRun(const QString& name, const QByteArray& subpj, const QByteArray& rows = QByteArray())
    {
        ASSERT_TRUE(writeBytes(folder.path(kStore + "/" + name + "/subpj.dat"), subpj));
        if (!rows.isEmpty()) {
            ASSERT_TRUE(writeBytes(folder.path(kStore + "/" + name + "/current_activity.txt"),
                                   "\"d\" \"h\"\r\n\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n" + rows));
        }
    }
    QString storeLine1(const QString& code) { return ReadBlankFileHeader(folder.folder(), kSerial, code); }
};

TEST_F(FrmAcquireBlank, ReadBlankOpensTheNameAndLapseOnlyWhenIdleAndConnected)
{
    blank().txt_blankname->setText(QStringLiteral("kept"));
    bringToPhase(window->state.phase, RunPhase::Phase::Running);
    window->state.abortRequested = true;
    menu().cmd_blank->click();
    EXPECT_TRUE(blank().isHidden()) << "nothing while a run or calibration is on";
    EXPECT_FALSE(window->state.abortRequested);

    window->state.phase.apply(RunPhase::Event::Stop);
    globals.portOpen = false;
    menu().cmd_blank->click();
    EXPECT_EQ(prompts.messages, QStringList{"COMPORT not found. Plug the equipment and restart the software"});
    EXPECT_TRUE(blank().isHidden());

    globals.portOpen = true;
    menu().cmd_blank->click();
    EXPECT_FALSE(blank().isHidden());
    EXPECT_FALSE(blank().txt_blankname->isHidden());
    EXPECT_FALSE(blank().cmd_okblank->isHidden());
    EXPECT_TRUE(blank().lst_blank->isHidden());
    EXPECT_TRUE(blank().lbl_blankdescription->isHidden());
    EXPECT_EQ(blank().txt_blankname->text(), "kept");
    EXPECT_TRUE(window->grab().save(QDir::temp().filePath("frm_acquire_frameblank_fields.png")));

    blank().cmd_cancelblank->click();
    EXPECT_TRUE(blank().isHidden());
    EXPECT_FALSE(window->state.blankRun);
}

TEST_F(FrmAcquireBlank, TheLapseMustBeThirtyToFourteenFortyMinutes)
{
    const struct {
        const char* typed;
        const char* runMinutes; // nothing: refused
    } cases[] = {{"30", "30"},      {"1440", "1440"}, {"29.9", nullptr}, {"1440.5", nullptr},
                 {"", nullptr},     {"45.5", "46"},   {"44.5", "44"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        prompts.messages.clear();
        window->state.blankRun = true;
        menu().cmd_blank->click();
        blank().txt_blanklapse->setText(QLatin1String(c.typed));
        blank().cmd_okblank->click();
        if (!c.runMinutes) {
            EXPECT_EQ(prompts.messages, QStringList{"invalid acqtime [30-1440m]"});
            EXPECT_EQ(blank().txt_blanklapse->text(), "60");
            EXPECT_FALSE(window->state.blankRun);
            EXPECT_FALSE(blank().isHidden()) << "the panel stays open";
            EXPECT_EQ(window->state.runState, 0);
            blank().cmd_cancelblank->click();
            continue;
        }
        EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join("|").toStdString();
        EXPECT_EQ(menu().txtlapse->text(), QLatin1String(c.runMinutes));
        EXPECT_EQ(fileLines(QDir(globals.runFolder).filePath("subpj.dat")).at(1),
                  QStringLiteral("acq_time=") + QLatin1String(c.runMinutes));
        EXPECT_EQ(window->state.runState, 1);
        EXPECT_TRUE(window->state.blankRun);
        EXPECT_TRUE(menu().txtlapse->isReadOnly());
        EXPECT_FALSE(menu().cmb_well->isEnabled());
        EXPECT_TRUE(blank().isHidden());
        menu().cmdPlay->click(); // STOP
        ASSERT_EQ(window->state.runState, 0);
        clock.advance(1000); // the next run gets its own second
    }
}

TEST_F(FrmAcquireBlank, TheNameIsCleanedIntoTheBlankProjectOfTheInstrument)
{
    menu().cmd_blank->click();
    blank().txt_blankname->setText(QString());
    blank().cmd_okblank->click();
    EXPECT_EQ(prompts.messages, QStringList{"Enter a valid Blank acquisition name"});
    EXPECT_FALSE(window->state.blankRun);
    EXPECT_EQ(window->state.runState, 0);

    prompts.messages.clear();
    blank().txt_blankname->setText(QStringLiteral("My Blank 2"));
    const QString stamp = formatDateStamp(clock.now(), QStringLiteral("yyyymmdd_hhmmss"));
    blank().cmd_okblank->click();
    ASSERT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join("|").toStdString();
    EXPECT_EQ(confirm().txt_acqname->text(), "_blank_my_blank_2");
    EXPECT_EQ(confirm().txt_pjname->text(), "_internal_blank_measurementSN12");
    // The run start writes the project in lower case; the store finds it all the same.
    const QString expected = folder.path("reports/_internal_blank_measurementsn12/" + stamp + "_blank_my_blank_2");
    EXPECT_EQ(QDir(globals.runFolder).absolutePath(), QDir(expected).absolutePath());
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(fileLines(QDir(globals.runFolder).filePath("subpj.dat")).at(0), "_blank_my_blank_2");
    EXPECT_EQ(QFileInfo(blankStoreFilePath(folder.folder(), kSerial, "w6")).absolutePath(),
              QFileInfo(expected).absolutePath());
    menu().cmdPlay->click();
}

TEST_F(FrmAcquireBlank, StartIsRefusedOverALiveRun)
{
    menu().cmdPlay->click();
    confirm().cmd_playacq->click();
    ASSERT_EQ(window->state.runState, 1);
    const QString runFolder = globals.runFolder;
    blank().show(); // left open from before the run
    blank().cmd_okblank->click();
    EXPECT_EQ(globals.runFolder, runFolder);
    EXPECT_FALSE(window->state.blankRun);
    EXPECT_TRUE(prompts.messages.isEmpty());
    menu().cmdPlay->click();
}

TEST_F(FrmAcquireBlank, AWholeBlankRunBecomesTheBlankInUse)
{
    ASSERT_TRUE(writeBytes(folder.path(kStore + "/blank_w6.dat"), "none\r\nacqlapse=30\r\n"));
    menu().cmd_blank->click();
    blank().txt_blankname->setText(QStringLiteral("myblank"));
    blank().txt_blanklapse->setText(QStringLiteral("30"));
    const QString stamp = formatDateStamp(clock.now(), QStringLiteral("yyyymmdd_hhmmss"));
    blank().cmd_okblank->click();
    ASSERT_EQ(window->state.runState, 1);
    ASSERT_TRUE(window->Timer2->isActive());
    const QString runName = stamp + "_blank_myblank";

    // Ten virtual seconds a tick: the half hour passes in a few scans.
    tickToScan(1000000, 10000);
    ASSERT_EQ(window->state.runState, 0) << "the run ends by itself";
    EXPECT_EQ(prompts.messages, QStringList{"Blank OK"});
    EXPECT_FALSE(window->state.blankRun);

    const QStringList store = fileLines(folder.path(kStore + "/blank_w6.dat"));
    ASSERT_EQ(store.size(), 3 + 384 + 1);
    EXPECT_EQ(store.at(0), runName);
    const int lapse = store.at(1).mid(9).toInt();
    EXPECT_TRUE(store.at(1).startsWith("acqlapse=00")) << store.at(1).toStdString();
    EXPECT_GE(lapse, 30);
    EXPECT_LE(lapse, 60);
    EXPECT_EQ(store.at(2), "\"#well\",\"Value\"");
    // The counts are the wells' last accumulated values in the run's activity file.
    const QStringList activity = fileLines(QDir(globals.runFolder).filePath("current_activity.txt"));
    for (const QString& row : activity.mid(activity.size() - 7, 6)) {
        const QStringList f = row.split(' ');
        const int index = (f.at(1).mid(2, 1).toInt() - 1) * 2 + (f.at(1).at(1).unicode() - 'A');
        EXPECT_EQ(store.at(3 + index), QString::number(index) + "," + f.at(2)) << row.toStdString();
    }
    EXPECT_EQ(store.at(3 + 6), "6,0");

    EXPECT_EQ(window->state.blankInUse, runName);
    EXPECT_EQ(menu().lbl_blanktime->text(), stamp.mid(0, 4) + "." + stamp.mid(4, 2) + "." + stamp.mid(6, 2) + " " +
                                               stamp.mid(9, 2) + ":" + stamp.mid(11, 2) + "h");
    EXPECT_EQ(menu().lbl_blankname->text(), " blank myblank");
    EXPECT_FALSE(menu().txtlapse->isReadOnly());
    EXPECT_TRUE(menu().cmb_well->isEnabled());

    // The next run copies it.
    clock.advance(1000);
    menu().cmdPlay->click(); // "New"
    menu().cmdPlay->click();
    confirm().cmd_playacq->click();
    EXPECT_EQ(fileLines(QDir(globals.runFolder).filePath("blank_w6.dat")).at(0), runName);
    menu().cmdPlay->click();
}

TEST_F(FrmAcquireBlank, TheListShowsTheStoredRunsOfTheFormatAndDescribesThem)
{
    useFormat("w24");
    storeRun("20250314_101500_blank_myblank", "_blank_myblank\r\nacq_time=60\r\nplate_format=w24\r\n");
    storeRun("20250315_080000_blank_six", "_blank_six\r\nacq_time=30\r\nplate_format=w6\r\n");
    storeRun("20250316_090000_blank_late", "_blank_late\r\nacq_time=45\r\nplate_format=w24\r\n");

    bringToPhase(window->state.phase, RunPhase::Phase::Calibrating);
    menu().lbl_blanktime->doubleClicked();
    EXPECT_TRUE(blank().isHidden());
    window->state.phase.apply(RunPhase::Event::Stop);

    blank().lbl_blankdescription->setText(QStringLiteral("earlier"));
    emit menu().lbl_blanktime->doubleClicked();
    EXPECT_EQ(listed(), (QStringList{"none", "Factory_Default", "20250314_101500_blank_myblank",
                                     "20250316_090000_blank_late"}));
    EXPECT_FALSE(blank().isHidden());
    EXPECT_FALSE(blank().lst_blank->isHidden());
    EXPECT_TRUE(blank().txt_blankname->isHidden());
    EXPECT_TRUE(blank().cmd_okblank->isHidden());
    EXPECT_EQ(blank().lbl_blankdescription->text(), "earlier");

    select("20250316_090000_blank_late");
    window->lst_blank_Click();
    EXPECT_EQ(blank().lbl_blankdescription->text(), "[45m] _blank_late");
    select("Factory_Default");
    window->lst_blank_Click();
    EXPECT_EQ(blank().lbl_blankdescription->text(), "[45m] _blank_late");
    EXPECT_TRUE(window->grab().save(QDir::temp().filePath("frm_acquire_frameblank_list.png")));
}

TEST_F(FrmAcquireBlank, NoneWritesTheEmptyBlankWithoutAQuestion)
{
    ASSERT_TRUE(writeBytes(folder.path(kStore + "/blank_w6.dat"), "20250314_101500_blank_old\r\nacqlapse=60\r\n"));
    window->runBlank.blankValue[2] = 5;
    emit menu().lbl_blanktime->doubleClicked();
    select("none");
    window->lst_blank_DblClick();
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(storeLine1("w6"), "none");
    EXPECT_EQ(fileLines(folder.path(kStore + "/blank_w6.dat")).size(), 3 + 384 + 1);
    EXPECT_EQ(window->runBlank.blankValue[2], 0);
    EXPECT_EQ(window->runBlank.blankLapse, 30);
    EXPECT_EQ(menu().lbl_blanktime->text(), "none");
    EXPECT_EQ(menu().lbl_blankname->text(), "");
    EXPECT_TRUE(blank().isHidden());

    // No format chosen: nothing written, "none" shown all the same.
    menu().cmb_well->setEditText(QString());
    emit menu().lbl_blanktime->doubleClicked();
    select("none");
    window->lst_blank_DblClick();
    EXPECT_EQ(menu().lbl_blanktime->text(), "none");
    EXPECT_FALSE(QFileInfo::exists(folder.path(kStore + "/blank_.dat")));
}

TEST_F(FrmAcquireBlank, FactoryDefaultIsAskedForAndCopiedOrNotFound)
{
    emit menu().lbl_blanktime->doubleClicked();
    select("Factory_Default");
    prompts.answers = {PromptAnswer::No};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.questions, QStringList{"Load Factory_Default Blank for w6?"});
    EXPECT_FALSE(blank().isHidden()) << "No leaves the panel open";

    prompts.answers = {PromptAnswer::Yes};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.messages, QStringList{"Default File not found"});
    EXPECT_TRUE(blank().isHidden());
    EXPECT_EQ(storeLine1("w6"), "");

    ASSERT_TRUE(writeBytes(folder.path("config_SN12/blank_w6.dat"), "2019.02.15 18:54\r\nacqlapse=30\r\nh\r\n0,4\r\n"));
    prompts.messages.clear();
    emit menu().lbl_blanktime->doubleClicked();
    select("Factory_Default");
    prompts.answers = {PromptAnswer::Yes};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.messages, QStringList{"Blank OK"});
    EXPECT_EQ(storeLine1("w6"), "2019.02.15 18:54");
    EXPECT_EQ(window->state.blankInUse, "2019.02.15 18:54");
    EXPECT_EQ(menu().lbl_blanktime->text(), "2019.02.15 18:54") << "the factory date, unformatted";
    EXPECT_EQ(menu().lbl_blankname->text(), "");
    EXPECT_TRUE(blank().isHidden());
}

TEST_F(FrmAcquireBlank, AStoredRunIsEvaluatedAgainstItsOwnMinutesAndFormat)
{
    ASSERT_TRUE(writeBytes(folder.path(kStore + "/blank_w6.dat"), "20250301_101500_blank_old\r\nacqlapse=60\r\n"));
    storeRun("20250314_101500_blank_good", "_blank_good\r\nacq_time=60\r\nplate_format=w6\r\n",
             "30.0 \"A1\" 4\r\n30.0 \"B1\" 6\r\n50.5 \"A1\" 9\r\n50.5 \"B1\" 12\r\n");
    storeRun("20250314_111500_blank_short", "_blank_short\r\nacq_time=60\r\nplate_format=w6\r\n",
             "30.0 \"A1\" 4\r\n");
    storeRun("20250314_121500_blank_notime", "_blank_notime\r\nlapse\r\nplate_format=w6\r\n");
    storeRun("20250314_131500_blank_noformat", "_blank_noformat\r\nacq_time=60\r\nformat\r\n");

    emit menu().lbl_blanktime->doubleClicked();
    // Short of 80 %: the store stays, the panel closes.
    select("20250314_111500_blank_short");
    prompts.answers = {PromptAnswer::Yes};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.questions, QStringList{"Load 20250314_111500_blank_short?"});
    EXPECT_EQ(prompts.messages, QStringList{"ERROR! Expected acqusition=60. Found=30"});
    EXPECT_EQ(storeLine1("w6"), "20250301_101500_blank_old");
    EXPECT_TRUE(blank().isHidden());

    prompts.messages.clear();
    emit menu().lbl_blanktime->doubleClicked();
    select("20250314_101500_blank_good");
    prompts.answers = {PromptAnswer::No};
    window->lst_blank_DblClick();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(blank().isHidden());
    prompts.answers = {PromptAnswer::Yes};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.messages, QStringList{"Blank OK"});
    const QStringList store = fileLines(folder.path(kStore + "/blank_w6.dat"));
    EXPECT_EQ(store.mid(0, 5), (QStringList{"20250314_101500_blank_good", "acqlapse=0060", "\"#well\",\"Value\"",
                                            "0,9", "1,12"}));
    EXPECT_EQ(menu().lbl_blanktime->text(), "2025.03.14 10:15h");
    EXPECT_EQ(menu().lbl_blankname->text(), " blank good");

    const struct {
        const char* entry;
        const char* message;
    } refusals[] = {{"20250314_121500_blank_notime", "subpj File error. Unable to read time"},
                    {"20250314_131500_blank_noformat", "subpj File error. Unable to read well format"}};
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.entry);
        prompts.messages.clear();
        emit menu().lbl_blanktime->doubleClicked();
        // A run without a format line is listed only after a deletion, which lists every run.
        if (!listed().contains(QLatin1String(r.entry)))
            blank().lst_blank->addItem(QLatin1String(r.entry));
        select(QLatin1String(r.entry));
        prompts.answers = {PromptAnswer::Yes};
        window->lst_blank_DblClick();
        EXPECT_EQ(prompts.messages, QStringList{QLatin1String(r.message)});
        EXPECT_FALSE(blank().isHidden()) << "the panel stays open";
    }

    // The folder went away while the list was open.
    prompts.messages.clear();
    ASSERT_TRUE(QDir(folder.path(kStore + "/20250314_111500_blank_short")).removeRecursively());
    select("20250314_111500_blank_short");
    prompts.answers = {PromptAnswer::Yes};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.messages, QStringList{"File not found"});
}

TEST_F(FrmAcquireBlank, ALoadedRunOfAnotherFormatWritesItsOwnStoreAndLeavesTheLabels)
{
    useFormat("w24");
    ASSERT_TRUE(writeBytes(folder.path(kStore + "/blank_w24.dat"), "20250301_101500_blank_w24\r\nacqlapse=60\r\n"));
    emit menu().lbl_blanktime->doubleClicked();
    storeRun("20250314_101500_blank_six", "_blank_six\r\nacq_time=30\r\nplate_format=w6\r\n", "30 \"A1\" 4\r\n");
    blank().lst_blank->addItem(QStringLiteral("20250314_101500_blank_six")); // as after a deletion
    select("20250314_101500_blank_six");
    prompts.answers = {PromptAnswer::Yes};
    window->lst_blank_DblClick();
    EXPECT_EQ(prompts.messages, QStringList{"Blank OK"});
    EXPECT_EQ(storeLine1("w6"), "20250314_101500_blank_six");
    EXPECT_EQ(storeLine1("w24"), "20250301_101500_blank_w24");
    EXPECT_EQ(window->state.blankInUse, "20250301_101500_blank_w24");
    EXPECT_EQ(menu().lbl_blanktime->text(), "2025.03.01 10:15h");
}

TEST_F(FrmAcquireBlank, DeleteFromThePopUpThenEveryFormatIsListed)
{
    useFormat("w24");
    storeRun("20250314_101500_blank_myblank", "_blank_myblank\r\nacq_time=60\r\nplate_format=w24\r\n");
    storeRun("20250315_080000_blank_six", "_blank_six\r\nacq_time=30\r\nplate_format=w6\r\n");
    storeRun("20250316_090000_blank_images", "_blank_images\r\nacq_time=45\r\nplate_format=w24\r\n");
    ASSERT_TRUE(writeBytes(folder.path(kStore + "/20250316_090000_blank_images/frames/a.bmp"), "BM"));
    emit menu().lbl_blanktime->doubleClicked();

    // The right button pops the menu up over the entry selected before.
    select("none");
    window->lst_blank_MouseUp(Qt::RightButton, QPoint(10, 10));
    ASSERT_NE(window->mndelblank_top, nullptr);
    EXPECT_EQ(window->mndelblank_top->title(), "blankmenu");
    EXPECT_TRUE(window->mndelblank_top->isVisible());
    auto* item = window->mndelblank_top->findChild<QAction*>("mndelblank");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Delete blank read");
    item->trigger();
    window->mndelblank_top->hide();
    EXPECT_TRUE(prompts.questions.isEmpty()) << "\"none\" is never deleted";

    select("20250314_101500_blank_myblank");
    prompts.answers = {PromptAnswer::No};
    item->trigger();
    EXPECT_EQ(prompts.questions, QStringList{"Delete 20250314_101500_blank_myblank?"});
    EXPECT_TRUE(QFileInfo::exists(folder.path(kStore + "/20250314_101500_blank_myblank")));

    prompts.answers = {PromptAnswer::Yes};
    item->trigger();
    EXPECT_FALSE(QFileInfo::exists(folder.path(kStore + "/20250314_101500_blank_myblank")));
    EXPECT_EQ(listed(), (QStringList{"none", "Factory_Default", "20250315_080000_blank_six",
                                     "20250316_090000_blank_images"}));
    EXPECT_EQ(blank().lst_blank->currentRow(), 1);

    // A folder with a subfolder: told to delete it by hand; the list stays as it was.
    delete blank().lst_blank->takeItem(2); // the list gives the item up
    select("20250316_090000_blank_images");
    prompts.answers = {PromptAnswer::Yes};
    item->trigger();
    EXPECT_EQ(prompts.messages, QStringList{"I/O File error. please delete manually"});
    EXPECT_EQ(listed(), (QStringList{"none", "Factory_Default", "20250316_090000_blank_images"}));
    EXPECT_TRUE(QFileInfo::exists(folder.path(kStore + "/20250316_090000_blank_images/frames/a.bmp")));
}

TEST_F(FrmAcquireBlank, EnablingInternalReferenceRefillsBothFormatListsAndKeepsTheFormat)
{
    for (const char* code : {"p35", "w96f"})
        ASSERT_TRUE(writeBytes(folder.path(QStringLiteral("config/%1_spc.dat").arg(QLatin1String(code))), "x"));
    useFormat("w24");
    QAction* menuItem = window->mn_internalref;

    prompts.answers = {PromptAnswer::Yes};
    menuItem->trigger();
    EXPECT_EQ(prompts.questions, QStringList{"Do you like to enable internal reference Measurements?"});
    EXPECT_EQ(prompts.messages, QStringList{"OK"});
    EXPECT_FALSE(confirm().chk_internalref->isHidden());
    EXPECT_TRUE(menuItem->isChecked());
    const QStringList codes{"p35", "w24", "w6", "w96f"};
    for (QComboBox* box : {menu().cmb_well, window->frameCalibration->cmb_formatplate}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items, codes);
        EXPECT_EQ(box->currentText(), "w24");
    }

    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Cancel}) {
        confirm().chk_internalref->show();
        menuItem->setChecked(true);
        prompts.answers = {answer};
        window->mn_internalref_Click();
        EXPECT_TRUE(confirm().chk_internalref->isHidden());
        EXPECT_FALSE(menuItem->isChecked());
        EXPECT_EQ(menu().cmb_well->count(), 4) << "the lists stay as they are";
    }
}

TEST_F(FrmAcquireBlank, TheReferenceBoxNamesAndLocksTheRunThenTheFactorsFindIt)
{
    useFormat("w24");
    menu().cmdPlay->click();
    confirm().chk_internalref->setChecked(true);
    emit confirm().internalReferenceClicked();
    EXPECT_EQ(confirm().txt_pjname->text(), "_internal_referenceSN12");
    EXPECT_EQ(confirm().txt_acqname->text(), "w24_reference");
    EXPECT_TRUE(confirm().txt_pjname->isReadOnly());
    EXPECT_TRUE(confirm().txt_acqname->isReadOnly());

    confirm().chk_internalref->setChecked(false);
    emit confirm().internalReferenceClicked();
    EXPECT_EQ(confirm().txt_pjname->text(), "_internal_referenceSN12");
    EXPECT_FALSE(confirm().txt_pjname->isReadOnly());
    EXPECT_FALSE(confirm().txt_acqname->isReadOnly());

    confirm().chk_internalref->setChecked(true);
    emit confirm().internalReferenceClicked();
    const QString stamp = formatDateStamp(clock.now(), QStringLiteral("yyyymmdd_hhmmss"));
    prompts.answers = {PromptAnswer::Yes};
    confirm().cmd_playacq->click();
    ASSERT_EQ(window->state.runState, 1);
    // Filed in the reference project, whose folder start-up spells with "SN".
    EXPECT_EQ(QFileInfo(globals.runFolder).fileName(), stamp + "w24_reference");
    EXPECT_EQ(QFileInfo(globals.runFolder).absolutePath(),
              QFileInfo(folder.folder().internalReferenceFolder(kSerial) + "/x").absolutePath());
    EXPECT_FALSE(HasInternalReferenceRun(folder.folder(), kSerial, "w24"));
    // Once past 10 minutes it is a reference run the factors use.
    for (int ticks = 0; ticks < 20000 && window->Timer2->isActive() &&
                        !HasInternalReferenceRun(folder.folder(), kSerial, "w24");
         ++ticks) {
        clock.advance(10000);
        window->Timer2->stop();
        window->Timer2_Timer();
    }
    menu().cmdPlay->click();
    EXPECT_TRUE(HasInternalReferenceRun(folder.folder(), kSerial, "w24"));
}

} // namespace
