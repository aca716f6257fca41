#include "picture/FramePicture.h"

#include "link/commands/CameraValues.h"
#include "picture/FrameCells.h"

void FramePicture::ResetFramePicture()
{
    // The window's cells lie at x 1..lines and y 0..pixels-1, each one unit
    // wide: the scale takes in all of them, the last line and pixel included.
    resetFrameCanvas(Picact_, 1, roundedBoxValue(boxes_.txt_xfin) - roundedBoxValue(boxes_.txt_xini) + 1,
                     roundedBoxValue(boxes_.txt_yfin) - roundedBoxValue(boxes_.txt_yini) + 1);
    shownClears_ = Picact_.clearCount();
}

void FramePicture::DrawCameraImage(int camera, int lines, int pixels)
{
    drawFrameCells(Picact_, lines, pixels, [&](int x, int y) { return frameImage_.grey(camera, x, y); });
}

void FramePicture::showFrame(int camera, int lines, int pixels)
{
    ResetFramePicture();
    Picact_.clear();
    shownClears_ = Picact_.clearCount();
    DrawCameraImage(camera, lines, pixels);
}

bool FramePicture::showsFrame() const { return shownClears_ && *shownClears_ == Picact_.clearCount(); }
