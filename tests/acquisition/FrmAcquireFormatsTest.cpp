#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/Frame_menu.h"
#include "ui/DoubleClickLabel.h"
#include "calibration/panels/Frame_calibration.h"
#include "projects/panels/Frame_project.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {
// Picks an entry of a box as the user does.
void pickEntry(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}
} // namespace

TEST(FrmAcquireFormats, FormatBoxAsksAndShowsTheChoice)
{
    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, tmp.folder());
    Frm_acquire window(AppContext{globals, tmp.folder(), clock, prompts, opener, comm});
    window.state.plateFormat = QStringLiteral("w6");
    fillFormatLists(window.formatControls, window.state.plateFormat);
    window.showFormatControls();
    ASSERT_EQ(window.frameMenu->cmb_well->count(), 2);
    EXPECT_EQ(window.frameMenu->cmb_well->currentText(), QStringLiteral("w6"));

    prompts.answers = {PromptAnswer::Yes};
    pickEntry(window.frameMenu->cmb_well, 1);
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("Change Plate to w24?")});
    EXPECT_EQ(window.state.plateRows, 4);
    EXPECT_EQ(window.frameCalibration->cmb_formatplate->currentText(), QStringLiteral("w24"));
    EXPECT_EQ(window.frameMenu->label_blank->text(), QStringLiteral("Using blank [w24]:"));
    EXPECT_EQ(window.frameMenu->lbl_blanktime->text(), QStringLiteral("none"));
    EXPECT_EQ(window.frameProject->combogrup->count(), 1);
    EXPECT_EQ(window.frameProject->currentGroup(), QStringLiteral("000_Free"));

    prompts.answers = {PromptAnswer::No};
    pickEntry(window.frameMenu->cmb_well, 0);
    EXPECT_EQ(window.state.plateFormat, QStringLiteral("w24"));
    EXPECT_EQ(window.frameMenu->cmb_well->currentText(), QStringLiteral("w24"));
    EXPECT_EQ(window.frameMenu->cmb_well->count(), 2);
    EXPECT_EQ(prompts.questions.size(), 2);
}
