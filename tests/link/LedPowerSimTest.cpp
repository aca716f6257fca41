#include "support/FixtureFiles.h"
#include "support/SimulatedLink.h"
#include "core/Clock.h"
#include "lib/LedLighting.h"
#include "link/commands/LedPowerCommands.h"
#include "plate/files/LedPowerFiles.h"

#include <gtest/gtest.h>

// The LED power senders against the simulated instrument on a pseudo-terminal.
namespace {

class LedPowerSimTest : public SimulatedLinkTest<SystemClock> {
protected:
    // Opens COM1 for an instrument of this serial number (and its generation).
    void connect(int serialNumber)
    {
        sim.setSerialNumber(serialNumber);
        globals.applySerialNumber(serialNumber);
        SimulatedLinkTest::connect();
    }
    LedPowers powers() const { return sim.state().ledPower; }
};

TEST_F(LedPowerSimTest, TheInstrumentKeepsEachLedsPowerInBothGenerations)
{
    connect(12); // generation 1: split 208
    EXPECT_TRUE(SendAllLedsPower(ctx, 2).accepted);
    EXPECT_TRUE(SendLedPowerRetry(ctx, 207, 7).accepted);
    EXPECT_TRUE(SendLedPowerRetry(ctx, 208, 8).accepted);
    SendOneLedPower(ctx, 415, 20);
    EXPECT_EQ(console.commText(), "l;207;15");
    LedPowers p = powers();
    EXPECT_EQ(p[0], 2);
    EXPECT_EQ(p[207], 7);
    EXPECT_EQ(p[208], 8);
    EXPECT_EQ(p[415], 15);
    EXPECT_EQ(sim.commandCount('L'), 2);
    EXPECT_EQ(sim.commandCount('l'), 2);

    ASSERT_EQ(comm.CommClose(1), 0);
    connect(60); // generation 2: split 192
    EXPECT_TRUE(SendLedPowerRetry(ctx, 191, 1).accepted);
    EXPECT_TRUE(SendLedPowerRetry(ctx, 192, 4).accepted);
    EXPECT_TRUE(SendLedPowerRetry(ctx, 415, 5).accepted);
    p = powers();
    EXPECT_EQ(p[191], 1);
    EXPECT_EQ(p[192], 4);
    EXPECT_EQ(p[415], 5);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(LedPowerSimTest, PowersFromAFileReachTheInstrument)
{
    connect(12);
    const QString path = folder.path(QStringLiteral("config_SN12/ledpower.dat"));
    ASSERT_TRUE(copyFixture(QStringLiteral("led/ledpower_bad_rows.dat"), path));
    EXPECT_EQ(SendAllLedPowersFromFile(ctx, path), 3);
    LedPowers expected{};
    expected[3] = 4;
    expected[207] = 7;
    expected[208] = 6;
    EXPECT_EQ(powers(), expected);
    EXPECT_EQ(prompts.messages, QStringList{"error"}); // LED 416, past the last
}

TEST(SimulatedLedLighting, PoweredLedsBrightenWhereTheyShine)
{
    // Generation 1, camera 2's block starts at LED 72 with 8 columns of 8 rows:
    // LED 72 + 8 + 2 is column 1, row 2.
    const std::optional<LedSpot> spot = ledSpot(1, 82);
    ASSERT_TRUE(spot);
    EXPECT_EQ(*spot, (LedSpot{2, 17, 34, 47, 70}));
    EXPECT_EQ(ledSpot(2, 63), std::nullopt); // the 64th LED of a generation 2 block
    EXPECT_EQ(ledSpot(2, 384), std::nullopt);
    EXPECT_EQ(ledSpot(2, 192)->camera, 1);

    InstrumentState state; // serial number 12: generation 1
    const auto at = [](const std::vector<int>& map, int line, int pixel) {
        return map[static_cast<size_t>(line * kSimSensorPixels + pixel)];
    };
    EXPECT_EQ(at(ledLightMap(state, 2), 20, 50), 0);
    state.ledPower[82] = 8;
    const std::vector<int> lit = ledLightMap(state, 2);
    EXPECT_EQ(at(lit, 20, 50), 8 * kSimLightPerPowerStep);
    EXPECT_EQ(at(lit, 16, 50), 0);
    EXPECT_EQ(at(lit, 20, 71), 0);
    EXPECT_EQ(at(ledLightMap(state, 3), 20, 50), 0); // another camera stays dark

    state.ledPower.fill(15);
    for (const int v : ledLightMap(state, 0))
        ASSERT_EQ(v, 15 * kSimLightPerPowerStep);
}

TEST(SimulatedLedLighting, EachLedMayHaveItsOwnLightPerStep)
{
    InstrumentState state; // generation 1
    const auto at = [](const std::vector<int>& map, int line, int pixel) {
        return map[static_cast<size_t>(line * kSimSensorPixels + pixel)];
    };
    state.ledLightPerStep[82] = 30; // camera 2, lines 17-34, pixels 47-70
    state.ledLightPerStep[83] = 100; // the next row down, pixels 71-94
    state.ledPower[82] = 5;
    state.ledPower[83] = 3;
    state.ledPower[84] = 2; // the default light per step
    const std::vector<int> lit = ledLightMap(state, 2);
    EXPECT_EQ(at(lit, 20, 50), 150);
    EXPECT_EQ(at(lit, 20, 80), 255); // capped
    EXPECT_EQ(at(lit, 20, 100), 2 * kSimLightPerPowerStep);
}

} // namespace
