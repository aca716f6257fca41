#pragma once

#include "core/ProgramFolder.h"
#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/frames/FrameReaders.h"
#include "link/protocol/LinkContext.h"
#include "plate/files/LedTables.h"

#include <utility>

// What the LED calibrations do on the instrument, which the main window and
// the advanced page each do their own way (their boxes, senders and files).
class LedCalibrationSteps {
public:
    virtual ~LedCalibrationSteps() = default;
    virtual void loadTables(LedTable& leds) = 0;
    virtual void selectCamera() = 0;
    // Every LED at one level, `pauseMs` after the level is set up.
    virtual void setAllLeds(int level, int pauseMs) = 0;
    virtual void setDefaultWindow() = 0;
    virtual void applyCameraSettings() = 0;
    virtual void takeFrame() = 0; // one full-window frame into the frame image
    virtual void takeAutoCalibrationFrame() = 0; // every fifth line and pixel
    virtual void setLed(int led, int power) = 0;
    virtual void writeLedXy(const LedTable& leds) = 0;
    virtual void writeLedPower(const LedTable& leds) = 0;
    virtual void focusWindow() = 0;
};

// The main window's way: camera select, all LEDs by one command, the default
// window and camera settings from the boxes, calibration frames, the unit
// folder's ledxy.dat and ledpower.dat.
class MainWindowLedSteps final : public LedCalibrationSteps {
public:
    MainWindowLedSteps(LinkContext& ctx, ProgramFolder folder, FrameWindow frames)
        : ctx_(ctx), folder_(std::move(folder)), frames_(frames)
    {
    }
    void loadTables(LedTable& leds) override;
    void selectCamera() override;
    void setAllLeds(int level, int pauseMs) override;
    void setDefaultWindow() override;
    void applyCameraSettings() override;
    void takeFrame() override;
    void takeAutoCalibrationFrame() override;
    void setLed(int led, int power) override;
    void writeLedXy(const LedTable& leds) override;
    void writeLedPower(const LedTable& leds) override;
    void focusWindow() override {}

private:
    LinkContext& ctx_;
    ProgramFolder folder_;
    FrameWindow frames_;
};

// One LED calibration of the camera in txt_cam: the frame image and the
// window's txt_lines and txt_pix after each frame, and the run state that
// lets it go on (-1).
struct LedCalibrationRun {
    LinkContext& ctx;
    CameraBoxes& boxes;
    const FrameImage& image;
    const int& runState;
    LedTable& leds;
    LedCalibrationSteps& steps;
};
