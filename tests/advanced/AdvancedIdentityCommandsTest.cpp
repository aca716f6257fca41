#include "link/ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"
#include "advanced/AdvancedIdentityCommands.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

#include <vector>

// The advanced page's identity, camera, light and second-sensor buttons
// against the simulated instrument on the fake clock.
namespace {

using IdentitySim = SimulatedLinkTest<FakeClock, RecordingConsole>;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// Replaces what the instrument answers to a letter.
void answer(SimulatedInstrument& sim, char letter, const QByteArray& reply)
{
    sim.registry().add(letter, [reply](const SimCommand&, InstrumentState&) { return reply; });
}

TEST_F(IdentitySim, CameraSelectionShowsItsFrameAndTheCameraThatAnswered)
{
    connect();
    EXPECT_TRUE(advanced::selectCamera(ctx, QStringLiteral("3")));
    ASSERT_FALSE(console.commTexts.isEmpty());
    EXPECT_EQ(console.commTexts.first(), QStringLiteral("sending [255,67,3,0,64]"));
    EXPECT_EQ(console.commText(), QStringLiteral("3 <- Camera"));
    EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>{{'C', 3, 0}}));
    EXPECT_EQ(sim.rejectedFrameCount(), 0); // the check byte was right
    EXPECT_EQ(sim.state().camera.selected, 3);
}

TEST_F(IdentitySim, CameraBoxesThatNameNoCameraSendSix)
{
    connect();
    struct Case {
        const char* box;
        int sends;
    };
    // An answer of 6 matches only the box "6"; the others try three times.
    for (const Case& c : {Case{"7", 3}, Case{"", 3}, Case{"10", 3}, Case{"6", 1}}) {
        sim.resetCounts();
        console.commTexts.clear();
        EXPECT_EQ(advanced::selectCamera(ctx, QString::fromLatin1(c.box)), c.sends == 1) << c.box;
        EXPECT_EQ(sim.commandCount('C'), c.sends) << c.box;
        EXPECT_EQ(console.commTexts.first(), QStringLiteral("sending [255,67,6,0,69]")) << c.box;
        EXPECT_EQ(console.commText(), QStringLiteral("6 <- Camera")) << c.box;
    }
}

TEST_F(IdentitySim, CameraSelectionWithThePortClosedSendsNothing)
{
    connect();
    globals.portOpen = false;
    EXPECT_FALSE(advanced::selectCamera(ctx, QStringLiteral("3")));
    EXPECT_EQ(console.status(), kPortNotOpenText);
    EXPECT_TRUE(console.commTexts.isEmpty());
    globals.portOpen = true;
    globals.dummyMode = 1;
    EXPECT_FALSE(advanced::selectCamera(ctx, QStringLiteral("3")));
    EXPECT_EQ(sim.totalCommandCount(), 0);
}

TEST_F(IdentitySim, BlueLightLevelsAndTheButtonColour)
{
    connect();
    struct Case {
        const char* box;
        int sent;
        const char* boxAfter;
        QColor colour;
    };
    const Case cases[] = {
        {"9", 7, "7", QColor(0, 255, 0)},
        {"0", 0, "0", QColor(255, 255, 255)},
        {"3", 3, "3", QColor(0, 255, 0)},
        {"2.5", 2, "2.5", QColor(0, 255, 0)}, // rounded, halves to even
    };
    for (const Case& c : cases) {
        sim.resetCounts();
        const advanced::BlueLight light = advanced::sendBlueLight(ctx, QString::fromLatin1(c.box));
        EXPECT_TRUE(light.sent) << c.box;
        EXPECT_EQ(light.txt_blue, QString::fromLatin1(c.boxAfter)) << c.box;
        EXPECT_EQ(light.colour, c.colour) << c.box;
        EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>{{'T', 15, static_cast<quint8>(c.sent)}})) << c.box;
        EXPECT_EQ(sim.state().stage.lightLevel, c.sent) << c.box;
        // A unit of the first generation answers with its analog reading.
        EXPECT_TRUE(console.commText().startsWith(QStringLiteral("t;"))) << c.box;
    }
    EXPECT_EQ(sim.rejectedFrameCount(), 0);

    // Outside 0 to 255: nothing sent, nothing said; the box stays.
    sim.resetCounts();
    for (const char* box : {"256", "-1"}) {
        const advanced::BlueLight light = advanced::sendBlueLight(ctx, QString::fromLatin1(box));
        EXPECT_FALSE(light.sent);
        EXPECT_FALSE(light.colour.isValid());
        EXPECT_EQ(light.txt_blue, QString::fromLatin1(box));
    }
    EXPECT_EQ(sim.totalCommandCount(), 0);
    EXPECT_TRUE(prompts.messages.isEmpty());

    // The port test is a message box; dummy mode is not tested.
    globals.portOpen = false;
    EXPECT_FALSE(advanced::sendBlueLight(ctx, QStringLiteral("3")).sent);
    EXPECT_EQ(prompts.messages, QStringList{kPortNotOpenText});
    globals.portOpen = true;
    globals.dummyMode = 1;
    EXPECT_TRUE(advanced::sendBlueLight(ctx, QStringLiteral("1")).sent);
}

