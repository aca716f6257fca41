#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/frames/FrameView.h"
#include "picture/PictureCanvas.h"

#include <optional>

// A window's frame picture: frames of the window's buffer drawn on its Picact,
// scaled to the camera window of its boxes. The main window and the advanced
// page each own one.
class FramePicture final : public FrameView {
public:
    FramePicture(PictureCanvas& Picact, const CameraBoxes& boxes, const FrameImage& frameImage)
        : Picact_(Picact), boxes_(boxes), frameImage_(frameImage) {}

    // Clears Picact and scales it to the window's cells: from x 1, one unit
    // per line (txt_xfin - txt_xini + 1), and from y 0, one unit per pixel
    // (txt_yfin - txt_yini + 1).
    void ResetFramePicture();
    // Plane `camera`, cells x 1..lines and y 0..pixels-1, each a box in its
    // grey (black when empty).
    void DrawCameraImage(int camera, int lines, int pixels);

    void showFrame(int camera, int lines, int pixels) override;

    // Picact still shows the frame last drawn here: nothing has cleared it
    // since (drawing on the frame, such as a pixel set's outline, keeps it).
    bool showsFrame() const;

private:
    PictureCanvas& Picact_;
    const CameraBoxes& boxes_;
    const FrameImage& frameImage_;
    std::optional<quint64> shownClears_; // Picact's clear count once the frame was drawn
};
