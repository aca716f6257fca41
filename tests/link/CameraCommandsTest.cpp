#include "CameraWire.h"
#include "ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/CameraSettings.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// The main window's camera senders over a scripted line, on virtual time.
namespace {

// A scripted line with the main window's camera boxes and a console that keeps
// every text shown.
struct CameraLink {
    explicit CameraLink(bool connected = true)
    {
        if (connected)
            s.connect();
    }
    void script(const std::vector<QByteArray>& replies)
    {
        for (const QByteArray& r : replies)
            s.line.script(r); // an empty reply is silence
    }
    QString sent(const QByteArray& frame) const { return QStringLiteral("sending ") + QString::fromLatin1(frame); }

    ScriptedLink s;
    RecordingConsole console;
    LinkContext ctx{s.globals, s.comm, s.clock, console, s.prompts};
    CameraBoxes boxes = CameraBoxes::mainWindow();
};

QByteArray repeated(const QByteArray& frame, int times)
{
    QByteArray wire;
    for (int i = 0; i < times; ++i)
        wire += frame;
    return wire;
}

TEST(CameraCommands, CameraSelectionSendsByteByByteAndJudgesTheFirstCharacter)
{
    struct Case {
        const char* txtCam;
        std::vector<QByteArray> replies;
        int camera;
        int sends;
        CameraSend result;
        const char* shown;
        qint64 elapsedMs; // 1 after the flush, 15 after each byte, 10 after a try not accepted
    };
    const Case cases[] = {
        {"3", {bytes({3})}, 3, 1, CameraSend::Accepted, "3 <- Camera", 1 + 75},
        {"1", {bytes({12})}, 1, 1, CameraSend::Accepted, "12 <- Camera", 1 + 75},
        {"7", {bytes({6}), bytes({6}), bytes({6})}, 6, 3, CameraSend::NoEcho, "6 <- Camera", 1 + 3 * 85},
        {"", {bytes({6}), bytes({6}), bytes({6})}, 6, 3, CameraSend::NoEcho, "6 <- Camera", 1 + 3 * 85},
        {"2", {{}, bytes({2})}, 2, 2, CameraSend::Accepted, "2 <- Camera", 1 + 85 + 10 * 501 + 75},
        {"4", {{}, {}, {}}, 4, 3, CameraSend::NoEcho, "Empty", 1 + 3 * (85 + 10 * 501)},
    };
    for (const Case& c : cases) {
        CameraLink link;
        link.boxes.txt_cam = QString::fromLatin1(c.txtCam);
        link.script(c.replies);
        EXPECT_EQ(sendCameraBox(link.boxes, link.ctx), c.result) << c.txtCam;

        const QByteArray frame = frameBytes('C', c.camera, 0);
        EXPECT_EQ(link.s.line.written, repeated(frame, c.sends)) << c.txtCam;
        EXPECT_EQ(link.s.line.writes.size(), size_t(5 * c.sends)) << c.txtCam;
        ASSERT_FALSE(link.console.commTexts.isEmpty());
        EXPECT_EQ(link.console.commTexts.front(),
                  QStringLiteral("sending [255,67,%1,0,%2]:").arg(c.camera).arg(67 ^ c.camera) +
                      QString::fromLatin1(frame))
            << c.txtCam;
        EXPECT_EQ(link.console.commText(), c.shown) << c.txtCam;
        EXPECT_EQ(link.s.clock.elapsedMs(), c.elapsedMs) << c.txtCam;
    }

    CameraLink link;
    link.boxes.txt_cam = QStringLiteral("3");
    link.script({bytes({3})});
    // Only the bytes on the wire matter here.
    (void)sendCameraBox(link.boxes, link.ctx);
    EXPECT_EQ(link.s.line.written, bytes({255, 67, 3, 0, 64}));
}

TEST(CameraCommands, GainAndExposureGoHighByteFirstAndWaitForTheirEcho)
{
    struct Case {
        const char* name;
        std::function<CameraSend(LinkContext&)> send;
        std::vector<QByteArray> replies;
        QByteArray frame;
        int sends;
        CameraSend result;
        const char* shown;
    };
    const Case cases[] = {
        {"gain 300", [](LinkContext& c) { return SendGain(c, 300); }, {echoBytes('G', 1, 44)},
         frameBytes('G', 1, 44), 1, CameraSend::Accepted, "G;1;44"},
        {"gain 15", [](LinkContext& c) { return SendGain(c, 15); }, {echoBytes('G', 0, 15)},
         frameBytes('G', 0, 15), 1, CameraSend::Accepted, "G;0;15"},
        {"exposure 32767", [](LinkContext& c) { return SendExposure(c, 32767); }, {echoBytes('E', 127, 255)},
         frameBytes('E', 127, 255), 1, CameraSend::Accepted, "E;127;255"},
        {"a lower-case echo is not the gain's",
         [](LinkContext& c) { return SendGain(c, 15); },
         {echoBytes('g', 0, 15), echoBytes('g', 0, 15), echoBytes('g', 0, 15)}, frameBytes('G', 0, 15), 3,
         CameraSend::NoEcho, "g;0;15"},
        {"echo at the second send", [](LinkContext& c) { return SendExposure(c, 23); },
         {{}, echoBytes('E', 0, 23)}, frameBytes('E', 0, 23), 2, CameraSend::Accepted, "E;0;23"},
    };
    for (const Case& c : cases) {
        CameraLink link;
        link.script(c.replies);
        EXPECT_EQ(c.send(link.ctx), c.result) << c.name;
        EXPECT_EQ(link.s.line.written, repeated(c.frame, c.sends)) << c.name;
        EXPECT_EQ(link.s.line.writes.size(), size_t(c.sends)) << c.name; // the frame in one write
        // Nothing is shown before sending; the last reply after.
        EXPECT_EQ(link.console.commTexts, QStringList{QString::fromLatin1(c.shown)}) << c.name;
    }
}

TEST(CameraCommands, SpeedButtonRoundsHalvesToEvenAndShowsEveryTry)
{
    struct Case {
        const char* text;
        int speed;
    };
    for (const Case& c : {Case{"7.5", 8}, Case{"6.5", 6}, Case{" 3abc", 3}, Case{"254.5", 254}}) {
        CameraLink link;
        link.boxes.txt_speed = QString::fromLatin1(c.text);
        link.script({{}, echoBytes('S', 0, c.speed)});
        EXPECT_EQ(sendCameraSpeedBox(link.boxes, link.ctx), CameraSend::Accepted) << c.text;
        const QByteArray frame = frameBytes('S', 0, c.speed);
        EXPECT_EQ(link.s.line.written, frame + frame) << c.text;
        const QString echo = QStringLiteral("S;0;%1").arg(c.speed);
        EXPECT_EQ(link.console.commTexts, (QStringList{link.sent(frame), "Empty", echo, echo})) << c.text;
    }
}

TEST(CameraCommands, WindowRangesSendFirstThenLastEachFollowedBy100Ms)
{
    CameraLink link;
    link.script({echoBytes('y', 0, 0), echoBytes('Y', 0, 142)});
    EXPECT_EQ(SendWindowYCommands(link.ctx, 0, 142), CameraSend::Accepted);
    EXPECT_EQ(link.s.line.written, frameSequence({{'y', 0}, {'Y', 142}}));
    EXPECT_EQ(link.console.commTexts, (QStringList{link.sent(frameBytes('y', 0, 0)), "y;0;0",
                                                     link.sent(frameBytes('Y', 0, 142)), "Y;0;142"}));
    EXPECT_EQ(link.s.clock.elapsedMs(), 200); // no flush of their own
    EXPECT_EQ(link.s.line.purges, 0);

    // "Y" is not the echo of "y"; the last letter still goes out.
    CameraLink pixels;
    pixels.script({echoBytes('X', 0, 1), echoBytes('X', 0, 1), echoBytes('X', 0, 1), echoBytes('X', 0, 183)});
    EXPECT_EQ(SendWindowXCommands(pixels.ctx, 1, 183), CameraSend::NoEcho);
    EXPECT_EQ(pixels.s.line.written, repeated(frameBytes('x', 0, 1), 3) + frameBytes('X', 0, 183));
}

TEST(CameraCommands, GuardsInDummyModeAndWithThePortClosed)
{
    struct Sender {
        const char* name;
        std::function<CameraSend(CameraLink&)> send;
        bool portTest; // else it sends into the closed port and reads nothing
    };
    const Sender senders[] = {
        {"camera", [](CameraLink& l) { return sendCameraBox(l.boxes, l.ctx); }, true},
        {"gain", [](CameraLink& l) { return SendGain(l.ctx, 15); }, true},
        {"exposure", [](CameraLink& l) { return SendExposure(l.ctx, 23); }, true},
        {"speed", [](CameraLink& l) { return sendCameraSpeedBox(l.boxes, l.ctx); }, false},
        {"lines", [](CameraLink& l) { return SendWindowYCommands(l.ctx, 0, 142); }, false},
        {"pixels", [](CameraLink& l) { return SendWindowXCommands(l.ctx, 1, 183); }, false},
    };
    for (const Sender& sender : senders) {
        CameraLink dummy;
        dummy.s.globals.dummyMode = 1;
        EXPECT_EQ(sender.send(dummy), CameraSend::Dummy) << sender.name;
        EXPECT_TRUE(dummy.s.line.written.isEmpty()) << sender.name;
        EXPECT_TRUE(dummy.console.commTexts.isEmpty()) << sender.name;
        EXPECT_EQ(dummy.s.line.purges, 0) << sender.name;
        EXPECT_EQ(dummy.s.clock.elapsedMs(), 0) << sender.name;

        CameraLink closed(false);
        closed.s.globals.commPort = 1;
        const CameraSend result = sender.send(closed);
        EXPECT_TRUE(closed.s.line.written.isEmpty()) << sender.name;
        if (sender.portTest) {
            EXPECT_EQ(result, CameraSend::PortClosed) << sender.name;
            EXPECT_EQ(closed.console.status(), kPortNotOpenText) << sender.name;
            EXPECT_TRUE(closed.console.commTexts.isEmpty()) << sender.name;
        } else {
            EXPECT_EQ(result, CameraSend::NoEcho) << sender.name;
            EXPECT_TRUE(closed.console.status().isEmpty()) << sender.name;
            EXPECT_EQ(closed.console.commText(), "Empty") << sender.name;
        }
    }

    CameraLink dummy;
    dummy.s.globals.dummyMode = 1;
    EXPECT_EQ(ApplyCameraSettings(dummy.boxes, dummy.ctx), CameraSetup::Dummy);
    EXPECT_TRUE(dummy.s.line.written.isEmpty());
    EXPECT_EQ(dummy.s.clock.elapsedMs(), 0);
}

TEST(CameraCommands, ValuesOutsideTheirLimitsSendNothing)
{
    struct Case {
        const char* name;
        std::function<CameraSend(LinkContext&)> send;
        bool errorBox;
    };
    const Case cases[] = {
        {"gain -1", [](LinkContext& c) { return SendGain(c, -1); }, true},
        {"gain 32768", [](LinkContext& c) { return SendGain(c, 32768); }, true},
        {"exposure -5", [](LinkContext& c) { return SendExposure(c, -5); }, true},
        {"speed 256", [](LinkContext& c) { return SendCameraSpeed(c, 256); }, true},
        {"speed -1", [](LinkContext& c) { return SendCameraSpeed(c, -1); }, true},
        // A window range is checked whole before its first letter goes out.
        {"last line 256", [](LinkContext& c) { return SendWindowYCommands(c, 0, 256); }, false},
        {"lines ending before they start", [](LinkContext& c) { return SendWindowYCommands(c, 10, 5); }, false},
        {"first pixel -1", [](LinkContext& c) { return SendWindowXCommands(c, -1, 5); }, false},
    };
    for (const Case& c : cases) {
        CameraLink link;
        EXPECT_EQ(c.send(link.ctx), CameraSend::BadValue) << c.name;
        EXPECT_TRUE(link.s.line.written.isEmpty()) << c.name;
        EXPECT_EQ(link.s.prompts.messages, c.errorBox ? QStringList{"error"} : QStringList{}) << c.name;
    }
}

TEST(CameraCommands, ApplyCameraSettingsSendsTheWholeSetUpInOrder)
{
    const QByteArray camera2 = frameBytes('C', 2, 0);
    const QByteArray gain300 = frameBytes('G', 1, 44);
    const QByteArray exposure23 = frameBytes('E', 0, 23);
    const QByteArray speed8 = frameBytes('S', 0, 8);
    const QByteArray window = frameSequence({{'y', 1}, {'Y', 183}, {'x', 0}, {'X', 143}});
    const std::vector<QByteArray> echoes = {bytes({2}),           echoBytes('G', 1, 44), echoBytes('E', 0, 23),
                                            echoBytes('S', 0, 8), echoBytes('y', 0, 1),  echoBytes('Y', 0, 183),
                                            echoBytes('x', 0, 0), echoBytes('X', 0, 143)};
    struct Case {
        const char* name;
        std::function<void(CameraBoxes&)> edit;
        CameraSetup result;
        QByteArray wire;
        QStringList messages;
        qint64 elapsedMs;
    };
    const Case cases[] = {
        // camera 76, gain 1, exposure 1, speed 1, window 1 + 4 x 100, each step + 100
        {"whole set-up", [](CameraBoxes&) {}, CameraSetup::Applied,
         camera2 + gain300 + exposure23 + speed8 + window, {}, 76 + 1 + 1 + 1 + 401 + 500},
        {"gain not a number", [](CameraBoxes& b) { b.txt_gain = "abc"; }, CameraSetup::BadGain, camera2, {},
         76 + 100},
        {"exposure beyond 16 bits", [](CameraBoxes& b) { b.txt_exposure = "40000"; }, CameraSetup::BadExposure,
         camera2 + gain300, {}, 76 + 1 + 200},
        {"a window value beyond a byte", [](CameraBoxes& b) { b.txt_yfin = "300"; }, CameraSetup::Applied,
         camera2 + gain300 + exposure23 + speed8, {"error"}, 76 + 1 + 1 + 1 + 500},
    };
    for (const Case& c : cases) {
        CameraLink link;
        link.boxes.txt_cam = "2";
        link.boxes.txt_gain = "300";
        link.boxes.txt_speed = "7.5";
        c.edit(link.boxes);
        link.script(echoes);
        EXPECT_EQ(ApplyCameraSettings(link.boxes, link.ctx), c.result) << c.name;
        EXPECT_EQ(link.s.line.written, c.wire) << c.name;
        EXPECT_EQ(link.s.prompts.messages, c.messages) << c.name;
        EXPECT_EQ(link.s.clock.elapsedMs(), c.elapsedMs) << c.name;
    }

    CameraLink link;
    link.script(echoes);
    // Only the boxes the set-up fills matter here.
    (void)ApplyCameraSettings(link.boxes, link.ctx);
    EXPECT_EQ(link.boxes.txt_lines, "183");
    EXPECT_EQ(link.boxes.txt_pix, "144");
}

} // namespace
