#include "Bytes.h"
#include "support/SimulatedLink.h"
#include "link/protocol/LinkState.h"
#include "core/Clock.h"
#include "lib/StageModel.h"
#include "link/commands/LightPulse.h"
#include "link/commands/TemperatureSenders.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

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
    EXPECT_EQ(stageReading(stage, StageController::Digital), bytes({'T', 0x01, 0x90}));
    stage.temperature = -3;
    EXPECT_EQ(stageReading(stage, StageController::Digital), bytes({'T', 0, 0}));
    stage.temperature = 18.3; // raw 20 with the sensor's factors
    EXPECT_EQ(stageReading(stage, StageController::Analog), bytes({'t', 0x64, 0x00}));
}

TEST(StageModel, TheControllerIsTheGenerationsUnlessSet)
{
    struct Case {
        int serialNumber;
        std::optional<StageController> set;
        StageController expected;
    };
    const Case cases[] = {
        {0, std::nullopt, StageController::Analog},
        {12, std::nullopt, StageController::Analog},
        {49, std::nullopt, StageController::Analog},
        {50, std::nullopt, StageController::Digital},
        {300, std::nullopt, StageController::Digital},
        {12, StageController::Digital, StageController::Digital},
        {60, StageController::Analog, StageController::Analog},
    };
    for (const Case& c : cases) {
        StageState stage;
        stage.controller = c.set;
        EXPECT_EQ(stageController(stage, c.serialNumber), c.expected) << c.serialNumber;
    }
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
    sim.setSerialNumber(60);
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

// The stage on the test's virtual clock: minutes of warming take no real time.
class StageVirtualTimeTest : public SimulatedLinkTest<> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        connect();
        globals.applySerialNumber(kDefaultSimSerialNumber);
    }
    // The first generation reads the analog sensor raw; the factors make degrees.
    double readDegrees(int target)
    {
        return SendTemperatureTarget(ctx, state, target) * globals.tempSlope + globals.tempOffset;
    }

    LinkState state;
};

TEST_F(StageVirtualTimeTest, TheStageReachesTheSetTemperatureAsTheClockAdvances)
{
    QElapsedTimer real;
    real.start();
    state.analogController = false;
    EXPECT_NEAR(readDegrees(37), 22.0, 0.01);
    EXPECT_TRUE(state.analogController); // the default unit answers "t"

    ASSERT_EQ(SendPeltierHeat(ctx, state, 230, false), 1);
    // Full heat settles 45 degrees above the ambient 22 with a 60 s time
    // constant: 37 degrees come after 60 ln(45 / 30) = 24.3 s.
    const qint64 heatedFrom = clock.elapsedMs();
    qint64 reachedAfterMs = -1;
    for (int second = 0; second < 120 && reachedAfterMs < 0; ++second) {
        clock.advance(1000);
        if (readDegrees(37) >= 37.0)
            reachedAfterMs = clock.elapsedMs() - heatedFrom;
    }
    EXPECT_NEAR(reachedAfterMs, 24'300, 1'100);

    clock.advance(20 * 60'000);
    EXPECT_NEAR(readDegrees(37), 67.0, 0.01);

    // Off: back to the ambient in virtual time too.
    ASSERT_EQ(SendPeltierOff(ctx, state), 1);
    clock.advance(20 * 60'000);
    EXPECT_NEAR(readDegrees(37), 22.0, 0.01);
    EXPECT_LT(real.elapsed(), 5'000);
}

} // namespace
