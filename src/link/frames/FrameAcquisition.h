#pragma once

#include "link/frames/FrameReaders.h"

// Single frames of the window set on a camera, for camera set-up and the
// calibrations: the window boxes give L = txt_xfin - txt_xini + 1 lines and
// P = txt_yfin - txt_yini + 1 pixels, which go into txt_lines and txt_pix
// with the mode into txtprogram; then the request for the camera in txt_cam
// goes to ReadCameraFrame. In dummy mode nothing is sent: the rectangle
// x 1..L, y 0..P-1 of the camera's plane gets random values 0 to 100 and is
// drawn, whatever the mode and draw flag. A camera or geometry outside the
// frame buffer is refused in the status line.

// Shared by every acquisition: the mode letter and the draw flag.
FrameRead acquireFrame(LinkContext& ctx, FrameWindow& window, char mode, int drawFlag);

// Full window, drawn when drawFlag is -1.
FrameRead AcquireCameraFrame(LinkContext& ctx, FrameWindow& window, int drawFlag);
// Full window, drawn.
FrameRead AcquireCalibrationFrame(LinkContext& ctx, FrameWindow& window);
// Every fifth line and pixel; the main window's reader never draws these.
FrameRead AcquireAutoCalibrationFrame(LinkContext& ctx, FrameWindow& window);
