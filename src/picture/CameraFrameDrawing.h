#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "picture/PictureCanvas.h"

// DrawCameraFrame's modes; only the window of the boxes is drawn.
inline constexpr int kCameraFrameWindow = 2;

// Mode 2: plane txt_cam of the frame buffer, cells x 0..txt_lines-1 and
// y 0..txt_pix-1, each a box (x, y)-(x + 1, y + 1) in its grey (black when
// empty), on a picture that ResetFramePicture has scaled. Other modes draw nothing.
void DrawCameraFrame(PictureCanvas& Picact, const CameraBoxes& boxes, const FrameImage& frameImage, int mode);
