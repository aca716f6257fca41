#include "picture/FramePicture.h"

#include "link/commands/CameraValues.h"
#include "picture/FrameCells.h"

void FramePicture::ResetFramePicture()
{
    resetFrameCanvas(Picact_, roundedBoxValue(boxes_.txt_xfin) - roundedBoxValue(boxes_.txt_xini),
                     roundedBoxValue(boxes_.txt_yfin) - roundedBoxValue(boxes_.txt_yini));
}

void FramePicture::DrawCameraImage(int camera, int lines, int pixels)
{
    drawFrameCells(Picact_, lines, pixels, [&](int x, int y) { return frameImage_.grey(camera, x, y); });
}

void FramePicture::showFrame(int camera, int lines, int pixels)
{
    ResetFramePicture();
    Picact_.clear();
    DrawCameraImage(camera, lines, pixels);
}
