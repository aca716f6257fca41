#include "ScriptedLink.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const CommandFrame kGain300 = *makeWordFrame('G', 300);

class ReplyReaderTest : public ::testing::Test {
protected:
    void SetUp() override { s.connect(); }
    ScriptedLink s;
};

TEST_F(ReplyReaderTest, ShortReplyGivesUpAfterTenEmptyPollsInARow)
{
    struct Arrival {
        QByteArray bytes;
        int atMs;
    };
    struct Case {
        const char* name;
        std::vector<Arrival> arrivals;
        ShortReplyOptions options;
        QByteArray reply;
        int reads;
        qint64 elapsedMs; // each empty poll: the 500 ms time-out and a 1 ms pause
    };
    const Case cases[] = {
        {"whole reply", {{bytes({'G', 0, 15}), 0}}, {}, bytes({'G', 0, 15}), 3, 0},
        {"silence", {}, {}, {}, 10, 10 * 501},
        {"one byte, then silence", {{"G", 0}}, {}, "G", 10, 9 * 501},
        {"a late byte restarts the countdown", {{"G", 0}, {bytes({0}), 1200}}, {}, bytes({'G', 0}), 13,
         1200 + 9 * 501},
        {"countdown of 20", {}, {3, 20, 1}, {}, 20, 20 * 501},
        {"one byte awaited", {{bytes({3, 4}), 0}}, {1, 10, 1}, bytes({3}), 1, 0},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        for (const Arrival& a : c.arrivals)
            link.line.arrive(a.bytes, a.atMs);
        EXPECT_EQ(readShortReply(link.ctx, c.options), c.reply) << c.name;
        EXPECT_EQ(link.line.reads, c.reads) << c.name;
        EXPECT_EQ(link.clock.elapsedMs(), c.elapsedMs) << c.name;
    }
}

TEST_F(ReplyReaderTest, WriteWaysPutTheSameBytesOnTheWire)
{
    struct Case {
        WriteWay way;
        int pauseMs;
        size_t writes;
        qint64 elapsedMs;
    };
    for (const Case& c : {Case{WriteWay::Whole, 1, 1, 0}, Case{WriteWay::ByteByByte, 1, 5, 5},
                          Case{WriteWay::ByteByByte, 15, 5, 75}, Case{WriteWay::Array, 1, 1, 0}}) {
        ScriptedLink link;
        link.connect();
        writeFrame(link.ctx, kGain300, c.way, c.pauseMs);
        EXPECT_EQ(link.line.written, kGain300.toByteArray());
        EXPECT_EQ(link.line.writes.size(), c.writes);
        EXPECT_EQ(link.clock.elapsedMs(), c.elapsedMs);
    }
}

TEST_F(ReplyReaderTest, GuardsAndFlush)
{
    s.globals.dummyMode = 1;
    EXPECT_TRUE(isDummyMode(s.globals));
    s.globals.dummyMode = 0;
    EXPECT_FALSE(isDummyMode(s.globals));

    EXPECT_TRUE(requirePortOpen(s.ctx));
    EXPECT_TRUE(s.console.status().isEmpty());
    s.globals.portOpen = false;
    EXPECT_FALSE(requirePortOpen(s.ctx));
    EXPECT_EQ(s.console.status(), "COMPORT not opened. Click Connect");

    s.line.arrive("late byte of an earlier reply");
    flushBeforeSend(s.ctx);
    EXPECT_EQ(s.line.waitingBytes(), 0);
    EXPECT_EQ(s.line.purges, 1);
    EXPECT_EQ(s.clock.elapsedMs(), 1);
    EXPECT_TRUE(s.line.written.isEmpty());
}

TEST_F(ReplyReaderTest, EchoAcceptedOnTheFirstSend)
{
    s.line.script(bytes({'G', 1, 44}));
    const EchoReply r = sendForEchoReply(s.ctx, kGain300, EchoOptions::accepting("G"));
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.sends, 1);
    EXPECT_EQ(r.display, "G;1;44");
    EXPECT_EQ(s.console.commText(), "G;1;44");
    EXPECT_EQ(s.line.written, kGain300.toByteArray());
}

TEST_F(ReplyReaderTest, EchoAtTheSecondSendGetsNoThirdFrame)
{
    s.line.scriptSilence();
    s.line.script(bytes({'G', 1, 44}));
    const EchoReply r = sendForEchoReply(s.ctx, kGain300, EchoOptions::accepting("G"));
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.sends, 2);
    EXPECT_EQ(s.line.written, kGain300.toByteArray() + kGain300.toByteArray());
    // Ten empty polls, then the 10 ms pause before the second send.
    EXPECT_EQ(s.clock.elapsedMs(), 10 * 501 + 10);
}

