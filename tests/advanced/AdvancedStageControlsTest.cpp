#include "link/ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"
#include "advanced/AdvancedStageControls.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

#include <vector>

// The advanced page's Peltier stage, fan and first sensor.
namespace {

using StageSim = SimulatedLinkTest<FakeClock, RecordingConsole>;

// A unit of the second generation (serial number 50 and up) has the digital controller.
constexpr int kSecondGenerationSerial = 60;

std::vector<SimCommand> stageCommands(std::initializer_list<std::pair<int, int>> subAndValue)
{
    std::vector<SimCommand> out;
    for (const auto& [a, b] : subAndValue)
        out.push_back({'T', static_cast<quint8>(a), static_cast<quint8>(b)});
    return out;
}

// The instrument's command count at every pause of 500 ms.
struct PauseLog {
    void watch(FakeClock& clock, const SimulatedInstrument& sim)
    {
        clock.onTick = [this, &clock, &sim] {
            const qint64 now = clock.elapsedMs();
            if (now - last == 500)
                countsAtPauses.push_back(sim.totalCommandCount());
            last = now;
        };
        last = clock.elapsedMs();
    }
    qint64 last = 0;
    std::vector<int> countsAtPauses;
};

TEST_F(StageSim, CoolHeatOnAnAnalogControllerSwitchesTheDriveOffAndOnAround)
{
    connect();
    AdvancedStage stage;
    AdvancedStageBoxes boxes;
    boxes.txt_peltierpwm = "200";
    advanced::togglePeltier(ctx, stage, boxes);
    ASSERT_TRUE(stage.peltierOn);
    EXPECT_EQ(sim.receivedCommands(), stageCommands({{2, 255}, {1, 200}}));
    EXPECT_FALSE(stage.digitalController); // the first generation answers "t"

    sim.resetCounts();
    PauseLog pauses;
    pauses.watch(clock, sim);
    advanced::toggleCoolHeat(ctx, stage, boxes);
    EXPECT_EQ(sim.receivedCommands(), stageCommands({{2, 255}, {1, 0}, {0, 255}, {255, 76}, {2, 255}, {1, 200}}));
    // Drive off, 500 ms, direction, 500 ms, set-point, 500 ms, drive on.
    EXPECT_EQ(pauses.countsAtPauses, (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(stage.coolMode);
    EXPECT_TRUE(stage.peltierOn);
    EXPECT_EQ(stage.coolHeatColour, QColor(0, 0, 255));
    EXPECT_EQ(stage.peltierColour, QColor(0, 255, 0));
    EXPECT_TRUE(sim.state().stage.cooling);
    EXPECT_EQ(sim.state().stage.drive, 200);
    EXPECT_EQ(sim.rejectedFrameCount(), 0);

    // Back to heat: the analog heat code.
    sim.resetCounts();
    advanced::toggleCoolHeat(ctx, stage, boxes);
    EXPECT_EQ(sim.receivedCommands(), stageCommands({{2, 255}, {1, 0}, {0, 0}, {255, 191}, {2, 255}, {1, 200}}));
    EXPECT_EQ(stage.coolHeatColour, QColor(255, 0, 0));
}

TEST_F(StageSim, CoolHeatOnADigitalControllerSendsOnlyDirectionAndSetPoint)
{
    sim.setSerialNumber(kSecondGenerationSerial);
    globals.hardwareGeneration = 2;
    connect();
    AdvancedStage stage;
    AdvancedStageBoxes boxes;
    advanced::togglePeltier(ctx, stage, boxes);
    EXPECT_TRUE(stage.digitalController);

    sim.resetCounts();
    PauseLog pauses;
    pauses.watch(clock, sim);
    advanced::toggleCoolHeat(ctx, stage, boxes);
    EXPECT_EQ(sim.receivedCommands(), stageCommands({{0, 255}, {255, 10}}));
    EXPECT_EQ(pauses.countsAtPauses, std::vector<int>{1});
    EXPECT_TRUE(stage.peltierOn);
    EXPECT_EQ(stage.coolHeatColour, QColor(0, 0, 255));
    // The reply of the direction is shown; the set-point's is not.
    EXPECT_TRUE(console.commTexts.last().startsWith("T;"));

    sim.resetCounts();
    advanced::toggleCoolHeat(ctx, stage, boxes);
    EXPECT_EQ(sim.receivedCommands(), stageCommands({{0, 0}, {255, 50}}));
}

TEST_F(StageSim, TimerTickSendsTheSetPointShowsTheStageAndRenewsTheDrive)
{
    sim.setSerialNumber(kSecondGenerationSerial);
    globals.hardwareGeneration = 2;
    sim.updateState([](InstrumentState& s) { s.stage.temperature = s.stage.ambient = 25.0; });
    connect();
    AdvancedStage stage;
    AdvancedStageBoxes boxes;
    boxes.txt_peltierpwm = "120";
    stage.coolMode = true;
    const qint64 before = clock.elapsedMs();
    advanced::peltierTimerTick(ctx, stage, boxes);
    EXPECT_EQ(sim.receivedCommands(), stageCommands({{255, 10}, {1, 120}}));
    EXPECT_EQ(console.status(), "25.0");
    EXPECT_EQ(clock.elapsedMs() - before, 500);
    EXPECT_EQ(console.commText(), "T;1;144");
}

// Measure T1 against replies of every kind, on a scripted port.
TEST(AdvancedStage, MeasureT1ShowsOnlyRealReadings)
{
    struct Case {
        const char* name;
        QByteArray reply;
        int generation;
        bool portOpen;
        QString status;
        bool digitalAfter;
    };
    const Case cases[] = {
        {"digital", bytes({'T', 1, 144}), 2, true, "25.0", true},
        // 400 / 64 / 20 = 0.3125 raw, times 1.732 less 16.34.
        {"analog", bytes({'t', 1, 144}), 1, true, "-15.8", false},
        {"nothing", {}, 1, true, "--", false},
        {"one byte", bytes({'T'}), 1, true, "--", true},
        {"two bytes", bytes({'t', 1}), 1, true, "--", false},
        {"analog letter on generation 2", bytes({'t', 1, 144}), 2, true, "--", true},
        {"unknown letter", bytes({'x', 1, 144}), 1, true, "--", false},
        {"port closed", bytes({'T', 1, 144}), 2, false, kPortNotOpenText, true},
    };
    for (const Case& c : cases) {
        ScriptedLink s;
        s.connect();
        s.globals.hardwareGeneration = c.generation;
        s.globals.portOpen = c.portOpen;
        s.line.script(c.reply);
        AdvancedStage stage;
        advanced::measureStageTemperature(s.ctx, stage);
        EXPECT_EQ(s.console.status(), c.status) << c.name;
        EXPECT_EQ(stage.digitalController, c.digitalAfter) << c.name;
        EXPECT_EQ(s.line.written, c.portOpen ? frameBytes('T', 255, 0) : QByteArray()) << c.name;
    }
}

TEST(AdvancedStage, TargetIsClampedIntoAByte)
{
    ScriptedLink s;
    s.connect();
    AdvancedStage stage;
    for (const auto& [asked, sent] : {std::pair{300, 255}, std::pair{-5, 0}}) {
        s.line.written.clear();
        s.line.script(bytes({'T', 1, 144}));
        int target = asked;
        EXPECT_EQ(advanced::SendTemperatureTargetAdvanced(s.ctx, stage, target), 25.0);
        EXPECT_EQ(target, sent);
        EXPECT_EQ(s.line.written, frameBytes('T', 255, sent));
    }
}

TEST(AdvancedStage, LevelsBeyondAByte)
{
    ScriptedLink s;
    s.connect();
    AdvancedStage stage;
    AdvancedStageBoxes boxes;

    // FAN ON rewrites 300 to 255 and sends it.
    boxes.txt_fanpwm = "300";
    s.line.script(bytes({'T', 1, 144}));
    advanced::toggleFan(s.ctx, stage, boxes);
    EXPECT_EQ(boxes.txt_fanpwm, "255");
    EXPECT_EQ(s.line.written, frameBytes('T', 2, 255));
    EXPECT_TRUE(stage.fanOn);
    EXPECT_EQ(stage.fanColour, QColor(0, 255, 0));
    EXPECT_EQ(s.console.commText(), "T;1;144");

    // PELTIER ON with 300: only the fan goes out and the drive stays off.
    s.line.written.clear();
    boxes.txt_peltierpwm = "300";
    advanced::togglePeltier(s.ctx, stage, boxes);
    EXPECT_EQ(s.line.written, frameBytes('T', 2, 255));
    EXPECT_FALSE(stage.peltierOn);
    EXPECT_FALSE(stage.peltierColour.isValid());

    // A negative fan level sends nothing and leaves the fan on.
    s.line.written.clear();
    stage.fanOn = false;
    boxes.txt_fanpwm = "-1";
    advanced::toggleFan(s.ctx, stage, boxes);
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_FALSE(stage.fanOn);
}

TEST(AdvancedStage, ButtonsRefuseAClosedPortInAMessage)
{
    ScriptedLink s;
    AdvancedStage stage;
    AdvancedStageBoxes boxes;
    advanced::togglePeltier(s.ctx, stage, boxes);
    advanced::toggleFan(s.ctx, stage, boxes);
    advanced::toggleCoolHeat(s.ctx, stage, boxes);
    EXPECT_EQ(s.prompts.messages, QStringList(3, kPortNotOpenText));
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_FALSE(stage.peltierOn || stage.fanOn || stage.coolMode);
    EXPECT_FALSE(stage.coolHeatColour.isValid());
}

TEST(AdvancedStage, PeltierSendsTheFanFirstAlsoWhenSwitchingOff)
{
    ScriptedLink s;
    s.connect();
    AdvancedStage stage;
    AdvancedStageBoxes boxes;
    boxes.txt_peltierpwm = "90";
    s.line.script(bytes({'t', 1, 144}));
    s.line.script(bytes({'t', 1, 144}));
    advanced::togglePeltier(s.ctx, stage, boxes);
    EXPECT_EQ(s.line.written, frameBytes('T', 2, 255) + frameBytes('T', 1, 90));
    EXPECT_TRUE(stage.peltierOn);
    EXPECT_EQ(s.line.writes.size(), 2u); // each frame one write

    s.line.written.clear();
    s.line.script(bytes({'t', 1, 144}));
    s.line.script(bytes({'t', 1, 144}));
    advanced::togglePeltier(s.ctx, stage, boxes);
    EXPECT_EQ(s.line.written, frameBytes('T', 2, 255) + frameBytes('T', 1, 0));
    EXPECT_FALSE(stage.peltierOn);
    EXPECT_EQ(stage.peltierColour, QColor(255, 255, 255));
}

} // namespace
