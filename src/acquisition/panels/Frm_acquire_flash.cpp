#include "acquisition/panels/Frm_acquire.h"

#include "flash/panels/frame_flash.h"

QWidget* Frm_acquire::buildFlashPanel(QWidget* parent)
{
    flashPanel = new frame_flash({ctx_.globals, ctx_.folder, ctx_.clock, ctx_.prompts, *console_, ctx_.comm, {}},
                                 parent);
    flashPanel->hide();
    return flashPanel;
}
