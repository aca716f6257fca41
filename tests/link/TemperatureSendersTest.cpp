#include "ScriptedLink.h"
#include "link/protocol/LinkState.h"
#include "link/commands/TemperatureSenders.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray tFrame(int a, int b) { return frameBytes('T', a, b); }

const QByteArray k25Degrees = bytes({'T', 0x01, 0x90});
const QByteArray kRaw20 = bytes({'t', 0x64, 0x00});

class TemperatureSendersTest : public ::testing::Test {
protected:
    void SetUp() override { s.connect(); }
    void useGeneration(int generation, bool analog)
    {
        s.globals.hardwareGeneration = generation;
        state.analogController = analog;
    }
    std::vector<QByteArray> writes() const { return s.line.writes; }

    ScriptedLink s;
    LinkState state;
};

TEST_F(TemperatureSendersTest, TargetIsClampedIntoAByteAndSentAsOneArray)
{
    for (const auto& [asked, sent] : {std::pair{300, 255}, std::pair{-5, 0}, std::pair{37, 37}}) {
        ScriptedLink link;
        link.connect();
        link.line.script(k25Degrees);
        LinkState st;
        EXPECT_DOUBLE_EQ(SendTemperatureTarget(link.ctx, st, asked), 25.0) << asked;
        EXPECT_EQ(link.line.writes, std::vector<QByteArray>{tFrame(255, sent)}) << asked;
        EXPECT_EQ(link.line.purges, 1);
        EXPECT_EQ(link.clock.sleepCount(), 0); // no pause after the flush
        EXPECT_TRUE(link.console.commText().isEmpty()); // nothing shown
    }
}

TEST_F(TemperatureSendersTest, TargetReplyKeepsTheReadingAndTheControllerKind)
{
    struct Case {
        const char* name;
        int generation;
        bool analogBefore;
        QByteArray reply;
        double result;
        double lastTemperature; // 7.5 = unchanged
        bool analogAfter;
    };
    const Case cases[] = {
        {"T on gen 1 makes it digital", 1, true, k25Degrees, 25.0, 25.0, false},
        {"t on gen 1 makes it analog", 1, false, kRaw20, 20.0, 20.0, true},
        {"T of 0 is invalid", 1, true, bytes({'T', 0, 0}), -1, 7.5, false},
        {"T of 100 is invalid", 2, false, bytes({'T', 0x06, 0x40}), -1, 7.5, false},
        {"invalid t still makes it analog", 1, false, bytes({'t', 0, 0}), -1, 7.5, true},
        {"t on gen 2 is refused", 2, true, kRaw20, 0, 7.5, false},
        {"T on gen 2", 2, false, k25Degrees, 25.0, 25.0, false},
        {"other letter changes nothing", 1, true, bytes({'X', 1, 0x90}), 0, 7.5, true},
        {"other letter, digital stays", 1, false, bytes({'X', 1, 0x90}), 0, 7.5, false},
        {"no reply", 1, true, QByteArray(), -1, 7.5, true},
        {"two bytes", 1, false, bytes({'t', 0x64}), 0, 7.5, false},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        link.globals.hardwareGeneration = c.generation;
        link.line.script(c.reply);
        LinkState st;
        st.lastTemperature = 7.5;
        st.analogController = c.analogBefore;
        EXPECT_DOUBLE_EQ(SendTemperatureTarget(link.ctx, st, 0), c.result) << c.name;
        EXPECT_DOUBLE_EQ(st.lastTemperature, c.lastTemperature) << c.name;
        EXPECT_EQ(st.analogController, c.analogAfter) << c.name;
    }
}

