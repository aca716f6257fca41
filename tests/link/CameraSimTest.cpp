#include "Bytes.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/CameraSettings.h"

#include <gtest/gtest.h>

// The camera senders against the simulated instrument on a pseudo-terminal.
// Pauses run on the fake clock; only the instrument's answers take real time.
namespace {

class CameraSimTest : public SimulatedLinkTest<FakeClock, RecordingConsole> {
protected:
    SimCameraState cameras() const { return sim.state().camera; }

    CameraBoxes boxes = CameraBoxes::mainWindow();
};

TEST_F(CameraSimTest, TheInstrumentKeepsTheSettingsOfTheSelectedCamera)
{
    connect();
    boxes.txt_cam = "4";
    boxes.txt_gain = "300";
    boxes.txt_exposure = "46";
    boxes.txt_speed = "3";
    boxes.txt_xini = "0";
    boxes.txt_xfin = "142";
    boxes.txt_yini = "1";
    boxes.txt_yfin = "183";
    EXPECT_EQ(ApplyCameraSettings(boxes, ctx), CameraSetup::Applied);

    const SimCameraState state = cameras();
    EXPECT_EQ(state.selected, 4);
    const SimCameraSettings& s = state.cameras[4];
    EXPECT_EQ(s.gain, 300);
    EXPECT_EQ(s.exposure, 46);
    EXPECT_EQ(s.speed, 3);
    EXPECT_EQ((std::array{s.firstLine, s.lastLine, s.firstPixel, s.lastPixel}), (std::array{0, 142, 1, 183}));
    EXPECT_EQ(state.cameras[0].gain, SimCameraSettings{}.gain); // the other cameras keep theirs

    // Every command was accepted at its first send.
    for (const char letter : {'C', 'G', 'E', 'S', 'y', 'Y', 'x', 'X'})
        EXPECT_EQ(sim.commandCount(letter), 1) << letter;
    EXPECT_TRUE(console.commTexts.contains("4 <- Camera"));
    EXPECT_TRUE(console.commTexts.contains("G;1;44"));
    EXPECT_EQ(console.commText(), "X;0;183");
    EXPECT_EQ(boxes.txt_lines, "143");
    EXPECT_EQ(boxes.txt_pix, "183");
}

TEST_F(CameraSimTest, NoCameraIsSelectedByAnyOtherText)
{
    connect();
    boxes.txt_cam = "7";
    // The instrument answers 6, which does not begin with "7": three sends.
    EXPECT_EQ(sendCameraBox(boxes, ctx), CameraSend::NoEcho);
    EXPECT_EQ(sim.commandCount('C'), 3);
    EXPECT_EQ(cameras().selected, 6);
    EXPECT_EQ(console.commText(), "6 <- Camera");

    // Settings sent with no camera selected are echoed and change no camera.
    EXPECT_EQ(SendGain(ctx, 99), CameraSend::Accepted);
    for (const SimCameraSettings& s : cameras().cameras)
        EXPECT_EQ(s.gain, SimCameraSettings{}.gain);
}

TEST_F(CameraSimTest, AnEchoAcceptedAtTheSecondSend)
{
    // The instrument's first answer to "G" is a wrong echo, the repetition the right one.
    const CommandHandler standard = *sim.registry().find('G');
    sim.registry().add('G', [standard, answered = 0](const SimCommand& c, InstrumentState& s) mutable {
        return answered++ == 0 ? bytes({'g', c.a, c.b}) : standard(c, s);
    });
    connect();
    EXPECT_EQ(SendGain(ctx, 300), CameraSend::Accepted);
    EXPECT_EQ(sim.commandCount('G'), 2);
    EXPECT_EQ(cameras().cameras[0].gain, 300);
    EXPECT_EQ(console.commText(), "G;1;44");
}

} // namespace
