#pragma once

#include "link/CameraBoxes.h"
#include "link/FrameImage.h"
#include "link/FrameView.h"
#include "ui/PictureCanvas.h"

// The advanced page's own frame picture: frames of the page's buffer drawn on
// the page's Picact, scaled to the camera window of the page's boxes.
class AdvancedFramePicture final : public FrameView {
public:
    AdvancedFramePicture(PictureCanvas& Picact, const CameraBoxes& boxes, const FrameImage& frameImage)
        : Picact_(Picact), boxes_(boxes), frameImage_(frameImage) {}

    void ResetFramePicture();
    void DrawCameraImage(int camera, int lines, int pixels);

    void showFrame(int camera, int lines, int pixels) override;

private:
    PictureCanvas& Picact_;
    const CameraBoxes& boxes_;
    const FrameImage& frameImage_;
};
