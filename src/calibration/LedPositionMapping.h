#pragma once

#include "link/commands/CameraBoxes.h"
#include "core/ProgramFolder.h"
#include "link/frames/FrameImage.h"
#include "link/frames/FrameReaders.h"
#include "link/protocol/LinkContext.h"
#include "plate/files/LedTables.h"

#include <utility>
#include <vector>

// The lit band of a difference profile p(0..n): the first index above
// f x sum / n and the index just past the band (n when it never falls), or
// -1 and -1 when nothing rises above it or n is 0.
struct LedBand {
    int start = -1;
    int end = -1;
    bool operator==(const LedBand&) const = default;
};
LedBand findLedBand(const std::vector<double>& profile, double factor);

// The mean grey of each frame line x = 0..lines over pixels y = 0..pixels, and
// of each pixel y over lines x = 0..lines, for one camera's plane. Cells
// outside the frame image or empty count 0.
std::vector<double> lineProfile(const FrameImage& image, int camera, int lines, int pixels);
std::vector<double> pixelProfile(const FrameImage& image, int camera, int lines, int pixels);

// What the main window's mapping and the advanced page's do each their own way.
class LedMappingSteps {
public:
    virtual ~LedMappingSteps() = default;
    virtual void loadTables(LedTable& leds) = 0;
    virtual void selectCamera() = 0;
    // After a 50 ms pause, every LED at level 0.
    virtual void allLedsOff() = 0;
    virtual void setDefaultWindow() = 0;
    virtual void applyCameraSettings() = 0;
    virtual void takeFrame() = 0; // one full-window frame into the frame image
    virtual void lightLed(int led) = 0; // power 8
    virtual void writeLedXy(const LedTable& leds) = 0;
};

// The mapping of one camera (the number in txt_cam): the frame image,
// txt_lines and txt_pix of the window after each frame, and the run state that
// lets it go on (-1; it does not start at 0).
struct LedPositionMapping {
    LinkContext& ctx;
    const CameraBoxes& boxes;
    const FrameImage& image;
    const int& runState;
    LedTable& leds;
    LedMappingSteps& steps;
};

enum class LedMappingEnd { Written, Stopped };

// SetZeroLightingReference and SetZeroLightingReferenceAdvanced: two reference
// frames, one frame per LED column lit and per LED row lit, their bands into
// the camera's LED rectangles, and the whole table written when not stopped.
LedMappingEnd MapLedPositions(LedPositionMapping& m);

// The main window's way: camera select, all LEDs by one command, the default
// window and camera settings from the boxes, calibration frames, ledxy.dat of
// the unit folder.
class MainWindowLedMapping final : public LedMappingSteps {
public:
    MainWindowLedMapping(LinkContext& ctx, ProgramFolder folder, FrameWindow frames)
        : ctx_(ctx), folder_(std::move(folder)), frames_(frames)
    {
    }
    void loadTables(LedTable& leds) override;
    void selectCamera() override;
    void allLedsOff() override;
    void setDefaultWindow() override;
    void applyCameraSettings() override;
    void takeFrame() override;
    void lightLed(int led) override;
    void writeLedXy(const LedTable& leds) override;

private:
    LinkContext& ctx_;
    ProgramFolder folder_;
    FrameWindow frames_;
};