TEST_F(TemperatureSendersTest, HeatAndCoolFrames)
{
    struct Case {
        const char* name;
        int generation;
        bool analog;
        bool heat;
        int power;
        bool showComm;
        std::vector<QByteArray> frames;
        QString status;
    };
    const Case cases[] = {
        {"digital heat", 2, false, true, 100, true, {tFrame(3, 100)}, "heat_dig:100"},
        {"digital heat, menu unticked", 2, false, true, 100, false, {tFrame(3, 100)}, ""},
        {"digital heat clamped", 1, false, true, 300, true, {tFrame(3, 230)}, "heat_dig:230"},
        {"analog heat clamped", 1, true, true, 300, false, {tFrame(0, 0), tFrame(1, 230)}, "heat_an:230"},
        {"analog cool shows the power asked", 1, true, false, 300, false, {tFrame(0, 255), tFrame(1, 245)},
         "cool_an:300"},
        {"digital cool clamped", 1, false, false, 300, true, {tFrame(4, 245)}, "cool_dig:300"},
        {"digital cool, menu unticked", 1, false, false, 12, false, {tFrame(4, 12)}, ""},
        {"gen 2 is digital whatever the flag", 2, true, true, 50, true, {tFrame(3, 50)}, "heat_dig:50"},
        {"gen 2 cools digitally", 2, true, false, 50, true, {tFrame(4, 50)}, "cool_dig:50"},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        link.globals.hardwareGeneration = c.generation;
        link.line.script(k25Degrees);
        link.line.script(k25Degrees);
        LinkState st;
        st.analogController = c.analog;
        const int result = c.heat ? SendPeltierHeat(link.ctx, st, c.power, c.showComm)
                                  : SendPeltierCool(link.ctx, st, c.power, c.showComm);
        EXPECT_EQ(result, 1) << c.name;
        EXPECT_EQ(link.line.writes, c.frames) << c.name;
        EXPECT_EQ(link.console.status(), c.status) << c.name;
        EXPECT_EQ(link.line.purges, 1) << c.name;
        if (c.generation == 2) {
            EXPECT_FALSE(st.analogController) << c.name;
        }
    }
}

TEST_F(TemperatureSendersTest, AnalogHeatWaitsForTheDirectionAndDecodesOnlyTheDriveReply)
{
    useGeneration(1, true);
    s.line.script(bytes({'t', 0x00, 0x00})); // the direction's reply: dropped
    s.line.script(kRaw20);
    // The size of the 100 ms pause and how many frames had gone out before it.
    std::vector<std::pair<qint64, size_t>> ticks;
    qint64 before = 0;
    s.clock.onTick = [&] {
        ticks.push_back({s.clock.elapsedMs() - before, s.line.writes.size()});
        before = s.clock.elapsedMs();
    };
    EXPECT_EQ(SendPeltierHeat(s.ctx, state, 120, false), 1);
    EXPECT_EQ(writes(), (std::vector<QByteArray>{tFrame(0, 0), tFrame(1, 120)}));
    EXPECT_EQ(ticks, (std::vector<std::pair<qint64, size_t>>{{1, 0}, {100, 1}}));
    EXPECT_DOUBLE_EQ(state.lastTemperature, 20.0);
    EXPECT_EQ(s.console.commText(), "t;100;0");
    EXPECT_EQ(s.console.status(), "heat_an:120");
}

