// The main window's start-up and closing, as far as the instrument link goes.
#include "acquisition/Frm_acquire.h"

#include "acquisition/StartupLink.h"
#include "core/Console.h"
#include "link/LinkContext.h"

#include <QComboBox>

void Frm_acquire::Form_Load()
{
    state.runState = 0;
    state.blankRun = false;
    ctx_.globals.runFolder = ctx_.folder.root();
    configBoxes.cmb_well = cmb_well->currentText();
    if (!ctx_.comm) {
        show();
        return;
    }
    LinkContext link{ctx_.globals, *ctx_.comm, ctx_.clock, *console_, ctx_.prompts};
    PortSearchContext search{link, state, ctx_.folder, configBoxes, [this] { show(); }};
    startLink(search);
}

void Frm_acquire::Form_Unload()
{
    configBoxes.cmb_well = cmb_well->currentText();
    if (!ctx_.comm) {
        WriteConfigTxt(ctx_.folder, configBoxes);
        return;
    }
    LinkContext link{ctx_.globals, *ctx_.comm, ctx_.clock, *console_, ctx_.prompts};
    closeLink(link, ctx_.folder, configBoxes);
}
