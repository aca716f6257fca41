#pragma once

// Where a window shows a frame that was read: its frame picture. The window
// resets the picture to its camera window, clears it and draws the plane
// (ResetFramePicture, then DrawCameraImage).
class FrameView {
public:
    virtual ~FrameView() = default;
    virtual void showFrame(int camera, int lines, int pixels) = 0;
};
