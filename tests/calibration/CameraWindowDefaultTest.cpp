#include "link/CameraWire.h"
#include "link/ScriptedLink.h"
#include "calibration/CameraWindowButton.h"

#include <gtest/gtest.h>

// The "Default" button of both windows, and what the windows start with.
namespace {

QStringList windowTexts(const CameraBoxes& b)
{
    return {b.txt_xini, b.txt_xfin, b.txt_yini, b.txt_yfin, b.txt_lines, b.txt_pix, b.txt_speed};
}

TEST(CameraWindowDefault, StartUpTextsOfBothWindows)
{
    EXPECT_EQ(windowTexts(CameraBoxes::mainWindow()), (QStringList{"1", "183", "0", "143", "35", "46", "7"}));
    const CameraBoxes advanced = CameraBoxes::advancedPage();
    EXPECT_EQ((QStringList{advanced.txt_xini, advanced.txt_xfin, advanced.txt_yini, advanced.txt_yfin}),
              (QStringList{"0", "142", "1", "183"}));
}

TEST(CameraWindowDefault, SpeedByGenerationAndTheFullWindowWithoutCounts)
{
    struct Case {
        int serialNumber;
        const char* speed;
    };
    for (const Case c : {Case{49, "7"}, Case{50, "8"}}) {
        for (CameraBoxes boxes : {CameraBoxes::mainWindow(), CameraBoxes::advancedPage()}) {
            Globals g;
            g.applySerialNumber(c.serialNumber);
            applyDefaultCameraWindow(boxes, g.hardwareGeneration);
            // The counts wait for the next send.
            EXPECT_EQ(windowTexts(boxes), (QStringList{"0", "142", "1", "183", "35", "46", c.speed}))
                << c.serialNumber;
        }
    }
}

TEST(CameraWindowDefault, DefaultThenSendCarriesTheDefaultWindow)
{
    ScriptedLink s;
    s.connect();
    CameraBoxes boxes = CameraBoxes::mainWindow();
    applyDefaultCameraWindow(boxes, 1);
    EXPECT_TRUE(s.line.written.isEmpty()); // Default sends nothing
    for (const char letter : {'y', 'Y', 'x', 'X'})
        s.line.script(echoBytes(letter, 0, 0));
    EXPECT_EQ(sendCameraWindowBoxes(boxes, s.ctx), CameraSend::Accepted);
    EXPECT_EQ(boxes.txt_lines, "143");
    EXPECT_EQ(boxes.txt_pix, "183");
    EXPECT_EQ(s.line.written, frameSequence({{'y', 0}, {'Y', 142}, {'x', 1}, {'X', 183}}));
}

} // namespace
