#include "link/commands/CameraCommands.h"
#include "link/commands/LightPulse.h"
#include "link/commands/TemperatureSenders.h"
#include "link/frames/FrameRunReaders.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/LinkState.h"
#include "link/protocol/ReplyReader.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <functional>

// While a frame is read, the reader lets window events run; whatever those
// events would send must wait its turn instead of cutting into the frame.
namespace {

class ExchangeGuard : public SimulatedLinkTest<FakeClock, RecordingConsole> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setPacing(115200);
        sim.updateState([](InstrumentState& s) { s.camera.cameras[1] = {15, 23, 7, 0, 9, 0, 19}; });
        boxes.txt_lines = QStringLiteral("10");
        boxes.txt_pix = QStringLiteral("20");
        connect();
    }

    // The letters of every command the instrument received.
    QString receivedLetters() const
    {
        QString letters;
        for (const SimCommand& c : sim.receivedCommands())
            letters += QLatin1Char(c.letter);
        return letters;
    }

    CameraBoxes boxes;
    LinkState state;
};

// What a window event could send in the middle of the frame, and how that
// sender tells it failed.
struct EventSend {
    const char* name;
    std::function<bool(LinkContext&, LinkState&)> sendFails;
    bool saysBusy; // the sender puts the refusal in the status line
};

class CommandDuringFrameRead : public ExchangeGuard, public ::testing::WithParamInterface<EventSend> {};

TEST_P(CommandDuringFrameRead, IsRefusedAndTheFrameStaysWhole)
{
    int events = 0;
    bool failed = false;
    clock.onTick = [&] {
        // The request lets events run before each of its five bytes and after
        // the last: the sixth comes with the reply on its way.
        if (events == 0 && clock.pumpCount() == 6) {
            ++events;
            failed = GetParam().sendFails(ctx, state);
        }
    };
    const FrameText frame = ReadCameraFrameRaw(ctx, boxes, 1);
    clock.onTick = nullptr;

    EXPECT_EQ(events, 1);
    EXPECT_TRUE(failed);
    EXPECT_EQ(frame.outcome, FrameText::Outcome::Frame);
    EXPECT_EQ(frame.bytes.size(), 10 * 20 + 1);
    // Nothing but the frame request reached the instrument.
    EXPECT_EQ(receivedLetters(), QStringLiteral("C"));
    EXPECT_EQ(console.statuses, GetParam().saysBusy ? QStringList{kLinkBusyText} : QStringList{});

    // Afterwards the same sender goes through.
    EXPECT_FALSE(GetParam().sendFails(ctx, state));
    EXPECT_EQ(receivedLetters().size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Senders, CommandDuringFrameRead,
    ::testing::Values(
        EventSend{"gain", [](LinkContext& c, LinkState&) { return SendGain(c, 20) != CameraSend::Accepted; }, true},
        EventSend{"light", [](LinkContext& c, LinkState&) { return !SendLightPulse(c, 5, 0); }, true},
        EventSend{"target", [](LinkContext& c, LinkState& s) { return SendTemperatureTarget(c, s, 30) <= 0; }, true},
        // A sender that asks nobody: the port itself refuses its bytes.
        EventSend{"rawWrite",
                  [](LinkContext& c, LinkState&) {
                      const QByteArray raw = makeCommandFrame('G', 0, 20)->toByteArray();
                      const bool written = c.comm.CommWrite(c.globals.commPort, raw) == raw.size();
                      // Nor may it take the frame's bytes as its reply.
                      readShortReply(c);
                      return !written;
                  },
                  false}),
    [](const auto& send) { return std::string(send.param.name); });

TEST_F(ExchangeGuard, TheHoldersOwnStepsNestAndOnlyItsEventsAreRefused)
{
    {
        ExchangeScope outer(ctx);
        ASSERT_FALSE(outer.refused());
        // The holder's own exchange, outside any event, goes through.
        EXPECT_EQ(SendGain(outer.context(), 20), CameraSend::Accepted);
        bool refusedInEvent = false;
        clock.onTick = [&] {
            ExchangeScope inner(ctx);
            refusedInEvent = inner.refused();
        };
        outer.context().clock.processEvents();
        clock.onTick = nullptr;
        EXPECT_TRUE(refusedInEvent);
        // The holder's own clock counts its waits as events; the bare one does not.
        EXPECT_FALSE(comm.guard().busy());
    }
    EXPECT_FALSE(comm.guard().held());
    EXPECT_EQ(console.statuses, QStringList{kLinkBusyText});
    EXPECT_EQ(receivedLetters(), QStringLiteral("G"));
}

} // namespace
