#include "ScriptedPortsWindow.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/Frame_menu.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/TempProgramFolder.h"
#include "core/TextFile.h"
#include "link/port/ModCOMM.h"

#include "ui/TerminationSignals.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <csignal>
#include <gtest/gtest.h>

namespace {

using StartupBench = ScriptedPortsWindow;

TEST(StartupLink, FormLoadFindsTheInstrumentWithDummyModeOff)
{
    StartupBench b({2});
    b.globals.dummyMode = 1; // left from nothing: start-up always begins with the real instrument
    ASSERT_TRUE(b.knownUnit(42));
    b.line.script(QByteArray("N\x00\x2A", 3));
    b.window.Form_Load();

    EXPECT_TRUE(b.window.isVisible());
    EXPECT_EQ(b.globals.dummyMode, 0);
    EXPECT_EQ(b.window.txt_status->text(), "OK. Connected to VELDO SN42");
    EXPECT_FALSE(b.window.linkState.offlineMode);
    EXPECT_TRUE(b.globals.portOpen);
    EXPECT_TRUE(b.comm.isOpen(2));
    EXPECT_EQ(b.window.configBoxes.txtcom, "2");
    EXPECT_EQ(b.globals.runFolder, b.tmp.folder().root());
}

TEST(StartupLink, FormLoadGoesOfflineWhenNothingAnswers)
{
    StartupBench b({});
    b.prompts.inputs = {QString()}; // Enter: offline
    b.window.Form_Load();

    EXPECT_EQ(b.prompts.inputPrompts.size(), 1);
    EXPECT_EQ(b.window.txt_status->text(), "Offline Mode");
    EXPECT_TRUE(b.window.linkState.offlineMode);
    EXPECT_FALSE(b.globals.portOpen);
    EXPECT_EQ(b.globals.serialNumber, 0);
}

TEST(StartupLink, ClosingWritesConfigTxtAndClosesThePortInUse)
{
    StartupBench b({4});
    ASSERT_TRUE(b.knownUnit(7));
    b.line.script(QByteArray("N\x00\x07", 3));
    b.window.Form_Load();
    ASSERT_TRUE(b.comm.isOpen(4));

    // The boxes as the user left them; txtcom no longer names the open port.
    b.window.configBoxes.txtcom = "9";
    b.window.configBoxes.txtlapse = "120"; // the default project's set-up gave 30 and 20 degrees
    b.window.frameMenu->cmb_well->setEditText("w24");
    // What an acquisition and the camera set-up left in the camera boxes.
    b.window.cameraBoxes.txtprogram = "A";
    b.window.cameraBoxes.txt_gain = "20";
    b.window.cameraBoxes.txt_exposure = "140";
    b.window.close();

    EXPECT_FALSE(b.comm.isOpen(4));
    EXPECT_FALSE(b.globals.portOpen);
    EXPECT_EQ(b.configTxt(),
              (QStringList{"\"COM=9\"", "\"TX_TRANSMIT=A\"", "\"GAIN=20\"", "\"EXPOSURE=140\"", "\"LED=3\"",
                           "\"ACQLAPSE=120\"", "\"WELLFORMAT=w24\"", "\"SET_TEMP=20\""}));
}

TEST(StartupLink, TheSystemsRequestToEndClosesTheWindowAsClosingItDoes)
{
    StartupBench b({4});
    ASSERT_TRUE(b.knownUnit(7));
    b.line.script(QByteArray("N\x00\x07", 3));
    b.window.Form_Load();
    ASSERT_TRUE(b.comm.isOpen(4));
    new TerminationSignals(&b.window);

    ASSERT_EQ(std::raise(SIGTERM), 0);
    QElapsedTimer timer;
    timer.start();
    while (b.window.isVisible() && timer.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    EXPECT_FALSE(b.window.isVisible());
    EXPECT_FALSE(b.comm.isOpen(4));
    EXPECT_FALSE(b.globals.portOpen);
    EXPECT_EQ(b.configTxt().value(0), "\"COM=4\"");
}

} // namespace
