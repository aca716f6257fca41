#include "Bytes.h"
#include "support/SimulatedLink.h"
#include "link/protocol/LinkState.h"
#include "core/Clock.h"
#include "lib/StageModel.h"
#include "link/commands/LightPulse.h"
#include "link/commands/TemperatureSenders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace std::chrono_literals;

TEST(StageModel, FollowsItsDriveWithTheTimeConstant)
{
    struct Case {
        const char* name;
        double start;
        bool cooling;
        int drive;
        double seconds;
        double expected;
    };
    const double e1 = 1 - std::exp(-1.0);
    const double e2 = 1 - std::exp(-2.0);
    const Case cases[] = {
        {"full heat, one time constant", 22, false, 230, 60, 22 + 45 * e1},
        {"half heat settles", 22, false, 115, 6000, 22 + 22.5},
        {"heat above full is full", 22, false, 255, 6000, 67},
        {"full cool, two time constants", 22, true, 245, 120, 22 - 20 * e2},
        {"off drifts back to ambient", 50, false, 0, 60, 50 - 28 * e1},
        {"no time, no change", 30, false, 230, 0, 30},
    };
    for (const Case& c : cases) {
        StageState stage;
        stage.temperature = c.start;
        stage.cooling = c.cooling;
        stage.drive = c.drive;
        advanceStage(stage, c.seconds);
        EXPECT_NEAR(stage.temperature, c.expected, 1e-9) << c.name;
    }

    // Brought up to date by wall time: the first call only starts the count.
    StageState stage;
    stage.drive = 230;
    const StageState::Time t0{};
    advanceStageTo(stage, t0);
    EXPECT_DOUBLE_EQ(stage.temperature, 22);
    advanceStageTo(stage, t0 + 60s);
    EXPECT_NEAR(stage.temperature, 22 + 45 * e1, 1e-9);
}

TEST(StageModel, ReadsInTheFormOfItsController)
{
    StageState stage;
    stage.temperature = 25;
    EXPECT_EQ(stageReading(stage), bytes({'T', 0x01, 0x90}));
    stage.temperature = -3;
    EXPECT_EQ(stageReading(stage), bytes({'T', 0, 0}));
    stage.controller = StageController::Analog;
    stage.temperature = 18.3; // raw 20 with the sensor's factors
    EXPECT_EQ(stageReading(stage), bytes({'t', 0x64, 0x00}));
}

// The senders against the simulated instrument over a real port.
class StageSimulationTest : public SimulatedLinkTest<SystemClock> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        connect();
    }
    StageState stage() const { return sim.state().stage; }
    // Lets the stage's clock run on by `seconds` without waiting for them.
    void letTimePass(std::chrono::seconds seconds)
    {
        sim.updateState([seconds](InstrumentState& s) {
            if (s.stage.updatedAt)
                *s.stage.updatedAt -= seconds;
        });
    }

    LinkState state;
};

TEST_F(StageSimulationTest, DigitalStageHeatsCoolsAndKeepsFanAndLight)
{
    globals.applySerialNumber(60); // generation 2
    EXPECT_EQ(SendFanLevel(ctx, 128), 1);
    EXPECT_EQ(stage().fanLevel, 128);

    EXPECT_NEAR(SendTemperatureTarget(ctx, state, 0), 22.0, 0.07);
    EXPECT_FALSE(state.analogController);

    EXPECT_EQ(SendPeltierHeat(ctx, state, 230, true), 1);
    EXPECT_EQ(console.status(), "heat_dig:230");
    EXPECT_FALSE(stage().cooling);
    EXPECT_EQ(stage().drive, 230);
    letTimePass(60s);
    const double heated = SendTemperatureTarget(ctx, state, 37);
    EXPECT_NEAR(heated, 22 + 45 * (1 - std::exp(-1.0)), 0.1);
    EXPECT_DOUBLE_EQ(state.lastTemperature, heated);

    EXPECT_EQ(SendPeltierCool(ctx, state, 100, false), 1);
    EXPECT_TRUE(stage().cooling);
    letTimePass(600s);
    EXPECT_LT(SendTemperatureTarget(ctx, state, 10), 22.0);

    EXPECT_EQ(SendPeltierOff(ctx, state), 1);
    EXPECT_EQ(stage().drive, 0);
    EXPECT_GT(state.lastTemperature, 0); // a "T" reply on generation 2 is a reading

    const auto light = SendLightPulse(ctx, 7, 30);
    ASSERT_TRUE(light);
    EXPECT_EQ(light->caption, "30");
    EXPECT_EQ(stage().lightLevel, 7);
    EXPECT_TRUE(console.commText().startsWith("T;"));
    SendLightPulse(ctx, 0, 0);
    EXPECT_EQ(stage().lightLevel, 0);
    EXPECT_EQ(sim.commandCount('T'), 9);
}

TEST_F(StageSimulationTest, AnalogStageOnTheFirstGeneration)
{
    sim.updateState([](InstrumentState& s) { s.stage.controller = StageController::Analog; });
    globals.applySerialNumber(12);
    state.analogController = false;

    // 22 degrees are raw (22 + 16.34) / 1.732.
    EXPECT_NEAR(SendTemperatureTarget(ctx, state, 0), 38.34 / 1.732, 0.001);
    EXPECT_TRUE(state.analogController);

    sim.resetCounts();
    EXPECT_EQ(SendPeltierCool(ctx, state, 80, false), 1);
    EXPECT_EQ(sim.receivedCommands(),
              (std::vector<SimCommand>{{'T', 0, 255}, {'T', 1, 80}}));
    EXPECT_TRUE(stage().cooling);
    EXPECT_EQ(stage().drive, 80);
    EXPECT_NEAR(state.lastTemperature, 38.34 / 1.732, 0.01);
    EXPECT_EQ(console.status(), "cool_an:80");
}

} // namespace