TEST_F(IdentitySim, GetSerialNumberAndIdentifier)
{
    answer(sim, 'N', bytes({'N', 1, 2}));
    connect();
    EXPECT_EQ(advanced::queryIdentity(ctx, advanced::kSerialNumberLetter), 258);
    EXPECT_EQ(console.commTexts.first(), QStringLiteral("sending ") + QString::fromLatin1(bytes({255, 'N', 0, 0, 'N'})));
    EXPECT_EQ(console.commText(), QStringLiteral("in:N;1;2"));
    EXPECT_EQ(console.status(), QStringLiteral("Serial Number = SN258"));

    // The identifier shows under the same caption.
    sim.updateState([](InstrumentState& s) { s.instrumentId = 0x0304; });
    EXPECT_EQ(advanced::queryIdentity(ctx, advanced::kInstrumentIdLetter), 772);
    EXPECT_EQ(console.commText(), QStringLiteral("in:I;3;4"));
    EXPECT_EQ(console.status(), QStringLiteral("Serial Number = SN772"));
    EXPECT_EQ(sim.rejectedFrameCount(), 0);

    // Dummy mode: nothing happens.
    sim.resetCounts();
    globals.dummyMode = 1;
    EXPECT_EQ(advanced::queryIdentity(ctx, advanced::kSerialNumberLetter), std::nullopt);
    EXPECT_EQ(sim.totalCommandCount(), 0);
}

TEST(AdvancedIdentity, CutAndMissingIdentityReplies)
{
    // Missing bytes count as nothing.
    EXPECT_EQ(advanced::identityReplyValue(bytes({'N'})), 0);
    EXPECT_EQ(advanced::identityReplyValue(bytes({'N', 1})), 256);
    EXPECT_EQ(advanced::identityReplyValue(bytes({'N', 255, 255})), 65535);

    // No port test: a closed port reads nothing, shown as "Empty" and SN0.
    ScriptedLink s;
    RecordingConsole console;
    LinkContext ctx{s.globals, s.comm, s.clock, console, s.prompts};
    EXPECT_EQ(advanced::queryIdentity(ctx, advanced::kSerialNumberLetter), 0);
    EXPECT_EQ(console.commText(), QStringLiteral("Empty"));
    EXPECT_EQ(console.status(), QStringLiteral("Serial Number = SN0"));
}

TEST(AdvancedIdentity, FramesOnTheWire)
{
    ScriptedLink s;
    s.connect();
    RecordingConsole console;
    LinkContext ctx{s.globals, s.comm, s.clock, console, s.prompts};
    s.line.script(bytes({3}));
    advanced::selectCamera(ctx, QStringLiteral("3"));
    EXPECT_EQ(s.line.written, bytes({255, 67, 3, 0, 64}));
    s.line.written.clear();
    s.line.script(bytes({'T', 0, 0}));
    advanced::sendBlueLight(ctx, QStringLiteral("9"));
    EXPECT_EQ(s.line.written, bytes({255, 84, 15, 7, 92}));
    s.line.written.clear();
    s.line.script(bytes({'T', 1, 152}));
    advanced::measureSensor2(ctx);
    EXPECT_EQ(s.line.written, bytes({255, 84, 240, 0, 164}));
    s.line.written.clear();
    s.line.script(bytes({'C', 0, 42}));
    advanced::putCamera(ctx);
    EXPECT_EQ(s.line.written, bytes({255, 67, 0, 42, 105}));
}

TEST_F(IdentitySim, SecondSensorReading)
{
    connect();
    // The simulated second sensor reads the ambient 22 degrees.
    EXPECT_EQ(advanced::measureSensor2(ctx), 22.0);
    EXPECT_EQ(console.commText(), QStringLiteral("received: T;1;96"));
    EXPECT_EQ(console.status(), QStringLiteral("22"));

    answer(sim, 'T', bytes({'T', 1, 152}));
    EXPECT_EQ(advanced::measureSensor2(ctx), 25.5);
    EXPECT_EQ(console.commText(), QStringLiteral("received: T;1;152"));
    EXPECT_EQ(console.status(), QStringLiteral("25.5"));
}

TEST_F(IdentitySim, SecondSensorReadingsThatAreNotTakenLeaveTheStatus)
{
    struct Case {
        QByteArray reply;
        const char* shown;
    };
    const Case cases[] = {
        {bytes({'T', 16, 0}), "received: T;16;0"},
        {bytes({'T', 200, 1}), "received: T;200;1"},
        {bytes({'T', 1}), "received: T;1"},
        {QByteArray(), "received: -1"},
    };
    connect();
    for (const Case& c : cases) {
        answer(sim, 'T', c.reply);
        console.setStatus(QStringLiteral("before"));
        EXPECT_EQ(advanced::measureSensor2(ctx), std::nullopt) << c.shown;
        EXPECT_EQ(console.commText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(console.status(), QStringLiteral("before"));
    }
    globals.portOpen = false;
    sim.resetCounts();
    EXPECT_EQ(advanced::measureSensor2(ctx), std::nullopt);
    EXPECT_EQ(console.status(), kPortNotOpenText);
    EXPECT_EQ(sim.totalCommandCount(), 0);
}

TEST_F(IdentitySim, PutCameraIsAcceptedOnItsEchoAndRetriedWithTheSameFrame)
{
    connect();
    EXPECT_TRUE(advanced::putCamera(ctx));
    EXPECT_EQ(console.commText(), QStringLiteral("C;0;42"));
    EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>{{'C', 0, 42}}));

    sim.resetCounts();
    answer(sim, 'C', bytes({'X', 0, 42}));
    EXPECT_FALSE(advanced::putCamera(ctx));
    EXPECT_EQ(sim.receivedCommands(), (std::vector<SimCommand>(3, SimCommand{'C', 0, 42})));
    EXPECT_EQ(console.commText(), QStringLiteral("X;0;42"));

    globals.portOpen = false;
    sim.resetCounts();
    EXPECT_FALSE(advanced::putCamera(ctx));
    EXPECT_EQ(console.status(), kPortNotOpenText);
    EXPECT_EQ(sim.totalCommandCount(), 0);
}

} // namespace
