#include "ScriptedLink.h"
#include "plate/files/LedPowerFiles.h"
#include "link/commands/LedPowerCommands.h"
#include "support/FixtureFiles.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kPowerHeader = "\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n\"led\",\"power\"\r\n";

class LedPowerTest : public ::testing::Test {
protected:
    void SetUp() override { s.connect(); }
    QString powerFile(const QByteArray& rows)
    {
        const QString path = s.folder.path(QStringLiteral("config_SN12/ledpower.dat"));
        EXPECT_TRUE(writeBytes(path, kPowerHeader + rows));
        return path;
    }
    ScriptedLink s;
};

TEST_F(LedPowerTest, BankSplitAtItsEdges)
{
    struct Case {
        int generation;
        int led;
        char letter;
        int a;
    };
    const Case cases[] = {
        {1, 0, 'L', 0},   {1, 207, 'L', 207}, {1, 208, 'l', 0},   {1, 415, 'l', 207},
        {2, 191, 'L', 191}, {2, 192, 'l', 0}, {2, 415, 'l', 223}, {0, 0, 'l', 0}, {3, 5, 'l', 5},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        link.globals.hardwareGeneration = c.generation;
        link.line.script(bytes({c.letter, c.a, 3}));
        const EchoReply r = SendLedPowerRetry(link.ctx, c.led, 3);
        EXPECT_EQ(link.line.written, frameBytes(c.letter, c.a, 3)) << c.generation << " " << c.led;
        EXPECT_TRUE(r.accepted);
        EXPECT_EQ(link.line.writes.size(), 1u); // the whole frame in one write
    }
    EXPECT_EQ(makeAllLedsPowerFrame(8)->toByteArray(), bytes({0xFF, 0x4C, 0xFF, 0x08, 0xBB}));
    EXPECT_FALSE(makeLedPowerFrame(1, 464, 0)); // "l" 256
    EXPECT_FALSE(makeLedPowerFrame(1, -1, 0));
}

TEST_F(LedPowerTest, OneLedGoesByteByByteWithItsPowerClamped)
{
    struct Case {
        int power;
        int sent;
    };
    for (const Case& c : {Case{20, 15}, Case{-3, 0}, Case{8, 8}}) {
        ScriptedLink link;
        link.connect();
        QString shownWhileSending;
        link.clock.onTick = [&] {
            if (link.clock.pumpCount() == 1)
                shownWhileSending = link.console.commText();
        };
        link.line.script(bytes({'L', 5, c.sent}));
        SendOneLedPower(link.ctx, 5, c.power);
        EXPECT_EQ(link.line.written, frameBytes('L', 5, c.sent)) << c.power;
        EXPECT_EQ(link.line.writes.size(), 5u);
        EXPECT_EQ(link.clock.pumpCount(), 5);
        EXPECT_EQ(shownWhileSending, "LED(5)");
        EXPECT_EQ(link.console.commText(), QStringLiteral("L;5;%1").arg(c.sent));
    }
}

TEST_F(LedPowerTest, OneLedStopsWhenAnEventClosesThePort)
{
    s.clock.onTick = [&] {
        if (s.clock.pumpCount() == 3)
            s.globals.portOpen = false;
    };
    SendOneLedPower(s.ctx, 300, 4);
    EXPECT_EQ(s.line.written, frameBytes('l', 92, 4).left(2));
    EXPECT_EQ(s.line.reads, 0);
    EXPECT_EQ(s.console.commText(), "LED(300)");
    EXPECT_TRUE(s.console.status().isEmpty());
}

TEST_F(LedPowerTest, OneLedBeyondItsBankEndsSilently)
{
    SendOneLedPower(s.ctx, 464, 4);
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_TRUE(s.console.commText().isEmpty());
    EXPECT_TRUE(s.prompts.messages.isEmpty());
}

TEST_F(LedPowerTest, RetryAcceptsEitherLetterWhileAllLedsWantsL)
{
    s.line.script(bytes({'l', 5, 3}));
    const EchoReply one = SendLedPowerRetry(s.ctx, 5, 3); // sent with "L", answered "l"
    EXPECT_TRUE(one.accepted);
    EXPECT_EQ(one.sends, 1);
    EXPECT_EQ(s.console.commText(), "l;5;3");

    s.line.written.clear();
    for (int i = 0; i < 3; ++i)
        s.line.script(bytes({'l', 255, 3}));
    const EchoReply all = SendAllLedsPower(s.ctx, 3);
    EXPECT_FALSE(all.accepted);
    EXPECT_EQ(all.sends, 3);
    EXPECT_EQ(s.line.written, frameBytes('L', 255, 3).repeated(3));
    EXPECT_EQ(s.console.commText(), "l;255;3");

    s.line.written.clear();
    s.line.scriptSilence();
    s.line.script(bytes({'L', 255, 0}));
    const EchoReply off = SendAllLedsPower(s.ctx, 0);
    EXPECT_TRUE(off.accepted);
    EXPECT_EQ(off.sends, 2);
    EXPECT_TRUE(s.prompts.messages.isEmpty());
}

