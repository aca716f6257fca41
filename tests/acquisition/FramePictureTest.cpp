#include "link/FrameReplyBytes.h"
#include "link/ScriptedLink.h"
#include "plate/geometry/FrameCutTables.h"
#include "link/frames/FrameAcquisition.h"
#include "picture/FramePicture.h"

#include <gtest/gtest.h>

// Frames drawn on the main window's picture, read back from the canvas.
namespace {

QColor grey(int v) { return QColor(v, v, v); }

class FramePictureTest : public ::testing::Test {
protected:
    // A window of 5 lines (11..15) of 4 pixels (20..23) on a 100 by 80 picture:
    // cells x 1..5 and y 0..3, 20 points each.
    FramePictureTest()
    {
        boxes.txt_xini = "11";
        boxes.txt_xfin = "15";
        boxes.txt_yini = "20";
        boxes.txt_yfin = "23";
        canvas.backColor = Qt::white;
    }
    // The canvas point in the middle of cell [x][y].
    QColor cellColour(int x, int y) const { return canvas.pixel(20 * (x - 1) + 10, 20 * y + 10); }

    PictureCanvas canvas{100, 80};
    CameraBoxes boxes;
    FrameImage image;
    FramePicture picture{canvas, boxes, image};
};

TEST_F(FramePictureTest, EachCellIsABoxInItsGreyAndEmptyCellsAreBlack)
{
    image.set(2, 1, 0, 10);
    image.set(2, 1, 1, 10); // a run of equal cells
    image.set(2, 1, 2, 200);
    image.set(2, 2, 0, 255);
    image.set(2, 3, 2, 77);
    image.set(4, 2, 1, 99); // another plane
    canvas.filledBox(1, 0, 6, 4, Qt::red);

    picture.showFrame(2, 4, 3);

    // Cells x 1..5 and y 0..3 of the window fill the picture.
    EXPECT_EQ(canvas.scaleLeft(), 1);
    EXPECT_EQ(canvas.scaleTop(), 0);
    EXPECT_EQ(canvas.scaleWidth(), 5);
    EXPECT_EQ(canvas.scaleHeight(), 4);
    EXPECT_EQ(cellColour(1, 0), grey(10));
    EXPECT_EQ(cellColour(1, 1), grey(10));
    EXPECT_EQ(cellColour(1, 2), grey(200));
    EXPECT_EQ(cellColour(2, 0), grey(255));
    EXPECT_EQ(cellColour(2, 1), grey(0)); // empty in this plane
    EXPECT_EQ(cellColour(3, 2), grey(77));
    EXPECT_EQ(cellColour(5, 3), QColor(Qt::white)); // beyond the lines and pixels drawn: cleared
    // Cell edges: the box of [1][1] reaches from point 0 to 19 across and 20 to 39 down.
    EXPECT_EQ(canvas.pixel(0, 20), grey(10));
    EXPECT_EQ(canvas.pixel(19, 39), grey(10));
    EXPECT_EQ(canvas.pixel(21, 41), grey(0));
}

TEST_F(FramePictureTest, AWholeWindowFillsThePictureToItsEdges)
{
    for (int x = 1; x <= 5; ++x)
        for (int y = 0; y <= 3; ++y)
            image.set(0, x, y, 10 * x + y);
    picture.showFrame(0, 5, 4);
    // The corners of the picture are the corner cells: the first and last line, the first and last pixel.
    EXPECT_EQ(canvas.pixel(0, 0), grey(10));
    EXPECT_EQ(canvas.pixel(99, 0), grey(50));
    EXPECT_EQ(canvas.pixel(0, 79), grey(13));
    EXPECT_EQ(canvas.pixel(99, 79), grey(53));
    for (int x = 1; x <= 5; ++x)
        for (int y = 0; y <= 3; ++y)
            EXPECT_EQ(cellColour(x, y), grey(10 * x + y)) << x << "," << y;
}

TEST_F(FramePictureTest, DrawingStopsAtTheGivenLinesAndPixels)
{
    for (int x = 1; x <= 3; ++x)
        for (int y = 0; y <= 2; ++y)
            image.set(0, x, y, 50);
    picture.ResetFramePicture();
    picture.DrawCameraImage(0, 2, 2);
    EXPECT_EQ(cellColour(2, 1), grey(50));
    EXPECT_EQ(cellColour(3, 1), QColor(Qt::white));
    EXPECT_EQ(cellColour(2, 2), QColor(Qt::white));
}

TEST_F(FramePictureTest, AFrameReadFromTheLineIsDrawnAsItWasPlaced)
{
    ScriptedLink s;
    s.connect();
    boxes.txt_cam = "1";
    bool abortRequested = false;
    FrameWindow window = mainWindowFrames(boxes, image, picture, abortRequested);
    s.line.script(fullFrameReply(5, 4, 0, patternValue));
    AcquireCalibrationFrame(s.ctx, window);
    ASSERT_EQ(boxes.txt_lines, "5");
    ASSERT_EQ(boxes.txt_pix, "4");
    for (int x = 1; x <= 3; ++x)
        for (int y = 0; y <= 2; ++y)
            EXPECT_EQ(cellColour(x, y), grey(patternValue(x - 1, 4 - y))) << x << "," << y;
}

TEST_F(FramePictureTest, DummyFramesAreDrawnWithoutAnInstrument)
{
    ScriptedLink s;
    s.globals.dummyMode = 1;
    boxes.txt_cam = "5";
    bool abortRequested = false;
    FrameWindow window = mainWindowFrames(boxes, image, picture, abortRequested);
    AcquireCameraFrame(s.ctx, window, 0); // drawn whatever the flag
    for (int x = 1; x <= 3; ++x)
        for (int y = 0; y <= 2; ++y) {
            const QColor c = cellColour(x, y);
            EXPECT_EQ(c, grey(image.grey(5, x, y))) << x << "," << y;
            EXPECT_LE(c.red(), 100);
        }
    EXPECT_TRUE(s.line.written.isEmpty());
}

TEST(FrameCutTablesTest, TheCutOfAWindowComesFromTheCamerasTables)
{
    // Camera 3 of the default w24 tables: columns 5..75 and 75..142, rows 10..90 and 90..170.
    CameraWindowTables t;
    t.firstColumn[3] = 2;
    t.lastColumn[3] = 3;
    t.firstRow[3] = 2;
    t.lastRow[3] = 3;
    t.columnStart[3] = {5, 75};
    t.columnEnd[3] = {75, 142};
    t.rowStart[3] = {10, 90};
    t.rowEnd[3] = {90, 170};

    const FrameCutLayout first = frameCutLayout(t, 3, 0);
    EXPECT_EQ(first.rowBytes, 81);
    ASSERT_EQ(first.columns.size(), 2u);
    EXPECT_EQ(first.columns[1].start, 75);
    EXPECT_EQ(first.columns[1].end, 142);
    EXPECT_EQ(frameCutLayout(t, 3, 1).rowBytes, 81);

    // No such window, a camera that sees nothing, no camera, more columns than the tables hold.
    EXPECT_TRUE(frameCutLayout(t, 3, 2).columns.empty());
    EXPECT_TRUE(frameCutLayout(t, 3, -1).columns.empty());
    EXPECT_TRUE(frameCutLayout(t, 0, 0).columns.empty());
    EXPECT_TRUE(frameCutLayout(t, 6, 0).columns.empty());
    t.lastColumn[3] = 20;
    EXPECT_TRUE(frameCutLayout(t, 3, 0).columns.empty());
}

} // namespace
