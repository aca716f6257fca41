#pragma once

#include "picture/PictureCanvas.h"

#include <functional>

// Drawing a camera frame on a picture, whatever buffer holds it.

// ResetFramePicture's steps: the picture cleared and scaled to a camera window
// of the given width and height, from the corner (left, 0).
void resetFrameCanvas(PictureCanvas& canvas, double left, double width, double height);

// DrawCameraImage's steps: cell [x][y], x 1..lines and y 0..pixels-1, as a
// filled box from (x, y) to (x + 1, y + 1) in the grey greyAt(x, y) gives.
void drawFrameCells(PictureCanvas& canvas, int lines, int pixels, const std::function<int(int x, int y)>& greyAt);