TEST_F(LedPowerTest, GuardsAndValuesBeyondAByte)
{
    // Dummy mode stops the one-LED retry sender only.
    s.globals.dummyMode = 1;
    EXPECT_EQ(SendLedPowerRetry(s.ctx, 5, 3).sends, 0);
    EXPECT_TRUE(s.line.written.isEmpty());
    s.line.script(bytes({'L', 255, 3}));
    EXPECT_TRUE(SendAllLedsPower(s.ctx, 3).accepted);
    s.globals.dummyMode = 0;

    s.line.written.clear();
    EXPECT_EQ(SendLedPowerRetry(s.ctx, 5, 256).sends, 0);
    EXPECT_EQ(SendAllLedsPower(s.ctx, -1).sends, 0);
    EXPECT_EQ(s.prompts.messages, QStringList({"error", "error"}));
    EXPECT_TRUE(s.line.written.isEmpty());

    s.globals.portOpen = false;
    for (const auto& send : {+[](LinkContext& c) { SendLedPowerRetry(c, 5, 3); },
                             +[](LinkContext& c) { SendAllLedsPower(c, 3); }}) {
        s.console.setStatus({});
        send(s.ctx);
        EXPECT_EQ(s.console.status(), "COMPORT not opened. Click Connect");
    }
    EXPECT_TRUE(s.line.written.isEmpty());
}

TEST_F(LedPowerTest, AllPowersFromAFileWithBadRows)
{
    const QString path = s.folder.path(QStringLiteral("config_SN12/ledpower.dat"));
    ASSERT_TRUE(copyFixture(QStringLiteral("led/ledpower_bad_rows.dat"), path));
    s.line.script(bytes({'L', 3, 4}));
    s.line.script(bytes({'L', 207, 7}));
    s.line.script(bytes({'l', 0, 6}));
    EXPECT_EQ(SendAllLedPowersFromFile(s.ctx, path), 3);
    EXPECT_EQ(s.line.written, frameBytes('L', 3, 4) + frameBytes('L', 207, 7) + frameBytes('l', 0, 6));
    EXPECT_EQ(s.prompts.messages, QStringList{"error"}); // LED 300 at power 300
    EXPECT_EQ(s.console.status(), "setting led=300");
}

TEST_F(LedPowerTest, AllPowersFromAFileSendNothingWhenTheyCannot)
{
    struct Case {
        const char* name;
        bool fileExists;
        int dummy;
        bool portOpen;
        const char* status;
    };
    const Case cases[] = {
        {"no file", false, 0, true, ""},
        {"dummy", true, 1, true, ""},
        {"header only", true, 0, true, ""},
        {"port closed", true, 0, false, "COMPORT not opened. Click Connect"},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        const QString path = link.folder.path(QStringLiteral("ledpower.dat"));
        if (c.fileExists)
            writeBytes(path, kPowerHeader + (QLatin1String(c.name) == "header only" ? "" : "5,3\r\n"));
        link.globals.dummyMode = c.dummy;
        link.globals.portOpen = c.portOpen;
        EXPECT_EQ(SendAllLedPowersFromFile(link.ctx, path), 0) << c.name;
        EXPECT_TRUE(link.line.written.isEmpty()) << c.name;
        EXPECT_EQ(link.console.status(), QLatin1String(c.status)) << c.name;
    }
}

TEST_F(LedPowerTest, CameraPowersOnlyWhileARunIsOn)
{
    const QString path = powerFile("0,1\r\n1,2\r\n208,3\r\n2,4\r\n");
    LedValues ledCamera{};
    ledCamera[208] = 1;
    int acquireRunState = 0; // the run flag the sender reads
    for (const int runState : {0, -1}) {
        acquireRunState = runState;
        EXPECT_EQ(SendCameraLedPowersFromFile(s.ctx, acquireRunState, path, ledCamera, 0), 0);
    }
    acquireRunState = 1;
    s.globals.dummyMode = 1;
    EXPECT_EQ(SendCameraLedPowersFromFile(s.ctx, acquireRunState, path, ledCamera, 0), 0);
    EXPECT_TRUE(s.line.written.isEmpty());

    s.globals.dummyMode = 0;
    s.line.script(bytes({'l', 0, 3}));
    EXPECT_EQ(SendCameraLedPowersFromFile(s.ctx, acquireRunState, path, ledCamera, 1), 1);
    EXPECT_EQ(s.line.written, frameBytes('l', 0, 3));
    EXPECT_TRUE(s.console.status().isEmpty());
}

TEST_F(LedPowerTest, CameraPowersStopWhenTheRunEnds)
{
    QByteArray rows;
    for (int led = 0; led < 20; ++led)
        rows += QByteArray::number(led) + ",5\r\n";
    const QString path = powerFile(rows);
    for (int i = 0; i < 20; ++i)
        s.line.script(bytes({'L', i, 5}));
    int acquireRunState = 0; // the run flag the sender reads
    acquireRunState = 1;
    // The run is stopped while the third LED is being sent (at its flush): that
    // LED still goes, the fourth does not.
    s.clock.onTick = [&] {
        if (s.line.written.size() >= 2 * 5)
            acquireRunState = 0;
    };
    EXPECT_EQ(SendCameraLedPowersFromFile(s.ctx, acquireRunState, path, LedValues{}, 0), 3);
    EXPECT_EQ(s.line.written, frameBytes('L', 0, 5) + frameBytes('L', 1, 5) + frameBytes('L', 2, 5));
}

} // namespace
