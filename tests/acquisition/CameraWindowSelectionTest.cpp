#include "link/Bytes.h"
#include "link/CameraWire.h"
#include "link/ScriptedLink.h"
#include "acquisition/CameraWindowSelection.h"

#include <gtest/gtest.h>

// Selecting a camera window: the boxes from the format's tables, windowPixels
// and the camera settings.
namespace {

// Camera 3 of the default w24 tables: plate columns 2 and 3, rows 2 and 3.
CameraWindowTables w24Camera3()
{
    CameraWindowTables t;
    t.firstColumn[3] = 2;
    t.lastColumn[3] = 3;
    t.firstRow[3] = 2;
    t.lastRow[3] = 3;
    t.columnStart[3][0] = 5;
    t.columnEnd[3][0] = 75;
    t.columnStart[3][1] = 75;
    t.columnEnd[3][1] = 142;
    t.rowStart[3][0] = 10;
    t.rowEnd[3][0] = 90;
    t.rowStart[3][1] = 90;
    t.rowEnd[3][1] = 170;
    return t;
}

struct Selection {
    Selection() { s.connect(); }
    ScriptedLink s;
    CameraBoxes boxes = CameraBoxes::mainWindow();
};

QStringList windowBoxes(const CameraBoxes& b)
{
    return {b.txt_xini, b.txt_xfin, b.txt_yini, b.txt_yfin, b.txt_lines, b.txt_pix};
}

TEST(CameraWindowSelection, BoxesAndPixelCountFromTheTables)
{
    struct Case {
        int window;
        QStringList boxes; // xini, xfin, yini, yfin, lines, pix
        int windowPixels;  // the row's height times the line span without its + 1
    };
    const Case cases[] = {
        {0, {"5", "142", "93", "173", "138", "81"}, 81 * 137},
        {1, {"5", "142", "13", "93", "138", "81"}, 81 * 137},
    };
    for (const Case& c : cases) {
        Selection sel;
        sel.boxes.txt_cam = "3";
        for (const QByteArray& echo : {bytes({3}), echoBytes('G', 0, 15), echoBytes('E', 0, 23),
                                       echoBytes('S', 0, 7), echoBytes('y', 0, 0), echoBytes('Y', 0, 0),
                                       echoBytes('x', 0, 0), echoBytes('X', 0, 0)})
            sel.s.line.script(echo);
        EXPECT_EQ(SelectCameraWindow(3, c.window, w24Camera3(), sel.boxes, sel.s.ctx), WindowSelection::Applied);
        EXPECT_EQ(windowBoxes(sel.boxes), c.boxes) << c.window;
        EXPECT_EQ(sel.s.globals.windowPixels, c.windowPixels) << c.window;

        // The settings go out with the new window.
        const int first = sel.boxes.txt_yini.toInt();
        const int last = sel.boxes.txt_yfin.toInt();
        EXPECT_EQ(sel.s.line.written.right(20), frameSequence({{'y', 5}, {'Y', 142}, {'x', first}, {'X', last}}))
            << c.window;
        EXPECT_EQ(sel.s.line.written.left(5), frameBytes('C', 3, 0)) << c.window;
        EXPECT_EQ(sel.s.line.written.size(), 8 * 5) << c.window; // each accepted at once
    }
}

TEST(CameraWindowSelection, DummyModeSetsTheWindowAndSendsNothing)
{
    Selection sel;
    sel.s.globals.dummyMode = 1;
    EXPECT_EQ(SelectCameraWindow(3, 1, w24Camera3(), sel.boxes, sel.s.ctx), WindowSelection::Dummy);
    EXPECT_EQ(windowBoxes(sel.boxes), (QStringList{"5", "142", "13", "93", "138", "81"}));
    EXPECT_EQ(sel.s.globals.windowPixels, 81 * 137);
    EXPECT_TRUE(sel.s.line.written.isEmpty());
    EXPECT_EQ(sel.s.clock.elapsedMs(), 0);
}

TEST(CameraWindowSelection, AWindowTheCameraDoesNotHaveChangesNothing)
{
    struct Case {
        const char* name;
        int camera;
        int window;
    };
    const Case cases[] = {
        {"a row past the camera's last", 3, 2},
        {"a negative row", 3, -1},
        {"a camera that sees nothing of the format", 0, 0},
        {"no camera", 6, 0},
        {"a camera number below 0", -1, 0},
    };
    for (const Case& c : cases) {
        Selection sel;
        sel.s.globals.windowPixels = 77;
        EXPECT_EQ(SelectCameraWindow(c.camera, c.window, w24Camera3(), sel.boxes, sel.s.ctx),
                  WindowSelection::NoSuchWindow)
            << c.name;
        EXPECT_EQ(windowBoxes(sel.boxes), windowBoxes(CameraBoxes::mainWindow())) << c.name;
        EXPECT_EQ(sel.s.globals.windowPixels, 77) << c.name;
        EXPECT_TRUE(sel.s.line.written.isEmpty()) << c.name;
    }
}

TEST(CameraWindowSelection, ABadGainBoxReachesTheCaller)
{
    Selection sel;
    sel.boxes.txt_gain = "fifteen";
    sel.s.line.script(bytes({0}));
    EXPECT_EQ(SelectCameraWindow(3, 0, w24Camera3(), sel.boxes, sel.s.ctx), WindowSelection::BadGain);
    EXPECT_EQ(sel.s.line.written, frameBytes('C', 0, 0));
}

} // namespace
