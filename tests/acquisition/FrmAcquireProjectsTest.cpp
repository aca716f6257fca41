#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/Frame_menu.h"
#include "calibration/panels/Frame_calibration.h"
#include "projects/panels/Frame_project.h"
#include "projects/panels/frame_group.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

// Projects and groups from the main window, offline, on a temporary program folder.
namespace {

struct ProjectWindow : ::testing::Test {
    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock{QDateTime(QDate(2024, 1, 15), QTime(9, 0, 0))};
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, tmp.folder());
    std::unique_ptr<Frm_acquire> window;

    void start()
    {
        window = std::make_unique<Frm_acquire>(AppContext{globals, tmp.folder(), clock, prompts, opener, comm});
        loadOffline(*window, prompts);
    }
    Frame_project& panel() { return *window->frameProject; }
    QStringList groupEntries()
    {
        QStringList entries;
        for (int i = 0; i < panel().combogrup->count(); ++i)
            entries << panel().combogrup->item(i)->text();
        return entries;
    }
    QStringList projectEntries()
    {
        QStringList entries;
        for (int i = 0; i < panel().cmb_project->count(); ++i)
            entries << panel().cmb_project->itemText(i);
        return entries;
    }
};

} // namespace

TEST_F(ProjectWindow, StartUpAppliesTheLastProjectWithItsFormatAndGroups)
{
    ASSERT_TRUE(writeBytes(tmp.path("reports/p20240110_mice/pjsetup.dat"), "acq_time=90\r\nplate_format=w24\r\ntemperature=37\r\n"));
    ASSERT_TRUE(writeBytes(tmp.path("reports/p20240110_mice/chgroup.dat"), "#Well, Group, name\r\n0,1,\"Alpha\"\r\n"));
    ASSERT_TRUE(writeBytes(tmp.path("reports/pj_sn0.dat"), "p20240110_mice\r\n"));
    start();

    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(projectEntries(), (QStringList{"default_project", "p20240110_mice"}));
    EXPECT_EQ(panel().cmb_project->currentText(), "p20240110_mice");
    EXPECT_EQ(panel().cmb_project->toolTip(), "p20240110_mice");
    EXPECT_EQ(window->state.projectName, "p20240110_mice");
    EXPECT_EQ(window->state.plateFormat, "w24");
    EXPECT_EQ(window->frameMenu->cmb_well->currentText(), "w24");
    EXPECT_EQ(window->frameCalibration->cmb_formatplate->currentText(), "w24");
    EXPECT_EQ(window->frameMenu->label_blank->text(), "Using blank [w24]:");
    EXPECT_EQ(window->configBoxes.txtlapse, "90");
    EXPECT_EQ(window->frameMenu->txtlapse->text(), "90");
    EXPECT_EQ(window->frameMenu->txttemp->currentText(), "37");
    EXPECT_EQ(groupEntries(), (QStringList{"000_Free", "001_Alpha", "002_Free"}));
    // w24: 12 block shapes offered.
    int shown = 0;
    for (QAction* item : panel().mnopciongrup)
        shown += item->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 12);
    EXPECT_EQ(panel().mnopciongrup[0]->text(), "01x01 [RowsxColumn]");

    // Closing remembers the project in use.
    window->close();
    EXPECT_EQ(fileBytes(tmp.path("reports/pj_sn0.dat")), "p20240110_mice\r\n");
}

TEST_F(ProjectWindow, NewProjectAutoArrangeRenameAndClearFromThePanel)
{
    ASSERT_TRUE(writeBytes(tmp.path("reports/pj_sn0.dat"), "../config\r\n")); // never followed outside reports
    start();
    EXPECT_EQ(prompts.messages, QStringList{"Last project folder Not found!. setting default..."});
    EXPECT_EQ(window->state.projectName, "default_project");
    EXPECT_EQ(window->state.plateFormat, "w6");

    // Auto-arrange 01x03 on w6: two groups, the rows.
    ASSERT_EQ(panel().mnopciongrup[2]->text(), "01x03 [RowsxColumn]");
    panel().mnopciongrup[2]->trigger();
    EXPECT_TRUE(panel().mnopciongrup[2]->isChecked());
    EXPECT_EQ(groupEntries(), (QStringList{"000_Group0", "001_Group1", "002_Free"}));
    EXPECT_EQ(globals.groups.wellGroup[2], 0); // A2
    EXPECT_EQ(globals.groups.wellGroup[3], 1); // B2

    // Rename group 1 with Enter on the list.
    panel().combogrup->setCurrentRow(1);
    prompts.inputs = {"Treated"};
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(panel().combogrup, &enter);
    EXPECT_EQ(groupEntries().at(1), "001_Treated");

    // "New" saves the groups in use into the new project and selects it.
    prompts.inputs = {"Night Run"};
    panel().cmd_loadpj->click();
    EXPECT_EQ(panel().cmb_project->currentText(), "p20240115_night_run");
    EXPECT_EQ(window->state.projectName, "p20240115_night_run");
    EXPECT_TRUE(fileBytes(tmp.path("reports/p20240115_night_run/chgroup.dat")).contains("\r\n1,1,\"Treated\"\r\n"));
    EXPECT_EQ(groupEntries(), (QStringList{"000_Group0", "001_Treated", "002_Free"}));

    // "Rename" keeps the date prefix.
    prompts.inputs = {"Day Run"};
    panel().cmd_renpj->click();
    EXPECT_EQ(panel().cmb_project->currentText(), "p20240115_day_run");
    EXPECT_EQ(window->state.projectName, "p20240115_day_run");

    // "CLEAR LIST" on Yes.
    prompts.answers = {PromptAnswer::Yes};
    panel().Cmd_clear->click();
    EXPECT_EQ(groupEntries(), QStringList{"000_Free"});

    window->resize(1000, 700);
    window->show();
    panel().combogrup->setCurrentRow(0);
    window->frameGroup->grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_projects_panel.png")));
    window->grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_projects.png")));
}
