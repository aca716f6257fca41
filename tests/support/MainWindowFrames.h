#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/frames/FrameReaders.h"

// A frame view that draws nothing: tests read the frame image instead.
class NoFrameView final : public FrameView {
public:
    void showFrame(int, int, int) override {}
};

// The main window's camera boxes, frame buffer and stop flag, for calibrations
// that take frames the way the main window does.
struct MainWindowFrameRig {
    CameraBoxes boxes = CameraBoxes::mainWindow();
    FrameImage image;
    NoFrameView frameView;
    bool abortRequested = false;

    FrameWindow frames() { return mainWindowFrames(boxes, image, frameView, abortRequested); }
};
