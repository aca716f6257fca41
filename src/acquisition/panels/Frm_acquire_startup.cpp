// The main window's start-up and closing: the instrument link, and the folders and files start-up makes and reads.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/StartupInstall.h"
#include "acquisition/StartupLink.h"
#include "acquisition/panels/Frame_menu.h"
#include "core/Console.h"
#include "link/protocol/LinkContext.h"
#include "plate/files/CamConf.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/TempFactorFile.h"
#include "projects/LastProject.h"
#include "picture/PictureCanvas.h"

#include <QComboBox>

namespace {

// The flash panel's progress picture; at start-up nobody looks at it.
constexpr int kFlashProgressWidth = 160;
constexpr int kFlashProgressHeight = 24;

} // namespace

void Frm_acquire::Form_Load()
{
    state.runState = 0;
    state.blankRun = false;
    ctx_.globals.runFolder = ctx_.folder.root();
    configBoxes.cmb_well = frameMenu->cmb_well->currentText();
    if (ctx_.comm) {
        LinkContext link{ctx_.globals, *ctx_.comm, ctx_.clock, *console_, ctx_.prompts};
        PortSearchContext search{link, linkState, ctx_.folder, configBoxes, cameraBoxes, [this] { show(); }};
        startLink(search);
        makeStartupFolders(ctx_.folder, ctx_.globals, linkState);
        PictureCanvas flashProgress(kFlashProgressWidth, kFlashProgressHeight);
        if (installNewInstrument(link, ctx_.folder, linkState, flashProgress) != UnitFolderInstall::NotNeeded)
            console_->setStatus(startupLinkStatus(ctx_.globals, linkState));
    } else {
        show();
        makeStartupFolders(ctx_.folder, ctx_.globals, linkState);
    }

    state.cameraEnabled = ReadCamConf(camConfPath(ctx_.folder, ctx_.globals.serialNumber));
    showCameraFlags();
    WriteMissingSharedDefaults(ctx_.folder);
    const TempCalibration factors = ReadTempFactor(ctx_.folder, ctx_.globals, *console_, ctx_.prompts);
    formTempOffset = factors.offset;
    formTempSlope = factors.slope;
    startProjects();
}

void Frm_acquire::Form_Unload()
{
    configBoxes.cmb_well = frameMenu->cmb_well->currentText();
    if (!state.projectName.isEmpty())
        WriteLastProject(ctx_.folder, ctx_.globals.serialNumber, state.projectName);
    if (!ctx_.comm) {
        WriteConfigTxt(ctx_.folder, configBoxes, cameraBoxes);
        return;
    }
    LinkContext link{ctx_.globals, *ctx_.comm, ctx_.clock, *console_, ctx_.prompts};
    closeLink(link, ctx_.folder, configBoxes, cameraBoxes);
}
