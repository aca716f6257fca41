#include "link/CameraWire.h"
#include "link/ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "advanced/AdvancedCameraCommands.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

#include <vector>

// The advanced page's own speed, exposure and window senders.
namespace {

struct Page {
    Page() { s.connect(); }
    void script(const std::vector<QByteArray>& replies)
    {
        for (const QByteArray& r : replies)
            s.line.script(r); // an empty reply is silence
    }
    ScriptedLink s;
    RecordingConsole console;
    LinkContext ctx{s.globals, s.comm, s.clock, console, s.prompts};
    CameraBoxes boxes = CameraBoxes::advancedPage();
};

TEST(AdvancedCameraCommands, SpeedShowsItsValuesAndRoundsTheBox)
{
    Page page;
    page.boxes.txt_speed = "6.5";
    page.script({{}, echoBytes('S', 0, 6)});
    EXPECT_EQ(advanced::sendSpeedBox(page.boxes, page.ctx), CameraSend::Accepted);
    EXPECT_EQ(page.s.line.written, frameBytes('S', 0, 6) + frameBytes('S', 0, 6));
    EXPECT_EQ(page.s.line.writes.size(), 2u); // each frame one five-byte block
    EXPECT_EQ(page.console.commTexts, (QStringList{"sending S;0;6", "Empty", "S;0;6", "S;0;6"}));

    Page bad;
    bad.boxes.txt_speed = "255.5"; // 256
    EXPECT_EQ(advanced::sendSpeedBox(bad.boxes, bad.ctx), CameraSend::BadValue);
    EXPECT_EQ(bad.s.prompts.messages, QStringList{"error"});
    EXPECT_TRUE(bad.s.line.written.isEmpty());
}

TEST(AdvancedCameraCommands, ExposureWithThePagesPortTest)
{
    Page page;
    page.boxes.txt_exposure = "300";
    page.script({echoBytes('E', 1, 44)});
    EXPECT_EQ(advanced::sendExposureBox(page.boxes, page.ctx), CameraSend::Accepted);
    EXPECT_EQ(page.s.line.written, frameBytes('E', 1, 44));
    EXPECT_EQ(page.console.commTexts, QStringList{"E;1;44"});

    Page closed;
    closed.s.globals.portOpen = false;
    EXPECT_EQ(advanced::sendExposureBox(closed.boxes, closed.ctx), CameraSend::PortClosed);
    EXPECT_EQ(closed.console.status(), kPortNotOpenText);
    EXPECT_TRUE(closed.s.line.written.isEmpty());

    Page negative;
    negative.boxes.txt_exposure = "-1";
    EXPECT_EQ(advanced::sendExposureBox(negative.boxes, negative.ctx), CameraSend::BadValue);
    EXPECT_EQ(negative.s.prompts.messages, QStringList{"error"});
    EXPECT_TRUE(negative.s.line.written.isEmpty());
}

// The pauses of the page's window senders, on virtual time. An empty poll
// costs the port's 500 ms read time-out plus its pause.
TEST(AdvancedCameraCommands, WindowSendersKeepTheirOwnPauses)
{
    struct Case {
        const char* name;
        bool lines; // else pixels
        std::vector<QByteArray> replies;
        int sends;
        qint64 elapsedMs;
    };
    const Case cases[] = {
        // Each letter: flush + 1, three passes each ending with 10, then 100.
        {"lines accepted at once", true, {echoBytes('y', 0, 0), echoBytes('Y', 0, 142)}, 2, 2 * (1 + 30 + 100)},
        // A try not accepted: 10 empty polls of 500 + 10, then 10 and the pass's 10.
        {"lines, the first try silent", true, {{}, echoBytes('y', 0, 0), echoBytes('Y', 0, 142)}, 3,
         (1 + 10 * 510 + 20 + 10 + 10 + 100) + (1 + 30 + 100)},
        // Each letter: flush + 1, then 100; no pause after an accepted echo.
        {"pixels accepted at once", false, {echoBytes('x', 0, 1), echoBytes('X', 0, 183)}, 2, 2 * (1 + 100)},
        // Empty polls followed by 10 ms for "x", by 1 ms for "X"; 10 after each try.
        {"pixels silent", false, {{}, {}, {}, {}, {}, {}}, 6,
         (1 + 3 * (10 * 510 + 10) + 100) + (1 + 3 * (10 * 501 + 10) + 100)},
    };
    for (const Case& c : cases) {
        Page page;
        page.script(c.replies);
        // Only the writes and the time they took matter here.
        if (c.lines)
            (void)SendWindowYCommandsAdvanced(page.ctx, 0, 142);
        else
            (void)SendWindowXCommandsAdvanced(page.ctx, 1, 183);
        EXPECT_EQ(page.s.line.writes.size(), size_t(c.sends)) << c.name;
        EXPECT_EQ(page.s.clock.elapsedMs(), c.elapsedMs) << c.name;
    }
}

TEST(AdvancedCameraCommands, WindowButtonShowsThePagesSendingLines)
{
    Page page;
    for (const char letter : {'y', 'Y', 'x', 'X'})
        page.s.line.script(echoBytes(letter, 0, 0));
    EXPECT_EQ(advanced::sendWindowBoxes(page.boxes, page.ctx), CameraSend::Accepted);
    EXPECT_EQ(page.boxes.txt_lines, "143");
    EXPECT_EQ(page.boxes.txt_pix, "183");
    EXPECT_EQ(page.s.line.written, frameSequence({{'y', 0}, {'Y', 142}, {'x', 1}, {'X', 183}}));
    EXPECT_EQ(page.console.commTexts, (QStringList{"sending y;0;0", "y;0;0", "sending Y;0;142", "Y;0;0",
                                                   "sending x;0;1", "x;0;0", "sending X0;183", "X;0;0"}));

    Page bad;
    bad.boxes.txt_xfin = "300";
    EXPECT_EQ(advanced::sendWindowBoxes(bad.boxes, bad.ctx), CameraSend::BadValue);
    EXPECT_EQ(bad.s.prompts.messages, QStringList{"error"});
    EXPECT_TRUE(bad.s.line.written.isEmpty());

    Page dummy;
    dummy.s.globals.dummyMode = 1;
    EXPECT_EQ(advanced::sendWindowBoxes(dummy.boxes, dummy.ctx), CameraSend::Dummy);
    EXPECT_EQ(SendCameraSpeedLogged(dummy.ctx, 7), CameraSend::Dummy);
    EXPECT_EQ(SendExposureChecked(dummy.ctx, 23), CameraSend::Dummy);
    EXPECT_TRUE(dummy.s.line.written.isEmpty());
    EXPECT_TRUE(dummy.console.commTexts.isEmpty());
    EXPECT_EQ(dummy.boxes.txt_lines, "143");
}

} // namespace
