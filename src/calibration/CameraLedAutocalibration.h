#pragma once

#include "core/ProgramFolder.h"
#include "link/frames/FrameReaders.h"
#include "link/protocol/LinkContext.h"
#include "plate/files/LedTables.h"
#include "plate/geometry/WellMask.h"

#include <QString>

#include <array>
#include <optional>

class PictureCanvas;

// The two grey levels an LED's patch is brought towards: the sweep keeps the
// highest level at or under `first`, the adjustment corrects against `second`.
struct AutocalibrationTargets {
    int first = 0;
    int second = 0;
};

// "w24": 128 and 115; "p35" and "w6": 178 and 166. Other formats have none.
std::optional<AutocalibrationTargets> autocalibrationTargets(const QString& plateFormat);

// The power levels of the sweep, 0 to 8.
inline constexpr int kSweepLevels = 9;

// The highest level whose brightness is at or under the target, also when a
// lower level was brighter; 0 when none is.
int chooseLedPower(const std::array<int, kSweepLevels>& brightness, int target);

// One step of the correction after the verification frame: two levels down
// above 1.2 x target, one down above the target, two up under 0.2 x target,
// one up under 0.3 x target; always within 0 to 8.
int adjustedLedPower(int brightness, int power, int target);

// The mean grey of an LED's rectangle in a camera's plane: pixels that were
// delivered and lie in a well of that camera, rectangle clipped to the
// grid. 0 when none counts.
int ledBrightness(const FrameImage& image, const WellMask& mask, int camera, const LedEntry& led);

// Where the autocalibration shows how far it is: the step caption
// lbl_autocalibra, the progress box on Picrealtime, and the main window's focus.
class AutocalibrationView {
public:
    virtual ~AutocalibrationView() = default;
    virtual void setCaption(const QString& text) = 0;
    virtual void showProgress(double percent) = 0;
    virtual void focusMainWindow() = 0;
};

// The progress box as Picrealtime shows it: filled blue from (0, 0) to
// (percent, 100) in the picture's current scale.
void drawAutocalibrationProgress(PictureCanvas& picture, double percent);

// What the autocalibration of one camera works on: the main window's link,
// unit folder, camera boxes with frame buffer, LED table, well mask, run
// state and plate format text (cmb_well).
struct CameraLedAutocalibration {
    LinkContext& ctx;
    ProgramFolder folder;
    FrameWindow frames;
    LedTable& leds;
    const WellMask& wellMask;
    const int& runState;
    QString plateFormat;
    AutocalibrationView& view;
};

enum class AutocalibrationEnd {
    Completed, // both saves done
    Stopped,   // runState became 0: no further command, file or message
    NoTargets, // the plate format has no targets: nothing sent or written
};

// Sets the power of every LED of the camera in txt_cam: a sweep of levels 0
// to 8 with all LEDs at once, the choice under the first target, a save and
// the camera's powers sent, a verification frame, the correction against the
// second target and a second save. Sends no power after the correction; the
// caller sends the saved powers. Leaves the default window, speed "1" and
// exposure "240" in the boxes.
AutocalibrationEnd AutocalibrateCameraLeds(CameraLedAutocalibration& c);