TEST_F(TemperatureSendersTest, DriveRepliesSetTheLastTemperature)
{
    struct Case {
        const char* name;
        int generation;
        QByteArray reply;
        int result;
        double lastTemperature; // 7.5 = unchanged
        QString commText;       // "-" = unchanged
    };
    const Case cases[] = {
        {"t on gen 1", 1, kRaw20, 1, 20.0, "t;100;0"},
        {"T on gen 2", 2, k25Degrees, 1, 25.0, "T;1;144"},
        {"T on gen 1 is no reading", 1, k25Degrees, 1, 0.0, "T;1;144"},
        {"t on gen 2 is no reading", 2, kRaw20, 1, 0.0, "t;100;0"},
        {"invalid reading", 2, bytes({'T', 0x06, 0x40}), 1, 0.0, "T;6;64"},
        {"no reply", 2, QByteArray(), -1, 7.5, "Empty"},
        {"cut reply", 2, bytes({'T', 0x01}), -1, 7.5, "-"},
    };
    for (const Case& c : cases) {
        for (const int sender : {0, 1, 2}) {
            ScriptedLink link;
            link.connect();
            link.globals.hardwareGeneration = c.generation;
            link.console.setCommText("-");
            link.line.script(c.reply);
            LinkState st;
            st.analogController = false;
            st.lastTemperature = 7.5;
            const int result = sender == 0   ? SendPeltierHeat(link.ctx, st, 10, false)
                               : sender == 1 ? SendPeltierCool(link.ctx, st, 10, false)
                                             : SendPeltierOff(link.ctx, st);
            EXPECT_EQ(result, c.result) << c.name << " sender " << sender;
            EXPECT_DOUBLE_EQ(st.lastTemperature, c.lastTemperature) << c.name << " sender " << sender;
            EXPECT_EQ(link.console.commText(), c.commText) << c.name << " sender " << sender;
        }
    }
}

TEST_F(TemperatureSendersTest, OffIsTheSameFrameOnBothControllers)
{
    for (const bool analog : {true, false}) {
        ScriptedLink link;
        link.connect();
        link.line.script(kRaw20);
        LinkState st;
        st.analogController = analog;
        EXPECT_EQ(SendPeltierOff(link.ctx, st), 1);
        EXPECT_EQ(link.line.writes, std::vector<QByteArray>{bytes({0xFF, 0x54, 1, 0, 0x55})});
        EXPECT_EQ(link.clock.elapsedMs(), 1); // the pause after the flush
    }
}

TEST_F(TemperatureSendersTest, ClosedPortRefusesEveryGuardedSender)
{
    s.globals.portOpen = false;
    EXPECT_DOUBLE_EQ(SendTemperatureTarget(s.ctx, state, 20), 0);
    EXPECT_EQ(SendPeltierHeat(s.ctx, state, 20, true), -1);
    EXPECT_EQ(SendPeltierCool(s.ctx, state, 20, true), -1);
    EXPECT_EQ(SendPeltierOff(s.ctx, state), -1);
    EXPECT_EQ(s.console.status(), "COMPORT not opened. Click Connect");
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(s.line.purges, 0);
}

TEST_F(TemperatureSendersTest, NegativePowerSendsNothingNotEvenTheDirection)
{
    useGeneration(1, true);
    EXPECT_EQ(SendPeltierHeat(s.ctx, state, -1, true), -1);
    EXPECT_EQ(SendPeltierCool(s.ctx, state, -20, true), -1);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(s.line.purges, 0);
    EXPECT_TRUE(s.console.status().isEmpty());
}

TEST_F(TemperatureSendersTest, FanWritesAtOnceWithoutGuardsAndIgnoresTheReply)
{
    s.globals.portOpen = false; // the fan does not look
    s.line.script(k25Degrees);
    EXPECT_EQ(SendFanLevel(s.ctx, 128), 1);
    EXPECT_EQ(writes(), std::vector<QByteArray>{tFrame(2, 128)});
    EXPECT_EQ(s.line.purges, 0); // no flush before
    EXPECT_EQ(s.clock.elapsedMs(), 0);
    EXPECT_TRUE(s.console.commText().isEmpty());
    EXPECT_TRUE(s.console.status().isEmpty());
    EXPECT_DOUBLE_EQ(state.lastTemperature, 0);

    s.line.scriptSilence();
    EXPECT_EQ(SendFanLevel(s.ctx, 0), 1); // no reply is still an exchange that is over

    s.line.writes.clear();
    EXPECT_EQ(SendFanLevel(s.ctx, 256), -1);
    EXPECT_EQ(SendFanLevel(s.ctx, -1), -1);
    EXPECT_TRUE(writes().empty());
}

} // namespace
