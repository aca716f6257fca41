#include "link/CameraWire.h"
#include "link/ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"
#include "advanced/AdvancedCameraCommands.h"
#include "advanced/AdvancedLedControls.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

#include <algorithm>

// The advanced page's gain, LED frequency, single-LED and all-LED buttons.
namespace {

using LedSim = SimulatedLinkTest<FakeClock, RecordingConsole>;

constexpr int kSecondGenerationSerial = 60;
// An empty poll of the scripted port: its 500 ms read time-out and the 1 ms pause.
constexpr int kEmptyPollMs = 501;

TEST(AdvancedGain, GoesAsHighAndLowByteInOneArray)
{
    struct Case {
        const char* box;
        QByteArray wire;
    };
    for (const Case& c : {Case{"300", bytes({255, 71, 1, 44, 106})}, Case{"15", bytes({255, 71, 0, 15, 71 ^ 15})},
                          Case{"65535", bytes({255, 71, 255, 255, 71})}}) {
        ScriptedLink s;
        s.connect();
        s.line.script(bytes({'g', 1, 44}));
        EXPECT_EQ(advanced::sendGainBox(s.ctx, QString::fromLatin1(c.box)), CameraSend::Accepted) << c.box;
        EXPECT_EQ(s.line.written, c.wire) << c.box;
        EXPECT_EQ(s.line.writes.size(), 1u) << c.box;
        EXPECT_EQ(s.console.commText(), "g;1;44") << c.box;
    }

    for (const char* box : {"65536", "-1"}) {
        ScriptedLink s;
        s.connect();
        EXPECT_EQ(advanced::sendGainBox(s.ctx, QString::fromLatin1(box)), CameraSend::BadValue) << box;
        EXPECT_EQ(s.prompts.messages, QStringList{"error"}) << box;
        EXPECT_TRUE(s.line.written.isEmpty()) << box;
    }
}

TEST(AdvancedGain, FirstByteMayTakeTwentyPolls)
{
    // Fifteen empty polls before the echo: within the gain's first countdown.
    ScriptedLink s;
    s.connect();
    s.line.script(bytes({'G', 0, 15}), 15 * kEmptyPollMs);
    EXPECT_EQ(advanced::sendGainBox(s.ctx, "15"), CameraSend::Accepted);
    EXPECT_EQ(s.line.writes.size(), 1u);

    // After a byte only ten polls more: the rest of the echo 12 polls late is not waited for.
    struct Late {
        int polls;
        const char* shown;
    };
    for (const Late& c : {Late{5, "G;0;15"}, Late{12, "G"}}) {
        ScriptedLink late;
        late.connect();
        late.line.script(bytes({'G'}));
        late.line.arrive(bytes({0, 15}), c.polls * kEmptyPollMs);
        EXPECT_EQ(advanced::sendGainBox(late.ctx, "15"), CameraSend::Accepted) << c.polls;
        EXPECT_EQ(late.console.commText(), c.shown) << c.polls;
    }

    ScriptedLink dummy;
    dummy.connect();
    dummy.globals.dummyMode = 1;
    EXPECT_EQ(advanced::sendGainBox(dummy.ctx, "15"), CameraSend::Dummy);
    dummy.globals.dummyMode = 0;
    dummy.globals.portOpen = false;
    EXPECT_EQ(advanced::sendGainBox(dummy.ctx, "15"), CameraSend::PortClosed);
    EXPECT_EQ(dummy.console.status(), kPortNotOpenText);
    EXPECT_TRUE(dummy.line.written.isEmpty());
}

TEST_F(LedSim, SingleLedsGoToTheirBankAndWalkOn)
{
    sim.setSerialNumber(kSecondGenerationSerial);
    globals.hardwareGeneration = 2;
    connect();
    QString led = "191";
    advanced::sendNextLed(ctx, led, "3");
    EXPECT_EQ(led, "192");
    EXPECT_EQ(console.commText(), "L;191;3");
    advanced::sendNextLed(ctx, led, "3");
    EXPECT_EQ(led, "193");
    EXPECT_EQ(console.commText(), "l;0;3");
    EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>{{'L', 191, 3}, {'l', 0, 3}}));
    EXPECT_EQ(sim.state().ledPower[191], 3);
    EXPECT_EQ(sim.state().ledPower[192], 3);
    EXPECT_EQ(sim.rejectedFrameCount(), 0);
}

