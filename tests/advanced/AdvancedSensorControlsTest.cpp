#include "link/CameraWire.h"
#include "link/ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"
#include "advanced/AdvancedSensorControls.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

// The camera sensor's registers, the reset sequence and the page's "set".
namespace {

using SensorSim = SimulatedLinkTest<FakeClock, RecordingConsole>;

TEST(AdvancedSensor, RegisterFramesOfBothPhases)
{
    EXPECT_EQ(advanced::sensorRegisterFrame(18, 128, false).toByteArray(), bytes({255, 'c', 18, 128, 0xF1}));
    EXPECT_EQ(advanced::sensorRegisterFrame(18, 128, true).toByteArray(), bytes({255, 'c', 18, 128, 0xD1}));
}

TEST_F(SensorSim, RegisterWriteInTwoPhases)
{
    connect();
    sim.updateState([](InstrumentState& s) { s.camera.selected = 2; });
    prompts.answers = {PromptAnswer::Ok};
    EXPECT_EQ(advanced::writeSensorRegister(ctx, "18", "128"), advanced::SensorWrite::Written);
    EXPECT_EQ(prompts.questions, QStringList{"Sure to write ov7670?"});
    const std::vector<SimCommand> received = sim.receivedCommands();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], (SimCommand{'c', 18, 128}));
    EXPECT_FALSE(received[0].capitalCheck);
    EXPECT_TRUE(received[1].capitalCheck);
    EXPECT_EQ(sim.rejectedFrameCount(), 0);
    EXPECT_EQ(sim.state().sensor.registers.at({2, 18}), 128);
    EXPECT_EQ(console.commTexts, (QStringList{"c;18;128", "c;18;128"}));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(SensorSim, RegisterWriteRefusals)
{
    connect();
    // Cancel ends it; a register above 201 is refused after the question.
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Ok, PromptAnswer::Ok};
    EXPECT_EQ(advanced::writeSensorRegister(ctx, "18", "128"), advanced::SensorWrite::Cancelled);
    EXPECT_EQ(advanced::writeSensorRegister(ctx, "202", "1"), advanced::SensorWrite::Refused);
    EXPECT_EQ(advanced::writeSensorRegister(ctx, "201", "256"), advanced::SensorWrite::Failed);
    EXPECT_EQ(prompts.messages, (QStringList{"Invalid register number", "error"}));
    EXPECT_EQ(prompts.questions.size(), 3);
    EXPECT_EQ(sim.totalCommandCount(), 0);

    globals.portOpen = false;
    EXPECT_EQ(advanced::writeSensorRegister(ctx, "18", "128"), advanced::SensorWrite::Refused);
    EXPECT_EQ(prompts.messages.last(), kPortNotOpenText);
    EXPECT_EQ(prompts.questions.size(), 3); // no question before the port test
}

TEST(AdvancedSensor, PhaseTwoOnlyAfterAnEchoOfRegisterAndValue)
{
    struct Case {
        const char* name;
        QByteArray echo;
        advanced::SensorWrite result;
        const char* message;
    };
    const Case cases[] = {
        {"other value", bytes({'c', 18, 127}), advanced::SensorWrite::Mismatch, "Error COM"},
        {"cut short", bytes({'c', 18}), advanced::SensorWrite::Failed, "error"},
        {"nothing", {}, advanced::SensorWrite::Failed, "error"},
    };
    for (const Case& c : cases) {
        ScriptedLink s;
        s.connect();
        s.prompts.answers = {PromptAnswer::Ok};
        s.line.script(c.echo);
        EXPECT_EQ(advanced::writeSensorRegister(s.ctx, "18", "128"), c.result) << c.name;
        EXPECT_EQ(s.line.written, bytes({255, 'c', 18, 128, 0xF1})) << c.name;
        EXPECT_EQ(s.prompts.messages, QStringList{c.message}) << c.name;
    }
}

TEST_F(SensorSim, ResetSendsExactly132BytesTenMillisecondsApart)
{
    connect();
    const qint64 before = clock.elapsedMs();
    advanced::sendResetSequence(ctx);
    EXPECT_EQ(clock.elapsedMs() - before, 1 + 132 * 10);
    ASSERT_TRUE(sim.waitForCommandCount(132, 5000));
    EXPECT_EQ(sim.state().sensor.resetBytes, 132);
    EXPECT_EQ(sim.commandCount('Z'), 132);
    EXPECT_TRUE(console.commTexts.isEmpty());
}

TEST(AdvancedSensor, ResetIgnoresDummyModeAndAClosedPort)
{
    ScriptedLink s;
    s.connect();
    s.globals.dummyMode = 1;
    advanced::sendResetSequence(s.ctx);
    EXPECT_EQ(s.line.written, QByteArray(132, 'Z'));
    EXPECT_EQ(s.line.reads, 0);

    ScriptedLink closed;
    advanced::sendResetSequence(closed.ctx); // the writes fail quietly
    EXPECT_TRUE(closed.prompts.messages.isEmpty());
    EXPECT_EQ(closed.clock.elapsedMs(), 1 + 132 * 10);
}

TEST_F(SensorSim, SetSendsTheWholeCameraSetUpInItsOrder)
{
    connect();
    CameraBoxes boxes = CameraBoxes::advancedPage();
    boxes.txt_cam = "2";
    boxes.txt_gain = "300";
    boxes.txt_exposure = "40";
    boxes.txt_speed = "8";
    advanced::setCameraFromBoxes(ctx, boxes);
    EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>{{'C', 2, 0},
                                                               {'G', 1, 44},
                                                               {'E', 0, 40},
                                                               {'S', 0, 8},
                                                               {'y', 0, 0},
                                                               {'Y', 0, 142},
                                                               {'x', 0, 1},
                                                               {'X', 0, 183}}));
    const SimCameraSettings camera = sim.state().camera.cameras[2];
    EXPECT_EQ(camera.gain, 300);
    EXPECT_EQ(camera.exposure, 40);
    EXPECT_EQ(camera.speed, 8);
    EXPECT_EQ(boxes.txt_lines, "143");
    EXPECT_EQ(boxes.txt_pix, "183");

    sim.resetCounts();
    globals.dummyMode = 1;
    advanced::setCameraFromBoxes(ctx, boxes);
    EXPECT_EQ(sim.totalCommandCount(), 0);
}

} // namespace