TEST_F(ReplyReaderTest, EchoNotAcceptedAfterThreeSends)
{
    struct Case {
        const char* name;
        char letter;
        QString accepted;
        QByteArray reply; // to each send; empty for silence
        QString display;
    };
    const Case cases[] = {
        {"no reply at all", 'G', "G", {}, "Empty"},
        // "Empty" begins with E, but nothing received is no echo.
        {"no reply to E", 'E', "E", {}, "Empty"},
        {"lower-case echo", 'G', "G", bytes({'g', 1, 44}), "g;1;44"},
        {"l for the all-LED form", 'L', "L", bytes({'l', 255, 8}), "l;255;8"},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        for (int i = 0; i < 3; ++i)
            link.line.script(c.reply);
        const CommandFrame frame = *makeCommandFrame(c.letter, c.letter == 'L' ? 255 : 1, c.letter == 'L' ? 8 : 44);
        const EchoReply r = sendForEchoReply(link.ctx, frame, EchoOptions::accepting(c.accepted));
        EXPECT_FALSE(r.accepted) << c.name;
        EXPECT_EQ(r.sends, 3) << c.name;
        EXPECT_EQ(link.line.written.size(), 15) << c.name;
        EXPECT_EQ(link.console.commText(), c.display) << c.name;
    }
    ScriptedLink silent;
    silent.connect();
    sendForEchoReply(silent.ctx, kGain300, EchoOptions::accepting("G"));
    EXPECT_EQ(silent.line.reads, 30);
    EXPECT_EQ(silent.clock.elapsedMs(), 3 * (10 * 501 + 10));
}

TEST_F(ReplyReaderTest, EchoWithItsOwnDisplayAndAcceptance)
{
    // As camera selection does it: one byte awaited, byte by byte with 15 ms
    // pauses, the byte shown in decimal, accepted by its first digit.
    EchoOptions options;
    options.way = WriteWay::ByteByByte;
    options.bytePauseMs = 15;
    options.read.awaited = 1;
    options.display = [](const QByteArray& r) {
        return r.isEmpty() ? QStringLiteral("Empty")
                           : QString::number(static_cast<uchar>(r.at(0))) + QStringLiteral(" <- Camera");
    };
    options.accepts = [](const QString& text) { return text.startsWith(QLatin1Char('1')); };
    options.showEveryTry = true;

    s.line.script(bytes({6}));
    s.line.script(bytes({12}));
    const EchoReply r = sendForEchoReply(s.ctx, *makeCommandFrame('C', 1, 0), options);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.sends, 2);
    EXPECT_EQ(s.console.commText(), "12 <- Camera");
    EXPECT_EQ(s.line.writes.size(), 10u);
    EXPECT_EQ(s.clock.elapsedMs(), 2 * 75 + 10);
}

TEST_F(ReplyReaderTest, NumberReply)
{
    struct Case {
        QByteArray reply;
        qint32 value;
        QString display;
        bool tooShort;
    };
    const Case cases[] = {
        {bytes({'N', 0, 42}), 42, "in:N;0;42", false},
        {{}, -1, "Empty", false},
        {bytes({'N'}), -1, "in:N", true},
        {bytes({'N', 0}), -1, "in:N;0", true},
        // A high byte of 128 or more is a number like any other.
        {bytes({'N', 128, 1}), 32769, "in:N;128;1", false},
        {bytes({'N', 255, 255}), 65535, "in:N;255;255", false},
    };
    const CommandFrame serialQuery = *makeCommandFrame('N', 0, 0);
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        link.line.script(c.reply);
        const NumberReply r = sendForNumberReply(link.ctx, serialQuery);
        EXPECT_EQ(r.value, c.value) << c.display.toStdString();
        EXPECT_EQ(r.display, c.display);
        EXPECT_EQ(link.console.commText(), c.display);
        EXPECT_EQ(r.tooShort(), c.tooShort) << c.display.toStdString();
        EXPECT_EQ(link.line.writes, std::vector<QByteArray>{bytes({0xFF, 'N', 0, 0, 0x4E})});
    }
}

TEST_F(ReplyReaderTest, AFailedWriteEndsInAnEmptyReply)
{
    s.line.failingSteps[ScriptedSerialLine::Step::Write] = kErrorGenFailure;
    const NumberReply r = sendForNumberReply(s.ctx, *makeCommandFrame('N', 0, 0));
    EXPECT_EQ(r.value, -1);
    EXPECT_EQ(s.console.commText(), "Empty");
    EXPECT_EQ(s.globals.commErrorSource, "CommWrite (WriteFile)");
}

} // namespace
