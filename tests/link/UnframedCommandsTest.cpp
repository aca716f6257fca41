#include "ScriptedLink.h"
#include "link/protocol/ReplyReader.h"
#include "link/commands/UnframedCommands.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Each three bytes written are one command and take the next scripted reply.
class UnframedCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.line.bytesPerCommand = 3;
        s.connect();
    }
    ScriptedLink s;
};

TEST(UnframedCommand, ThreeBytesWithoutStartOrCheck)
{
    EXPECT_EQ(makeUnframedCommand('F', 242, 4)->toByteArray(), bytes({70, 242, 4}));
    EXPECT_FALSE(makeUnframedCommand('F', 256, 4));
    EXPECT_FALSE(makeUnframedCommand('F', 240, -1));
}

TEST_F(UnframedCommandsTest, ShortReplyAskingTheWholeReplyEachPoll)
{
    s.line.arrive(bytes({1, 2}));
    s.line.arrive(bytes({3, 4, 5}), 150);
    ShortReplyOptions options;
    options.awaited = 5;
    options.readSize = 5;
    EXPECT_EQ(readShortReply(s.ctx, options), bytes({1, 2, 3, 4, 5}));
    // The first poll is cut short 100 ms after its two bytes; the second brings the rest.
    EXPECT_EQ(s.line.reads, 2);
}

TEST_F(UnframedCommandsTest, ReadFlashLineAsksTheCamerasBank)
{
    struct Case {
        QString cam;
        QString camAfter;
        int line;
        QByteArray sent;
    };
    const Case cases[] = {
        {"2", "2", 4, bytes({70, 242, 4})},
        {"9", "0", 8, bytes({70, 240, 8})},
        {"-1", "0", 0, bytes({70, 240, 0})},
        {" 5", " 5", 255, bytes({70, 245, 255})},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.line.bytesPerCommand = 3;
        link.connect();
        QByteArray reply;
        for (int i = 0; i < 96; ++i)
            reply += static_cast<char>(i);
        link.line.script(reply);
        QString cam = c.cam;
        ReadFlashLine(link.ctx, cam, c.line);
        EXPECT_EQ(cam, c.camAfter) << c.cam.toStdString();
        EXPECT_EQ(link.line.written, c.sent) << c.cam.toStdString();
        EXPECT_EQ(link.line.purges, 1) << c.cam.toStdString(); // the flush before sending
        EXPECT_EQ(link.console.lenRx(), "Len(Rx) = 96");
    }
}

TEST_F(UnframedCommandsTest, ReadFlashLineShowsDecimalValues)
{
    QByteArray reply = bytes({'w', '6', 0, 255});
    reply.append(92, '\0');
    s.line.script(reply);
    QString cam = QStringLiteral("1");
    ReadFlashLine(s.ctx, cam, 4);
    EXPECT_EQ(s.console.commText(), QStringLiteral("C1L4:119,54,0,255,") + QStringLiteral("0,").repeated(92));
    EXPECT_EQ(s.clock.elapsedMs(), 1 + 10); // the flush pause, then 10 ms before reading

    s.line.scriptSilence();
    ReadFlashLine(s.ctx, cam, 4);
    EXPECT_EQ(s.console.commText(), "C1L4:Empty");
    EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 0");
}

TEST_F(UnframedCommandsTest, ReadFlashLineRefusals)
{
    QString cam = QStringLiteral("2");
    ReadFlashLine(s.ctx, cam, 256);
    ReadFlashLine(s.ctx, cam, -1);
    EXPECT_EQ(s.prompts.messages, QStringList({"error", "error"}));
    s.globals.portOpen = false;
    ReadFlashLine(s.ctx, cam, 4);
    EXPECT_EQ(s.prompts.messages.last(), "COMPORT not opened. Click Connect");
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_TRUE(s.console.commText().isEmpty());
}

