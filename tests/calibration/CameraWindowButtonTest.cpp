#include "link/CameraWire.h"
#include "link/ScriptedLink.h"
#include "calibration/CameraWindowButton.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

// The ">>" button of the camera window: counts from the four boxes, then the
// window on the wire.
namespace {

struct Button {
    Button() { s.connect(); }
    ScriptedLink s;
    CameraBoxes boxes = CameraBoxes::mainWindow();
};

TEST(CameraWindowButton, CountsAndTheFourWindowCommands)
{
    struct Case {
        const char* name;
        QStringList window; // xini, xfin, yini, yfin
        QString lines;
        QString pix;
        QByteArray wire;
    };
    const Case cases[] = {
        {"default window", {"0", "142", "1", "183"}, "143", "183",
         frameSequence({{'y', 0}, {'Y', 142}, {'x', 1}, {'X', 183}})},
        {"start-up window", {"1", "183", "0", "143"}, "183", "144",
         frameSequence({{'y', 1}, {'Y', 183}, {'x', 0}, {'X', 143}})},
        {"fractions rounded, halves to even", {" 2.5", "3.5", "0", "0"}, "3", "1",
         frameSequence({{'y', 2}, {'Y', 4}, {'x', 0}, {'X', 0}})},
    };
    for (const Case& c : cases) {
        Button b;
        b.boxes.txt_xini = c.window[0];
        b.boxes.txt_xfin = c.window[1];
        b.boxes.txt_yini = c.window[2];
        b.boxes.txt_yfin = c.window[3];
        for (const char letter : {'y', 'Y', 'x', 'X'})
            b.s.line.script(echoBytes(letter, 0, 0));
        EXPECT_EQ(sendCameraWindowBoxes(b.boxes, b.s.ctx), CameraSend::Accepted) << c.name;
        EXPECT_EQ(b.boxes.txt_lines, c.lines) << c.name;
        EXPECT_EQ(b.boxes.txt_pix, c.pix) << c.name;
        EXPECT_EQ(b.s.line.written, c.wire) << c.name;
        EXPECT_EQ(b.s.clock.elapsedMs(), 1 + 4 * 100) << c.name; // 1 ms after the flush, 100 after each letter
        EXPECT_TRUE(b.s.prompts.messages.isEmpty()) << c.name;
    }
}

TEST(CameraWindowButton, DummyModeAndAClosedPortOnlyCount)
{
    Button dummy;
    dummy.s.globals.dummyMode = 1;
    EXPECT_EQ(sendCameraWindowBoxes(dummy.boxes, dummy.s.ctx), CameraSend::Dummy);
    EXPECT_EQ(dummy.boxes.txt_lines, "183");
    EXPECT_EQ(dummy.boxes.txt_pix, "144");
    EXPECT_TRUE(dummy.s.line.written.isEmpty());
    EXPECT_TRUE(dummy.s.prompts.messages.isEmpty());

    Button closed;
    closed.s.globals.portOpen = false;
    EXPECT_EQ(sendCameraWindowBoxes(closed.boxes, closed.s.ctx), CameraSend::PortClosed);
    EXPECT_EQ(closed.boxes.txt_lines, "183");
    EXPECT_TRUE(closed.s.line.written.isEmpty());
    EXPECT_EQ(closed.s.prompts.messages, QStringList{kPortNotOpenText});
}

// Every value is checked before the first window command, so a bad one never
// leaves the camera with half a new window.
TEST(CameraWindowButton, ABadWindowValueShowsErrorAndSendsNothing)
{
    struct Case {
        const char* name;
        int box; // xini, xfin, yini, yfin
        const char* text;
    };
    const Case cases[] = {
        {"a letter", 0, "a"},
        {"empty", 2, ""},
        {"beyond 16 bits", 1, "40000"},
        {"last pixel beyond a byte", 3, "256"},
        {"first line below 0", 0, "-1"},
        {"lines ending before they start", 0, "150"},
        {"pixels ending before they start", 2, "184"},
    };
    for (const Case& c : cases) {
        Button b;
        b.boxes.txt_xini = "1";
        b.boxes.txt_xfin = "142";
        b.boxes.txt_yini = "1";
        b.boxes.txt_yfin = "183";
        QString* const boxes[] = {&b.boxes.txt_xini, &b.boxes.txt_xfin, &b.boxes.txt_yini, &b.boxes.txt_yfin};
        *boxes[c.box] = QString::fromLatin1(c.text);
        EXPECT_EQ(sendCameraWindowBoxes(b.boxes, b.s.ctx), CameraSend::BadValue) << c.name;
        EXPECT_EQ(b.s.prompts.messages, QStringList{"error"}) << c.name;
        EXPECT_TRUE(b.s.line.written.isEmpty()) << c.name;
        // The counts still describe the window the camera has.
        EXPECT_EQ(b.boxes.txt_lines, "35") << c.name;
        EXPECT_EQ(b.boxes.txt_pix, "46") << c.name;
    }
}

} // namespace
