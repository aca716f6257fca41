#include "NoInstrument.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "reporting/panels/Frm_report.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(FrmAcquireReport, ReportOpensThePanelForTheFormatInUse)
{
    TempProgramFolder tmp;
    Globals globals;
    globals.groups.wellGroup[3] = 1;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, tmp.folder());
    Frm_acquire window(AppContext{globals, tmp.folder(), clock, prompts, opener, comm});
    window.state.plateFormat = QStringLiteral("w6");
    fillFormatLists(window.formatControls, window.state.plateFormat);
    window.showFormatControls();
    window.show();
    ASSERT_NE(window.reportPanel, nullptr);
    EXPECT_FALSE(window.reportPanel->isVisible());
    EXPECT_EQ(window.reportPanel->Combo_reportbin->count(), 8);

    window.cmdreport_Click();
    EXPECT_TRUE(window.reportPanel->isVisible());
    EXPECT_EQ(window.reportPanel->txt_welltype->text(), QStringLiteral("w6"));
    EXPECT_EQ(window.reportPanel->reportGroups.wellGroup[3], 1);
    window.reportPanel->Cmd_closereport_Click();
    EXPECT_FALSE(window.reportPanel->isVisible());
}
