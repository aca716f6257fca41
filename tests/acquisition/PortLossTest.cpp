#include "acquisition/panels/Frm_acquire.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/IdleCost.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "lib/SimulatedInstrument.h"
#include "link/frames/FrameRunReaders.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "link/protocol/SendSteps.h"
#include "link/commands/TemperatureSenders.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

// The instrument lost while the program runs: unplugged, switched off, or the
// simulator ending. The main window has found it on COM1 at start-up.
namespace {

class PortLoss : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.linkAs(folder.path(QStringLiteral("ports/COM1"))));
        sim.start();
        window.Form_Load();
        ASSERT_TRUE(globals.portOpen);
        ASSERT_EQ(window.txt_status->text(), "OK. Connected to VELDO SN12");
    }

    // What a lost port leaves: closed, said so, and senders refusing as with a closed port.
    void expectLost()
    {
        EXPECT_FALSE(globals.portOpen);
        EXPECT_FALSE(comm.isOpen(1));
        EXPECT_EQ(window.txt_status->text(), kPortLostText);
        EXPECT_EQ(SendPeltierOff(link, window.linkState), -1);
        EXPECT_EQ(window.txt_status->text(), kPortNotOpenText);
    }

    TempProgramFolder folder;
    SimulatedInstrument sim;
    Globals globals;
    ModCOMM comm{globals, PortMapping(folder.folder()), QtSerialDevice::factory()};
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    Frm_acquire window{AppContext{globals, folder.folder(), clock, prompts, opener, comm}};
    LinkContext link{globals, comm, clock, window.console(), prompts};
};

TEST_F(PortLoss, AHangUpWhileIdleClosesThePortWithoutSpinning)
{
    EXPECT_LT(idleFor(300), 0.1); // what idle costs with the instrument there

    sim.hangUp();
    // The loss shows within a moment, and the idle program then costs nothing.
    idleFor(200);
    EXPECT_LT(idleFor(2000), 0.2);
    expectLost();
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PortLoss, AHangUpInTheMiddleOfAFrameEndsTheReadAndClosesThePort)
{
    // Camera 2 set to a window of 35 lines of 46 pixels, as the boxes say.
    sim.updateState([](InstrumentState& s) {
        SimCameraSettings& camera = s.camera.cameras[2];
        camera.firstLine = 0;
        camera.lastLine = 34;
        camera.firstPixel = 1;
        camera.lastPixel = 46;
    });
    window.cameraBoxes.txt_lines = "35";
    window.cameraBoxes.txt_pix = "46";
    sim.setFault(Fault::hangUpMidReply('C'));

    const FrameText frame = ReadCameraFrameRaw(link, window.cameraBoxes, 2);

    // About half of the 1611 bytes came; no second request could go out.
    EXPECT_TRUE(frame.failedSample());
    const QRegularExpressionMatch summary =
        QRegularExpression(QStringLiteral("^LEN\\(Rx\\) = (\\d+)/1611 ")).match(window.lbl_lenrx->text());
    ASSERT_TRUE(summary.hasMatch()) << window.lbl_lenrx->text().toStdString();
    EXPECT_GT(summary.captured(1).toInt(), 700);
    EXPECT_LE(summary.captured(1).toInt(), 805);
    EXPECT_EQ(sim.commandCount('C'), 1);
    EXPECT_LT(idleFor(2000), 0.2);
    expectLost();
    // The run's next sample answers as with a closed port.
    EXPECT_EQ(ReadCameraFrameRaw(link, window.cameraBoxes, 2).outcome, FrameText::Outcome::Empty);
    EXPECT_EQ(prompts.messages, QStringList{kPortNotOpenText});
}

TEST_F(PortLoss, ClosingAfterTheLossWritesConfigTxtAndClosesNothingTwice)
{
    sim.hangUp();
    idleFor(200);
    ASSERT_FALSE(globals.portOpen);
    window.close();
    EXPECT_TRUE(QFileInfo::exists(folder.path("config.txt")));
    EXPECT_FALSE(comm.isOpen(1));
}

} // namespace