TEST_F(UnframedCommandsTest, CameraWellReads)
{
    struct Case {
        const char* name;
        std::function<QByteArray(LinkContext&, int)> read;
        int camera;
        QByteArray sent;
    };
    const Case cases[] = {
        {"rows", ReadCameraWellRows, 2, bytes({'C', 2, 'Y'})},
        {"columns", ReadCameraWellColumns, 5, bytes({'C', 5, 'X'})},
        {"no such camera", ReadCameraWellRows, 9, bytes({'C', 6, 'Y'})},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.line.bytesPerCommand = 3;
        link.connect();
        link.line.script(bytes({2, 1, 0, 7}));
        // The byte left without a partner is not shown, but is returned.
        EXPECT_EQ(c.read(link.ctx, c.camera), bytes({2, 1, 0, 7})) << c.name;
        EXPECT_EQ(link.line.written, c.sent) << c.name;
        EXPECT_EQ(link.console.commText(), "Camera[2]:256; ") << c.name;
        EXPECT_EQ(link.console.lenRx(), "LEN(Rx) = 4") << c.name;
    }

    s.line.scriptSilence();
    EXPECT_TRUE(ReadCameraWellRows(s.ctx, 0).isEmpty());
    EXPECT_EQ(s.console.commText(), "Empty");

    s.globals.portOpen = false;
    s.line.written.clear();
    EXPECT_TRUE(ReadCameraWellColumns(s.ctx, 0).isEmpty());
    EXPECT_TRUE(s.line.written.isEmpty());
}

TEST_F(UnframedCommandsTest, RawSenders)
{
    struct Case {
        const char* name;
        std::function<int(LinkContext&, int)> send;
        int value;
        int status;
        QByteArray sent;
        QString shown;
    };
    const Case cases[] = {
        {"gain 300", SendGainRaw, 300, 0, bytes({71, 1, 44}), ""},
        {"gain below 0", SendGainRaw, -1, -1, {}, ""},
        {"gain above 16 bits", SendGainRaw, 65536, -1, {}, ""},
        {"exposure 23", SendExposureRaw, 23, 0, bytes({69, 0, 23}), ""},
        {"exposure below 0", SendExposureRaw, -5, -1, {}, ""},
        {"LED power 8", SendLedPowerRaw, 8, 0, bytes({76, 255, 8}), "LED"},
        {"LED power 256", SendLedPowerRaw, 256, -1, {}, ""},
        {"LED power below 0", SendLedPowerRaw, -1, -1, {}, ""},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.line.bytesPerCommand = 3;
        link.connect();
        EXPECT_EQ(c.send(link.ctx, c.value), c.status) << c.name;
        EXPECT_EQ(link.line.written, c.sent) << c.name;
        EXPECT_EQ(link.line.reads, 0) << c.name; // nothing is read back
        EXPECT_EQ(link.console.commText(), c.shown) << c.name;

        link.globals.portOpen = false;
        link.line.written.clear();
        EXPECT_EQ(c.send(link.ctx, c.value), -1) << c.name;
        EXPECT_TRUE(link.line.written.isEmpty()) << c.name;
    }
}

TEST_F(UnframedCommandsTest, CameraSelectReadsOneByte)
{
    s.line.script(bytes({3}));
    EXPECT_EQ(SendCameraSelectRaw(s.ctx, 3), 0);
    EXPECT_EQ(s.line.written, bytes({'C', 3, 0}));
    EXPECT_EQ(s.console.commText(), "Camera=3");

    s.line.written.clear();
    s.line.scriptSilence();
    EXPECT_EQ(SendCameraSelectRaw(s.ctx, 7), 0); // written, though unanswered
    EXPECT_EQ(s.line.written, bytes({'C', 6, 0}));
    EXPECT_EQ(s.console.commText(), "Empty");

    s.globals.portOpen = false;
    EXPECT_EQ(SendCameraSelectRaw(s.ctx, 0), -1);
}

} // namespace