TEST(AdvancedLeds, SingleLedFramesAndRefusals)
{
    ScriptedLink s;
    s.connect();
    s.globals.hardwareGeneration = 2;
    s.line.script(bytes({'L', 191, 3}));
    s.line.script(bytes({'l', 0, 3}));
    QString led = "191";
    advanced::sendNextLed(s.ctx, led, "3");
    advanced::sendNextLed(s.ctx, led, "3");
    EXPECT_EQ(s.line.written, bytes({255, 76, 191, 3, 240}) + bytes({255, 108, 0, 3, 111}));

    // No answer: three sends, "Empty", and the next LED all the same.
    s.line.written.clear();
    led = "5";
    advanced::sendNextLed(s.ctx, led, "3");
    EXPECT_EQ(s.line.written, frameBytes('L', 5, 3).repeated(3));
    EXPECT_EQ(s.console.commText(), "Empty");
    EXPECT_EQ(led, "6");

    // A power beyond a byte: "error", nothing sent, the number stays.
    s.line.written.clear();
    advanced::sendNextLed(s.ctx, led, "256");
    EXPECT_EQ(s.prompts.messages, QStringList{"error"});
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_EQ(led, "6");
}

TEST(AdvancedLeds, ApplyBanksByGeneration)
{
    EXPECT_EQ(advanced::applyBanks(2).lowCount, 192);
    EXPECT_EQ(advanced::applyBanks(2).highCount, 224);
    EXPECT_EQ(advanced::applyBanks(1).lowCount, 208);
    EXPECT_EQ(advanced::applyBanks(1).highCount, 208);
}

TEST_F(LedSim, ApplyOnGenerationTwoSetsEveryLed)
{
    sim.setSerialNumber(kSecondGenerationSerial);
    globals.hardwareGeneration = 2;
    connect();
    QString power = "20";
    const bool stop = false;
    EXPECT_EQ(advanced::applyLedPower(ctx, power, stop), 416);
    EXPECT_EQ(power, "15");
    const LedPowers powers = sim.state().ledPower;
    EXPECT_TRUE(std::all_of(powers.begin(), powers.end(), [](int p) { return p == 15; }));
    EXPECT_EQ(sim.commandCount('L'), 192);
    EXPECT_EQ(sim.commandCount('l'), 224);
    EXPECT_EQ(sim.rejectedFrameCount(), 0);
    // LED 90 travels as the byte "Z" inside its frame: no reset byte.
    EXPECT_EQ(sim.state().sensor.resetBytes, 0);
    EXPECT_TRUE(console.commTexts.contains("LED0(191)"));
    EXPECT_TRUE(console.commTexts.contains("LED1(223)"));
    EXPECT_EQ(console.commText(), "l;223;15");
    // Window events before every byte.
    EXPECT_GE(clock.pumpCount(), 416 * 5);
}

TEST(AdvancedLeds, ApplyEndsWhenThePortClosesOrThePageStops)
{
    struct Case {
        const char* name;
        bool closePort; // else the page asks to stop
    };
    for (const Case& c : {Case{"port closed", true}, Case{"page closing", false}}) {
        ScriptedLink s;
        s.connect();
        s.line.bytesPerCommand = 5;
        bool stop = false;
        s.clock.onTick = [&] {
            // Before the third LED's second byte.
            if (s.clock.pumpCount() == 2 * 5 + 2) {
                if (c.closePort)
                    s.globals.portOpen = false;
                else
                    stop = true;
            }
        };
        QString power = "4";
        EXPECT_EQ(advanced::applyLedPower(s.ctx, power, stop), 2) << c.name;
        EXPECT_EQ(s.line.written, frameBytes('L', 0, 4) + frameBytes('L', 1, 4) + bytes({255})) << c.name;
        EXPECT_TRUE(s.prompts.messages.isEmpty()) << c.name;
    }
}

TEST(AdvancedLeds, ApplyInDummyModeOrWithThePortClosedSendsNothing)
{
    ScriptedLink s;
    QString power = "3";
    const bool stop = false;
    EXPECT_EQ(advanced::applyLedPower(s.ctx, power, stop), 0);
    EXPECT_EQ(s.console.status(), kPortNotOpenText);
    s.connect();
    s.globals.dummyMode = 1;
    EXPECT_EQ(advanced::applyLedPower(s.ctx, power, stop), 0);
    EXPECT_TRUE(s.line.written.isEmpty());
}

TEST_F(LedSim, LedFrequencyIsSentAndShown)
{
    connect();
    advanced::sendLedFrequency(ctx, "5");
    EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>{{'s', 5, 0}}));
    EXPECT_EQ(sim.state().sensor.ledFrequency, 5);
    EXPECT_EQ(console.commText(), "s;5;0");

    // Also in dummy mode; a closed port is refused in a message, a frequency beyond a byte is "error".
    globals.dummyMode = 1;
    advanced::sendLedFrequency(ctx, "6");
    EXPECT_EQ(sim.state().sensor.ledFrequency, 6);
    advanced::sendLedFrequency(ctx, "256");
    globals.portOpen = false;
    advanced::sendLedFrequency(ctx, "7");
    EXPECT_EQ(prompts.messages, (QStringList{"error", kPortNotOpenText}));
    EXPECT_EQ(sim.commandCount('s'), 2);
}

} // namespace
