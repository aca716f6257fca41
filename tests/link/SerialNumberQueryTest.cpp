#include "ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "link/search/SerialNumberQuery.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kQueryFrame = bytes({0xFF, 'N', 0, 0, 0x4E});

TEST(QuerySerialNumber, DecodesTheReplyOrSaysWhyNot)
{
    struct Case {
        QByteArray reply;
        qint32 value;
        bool instrument;
        const char* shown;
    };
    const Case cases[] = {
        {bytes({'N', 0, 42}), 42, true, "in:N;0;42"},
        {bytes({'N', 0, 0}), 0, true, "in:N;0;0"},
        {bytes({'N', 0, 255}), 255, true, "in:N;0;255"},
        {bytes({'N', 1, 0}), 256, false, "in:N;1;0"},
        {bytes({'X', 0, 9}), 9, true, "in:X;0;9"},            // the letter is not checked
        {QByteArray(), -1, false, "Empty"},
        {bytes({'N'}), -1, false, "in:N"},                    // too short to decode
        {bytes({'N', 0}), -1, false, "in:N;0"},
        {bytes({'N', 128, 0}), 32768, false, "in:N;128;0"},   // 32 bits: no sign overflow
        {bytes({'q', 255, 243}), 65523, false, "in:q;255;243"},  // garbled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        ScriptedLink s;
        s.comm.CommOpen(2, QStringLiteral("COM2"), kSettings115200);
        s.line.script(c.reply);
        s.line.purges = 0;

        const SerialNumberQuery q = QuerySerialNumber(s.ctx, 2);
        EXPECT_EQ(q.value, c.value);
        EXPECT_EQ(isInstrumentSerialNumber(q), c.instrument);
        EXPECT_EQ(s.console.commText(), c.shown);
        EXPECT_TRUE(s.prompts.messages.isEmpty()); // no box, whatever came
        EXPECT_EQ(s.line.written, kQueryFrame);
        EXPECT_GE(s.line.purges, 1); // the flush before sending
    }
}

TEST(QuerySerialNumber, ShowsTheFrameBeforeTheReplyAndLeavesCommPortAlone)
{
    ScriptedLink s;
    RecordingConsole console;
    LinkContext ctx{s.globals, s.comm, s.clock, console, s.prompts};
    s.globals.commPort = 5;
    s.comm.CommOpen(2, QStringLiteral("COM2"), kSettings115200);
    s.line.script(bytes({'N', 0, 42}));

    EXPECT_EQ(QuerySerialNumber(ctx, 2).value, 42);
    EXPECT_EQ(console.commTexts, (QStringList{"sending " + QString::fromLatin1(kQueryFrame), "in:N;0;42"}));
    EXPECT_EQ(s.globals.commPort, 5);
}

TEST(QuerySerialNumber, NoReplyCostsTenEmptyPolls)
{
    ScriptedLink s;
    s.comm.CommOpen(2, QStringLiteral("COM2"), kSettings115200);
    s.line.scriptSilence();
    EXPECT_EQ(QuerySerialNumber(s.ctx, 2).value, -1);
    EXPECT_EQ(s.line.reads, 10);
    EXPECT_EQ(s.console.commText(), "Empty");
}

TEST(QuerySerialNumber, DummyModeTouchesNoPort)
{
    ScriptedLink s;
    s.connect();
    s.globals.dummyMode = 1;
    s.line.script(bytes({'N', 0, 42}));
    s.console.setCommText("before");

    const SerialNumberQuery q = QuerySerialNumber(s.ctx, 1);
    EXPECT_EQ(q.value, -1);
    EXPECT_FALSE(isInstrumentSerialNumber(q));
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_EQ(s.line.purges + s.line.reads, 0);
    EXPECT_EQ(s.console.commText(), "before");
    EXPECT_TRUE(s.comm.isOpen(1));
}

} // namespace
