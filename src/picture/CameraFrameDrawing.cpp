#include "picture/CameraFrameDrawing.h"

#include "link/commands/CameraValues.h"

#include <algorithm>

void DrawCameraFrame(PictureCanvas& Picact, const CameraBoxes& boxes, const FrameImage& frameImage, int mode)
{
    if (mode != kCameraFrameWindow)
        return;
    const int camera = roundedBoxValue(boxes.txt_cam);
    // The counts are 16-bit boxes; a larger value stops there rather than loop on.
    const int pixels = std::min(roundedBoxValue(boxes.txt_pix), 32767);
    const int lines = std::min(roundedBoxValue(boxes.txt_lines), 32767);
    // Rows top to bottom, a run of equal cells along a row as one box: the
    // same pixels as a box per cell, in the same order.
    for (int y = 0; y < pixels; ++y) {
        int x = 0;
        while (x < lines) {
            const int grey = frameImage.grey(camera, x, y);
            int end = x + 1;
            while (end < lines && frameImage.grey(camera, end, y) == grey)
                ++end;
            Picact.filledBox(x, y, end, y + 1, QColor(grey, grey, grey));
            x = end;
        }
    }
}
