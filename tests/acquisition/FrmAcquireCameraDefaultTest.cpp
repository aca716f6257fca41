#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

// The main window's "Default" on its camera boxes.
namespace {

TEST(FrmAcquireCameraDefault, StartUpWindowThenDefaultByGeneration)
{
    for (const int serial : {12, 60}) {
        TempProgramFolder tmp;
        Globals globals;
        globals.applySerialNumber(serial);
        FakeClock clock;
        ScriptedPrompts prompts;
        FakeDesktopOpener opener;
        ModCOMM comm = portlessComm(globals, tmp.folder());
        Frm_acquire window(AppContext{globals, tmp.folder(), clock, prompts, opener, comm});
        CameraBoxes& b = window.cameraBoxes;
        EXPECT_EQ((QStringList{b.txt_xini, b.txt_xfin, b.txt_yini, b.txt_yfin, b.txt_speed}),
                  (QStringList{"1", "183", "0", "143", "7"}));
        window.cmd_default_Click();
        EXPECT_EQ((QStringList{b.txt_xini, b.txt_xfin, b.txt_yini, b.txt_yfin, b.txt_lines, b.txt_pix, b.txt_speed}),
                  (QStringList{"0", "142", "1", "183", "35", "46", serial < 50 ? "7" : "8"}))
            << serial;
        EXPECT_EQ(clock.elapsedMs(), 0);
    }
}

} // namespace
