#include "ScriptedLink.h"
#include "link/commands/LightPulse.h"

#include <gtest/gtest.h>

namespace {

TEST(LightPulse, OnShowsTheSecondsLeftOnBlueOffShowsPulseOnWhite)
{
    ScriptedLink s;
    s.connect();
    s.line.script(bytes({'T', 0x01, 0x90}));
    const auto on = SendLightPulse(s.ctx, 5, 42);
    ASSERT_TRUE(on);
    EXPECT_EQ(on->caption, "42");
    EXPECT_EQ(on->fill, QColor(0, 0, 255));
    EXPECT_EQ(s.line.writes, std::vector<QByteArray>{bytes({0xFF, 'T', 15, 5, 'T' ^ 15 ^ 5})});
    EXPECT_EQ(s.line.purges, 1);
    EXPECT_EQ(s.console.commText(), "T;1;144"); // shown, not decoded

    s.line.scriptSilence();
    const auto off = SendLightPulse(s.ctx, 0, 42);
    ASSERT_TRUE(off);
    EXPECT_EQ(*off, (LightIndicator{"Pulse", QColor(255, 255, 255)}));
    EXPECT_EQ(s.line.writes.back(), bytes({0xFF, 'T', 15, 0, 'T' ^ 15}));
    EXPECT_EQ(s.console.commText(), "Empty");
}

TEST(LightPulse, NoPortTestButALevelOutsideAByteSendsAndShowsNothing)
{
    ScriptedLink s;
    s.connect();
    s.globals.portOpen = false;
    s.line.script(bytes({'T', 0x01, 0x90}));
    EXPECT_TRUE(SendLightPulse(s.ctx, 255, 3));
    EXPECT_EQ(s.line.writes.size(), 1u);

    s.console.setCommText("before");
    for (const int level : {256, -1}) {
        EXPECT_FALSE(SendLightPulse(s.ctx, level, 3)) << level;
    }
    EXPECT_EQ(s.line.writes.size(), 1u);
    EXPECT_EQ(s.console.commText(), "before");
    EXPECT_TRUE(s.console.status().isEmpty());
}

} // namespace
