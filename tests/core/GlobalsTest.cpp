#include "core/Globals.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

TEST(Globals, SerialNumberSetsGenerationGainAndExposureUnit)
{
    const struct { int sn; int generation; int gain; int unit; } cases[] = {
        {0, 1, 10, 20}, {49, 1, 10, 20}, {50, 2, 15, 20}, {56, 2, 15, 20}, {57, 2, 20, 28}, {255, 2, 20, 28},
    };
    for (const auto& c : cases) {
        Globals g;
        g.applySerialNumber(c.sn);
        EXPECT_EQ(g.hardwareGeneration, c.generation) << c.sn;
        EXPECT_EQ(g.defaultGain, c.gain) << c.sn;
        EXPECT_EQ(g.exposureUnit, c.unit) << c.sn;
    }
}

TEST(Globals, GroupTableStartsFree)
{
    Globals g;
    EXPECT_EQ(g.groups.groupName[384], QStringLiteral("Free"));
    EXPECT_EQ(g.groups.wellGroup[0], -1);
    EXPECT_FALSE(g.groups.groupUsed[7]);
}

TEST(Seams, FakeClockAdvancesOnSleep)
{
    FakeClock clock;
    const QDateTime start = clock.now();
    int ticks = 0;
    clock.onTick = [&] { ++ticks; };
    clock.sleepMs(500);
    clock.processEvents();
    EXPECT_EQ(clock.elapsedMs(), 500);
    EXPECT_EQ(start.msecsTo(clock.now()), 500);
    EXPECT_EQ(ticks, 2);
}
