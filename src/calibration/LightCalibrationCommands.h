#pragma once

#include "calibration/LedCalibrationSteps.h"

#include <QString>

#include <functional>

class Prompts;

inline const QString kLightAlignmentTitle = QStringLiteral("Light Alignment Calibration");
inline const QString kRemoveMicroplate = QStringLiteral("Remove Microplate and press OK");
inline const QString kCalibrationFinished = QStringLiteral("Calibration Finished");
inline constexpr int kBackgroundLightColourScale = 6000;

// What "Background light" changes on its window besides the boxes.
struct BackgroundLightWindow {
    int& runState;                     // -1 while it runs; a stop sets it to 0
    int& colourScaleMax;               // 6000 at the end
    std::function<void()> started;     // the main window's Start button reads "STOP Setup"
    std::function<void()> finished;    // the main window's plate redrawn, the button "Play" again
};

// mncalibralightback_Click of either window: the question, then the mapping
// of cameras 0 to 5 one after the other ("Testing Camera #"), "Calibration
// Finished" in every case. Refused offline without dummy mode. `mapCamera`
// maps the camera in txt_cam.
void RunBackgroundLight(LinkContext& ctx, CameraBoxes& boxes, BackgroundLightWindow& window,
                        const std::function<void()>& mapCamera);

// The advanced page's "1.LED Factory Setup" and "2.LED Basal Calib.": its run
// state -1 while the question and the procedure run, 0 after, whatever the answer.
void RunRemovedPlateLedStep(Prompts& prompts, int& pageRunState, const std::function<void()>& procedure);

// "3.LED InPlate Calib.": the question, then the calibration with the gain box
// at the default gain; the gain and exposure the boxes held go back into them
// and are sent with the camera settings.
void RunInPlateLedStep(LedCalibrationRun& r, Prompts& prompts);
