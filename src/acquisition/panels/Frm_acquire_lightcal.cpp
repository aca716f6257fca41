// The main window's "Background light": the LED positions of every camera mapped
// with the plate removed, "STOP Setup" on the Start button while it runs.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "calibration/LedPositionMapping.h"
#include "calibration/LightCalibrationCommands.h"
#include "calibration/panels/Frame_calibration.h"

#include <QComboBox>
#include <QPushButton>

void Frm_acquire::mncalibralightback_Click()
{
    // Never under a running acquisition: the run would stop without being closed.
    if (!state.phase.allows(RunPhase::Event::BeginCalibration))
        return;
    state.abortRequested = false;
    LedTable leds;
    MainWindowLedSteps steps(link(), ctx_.folder, frameWindow());
    LedCalibrationRun mapping{link(), cameraBoxes, frameImage, state.phase.runState(), leds, steps};
    // The procedure keeps its own number; the window's phase is what the mapping and STOP see.
    int calibrationRunState = 0;
    BackgroundLightWindow window{calibrationRunState, colourScaleMax,
                                 [this] {
                                     state.phase.apply(RunPhase::Event::BeginCalibration);
                                     showRunPhase();
                                 },
                                 [this] {
                                     state.plateFormat = frameCalibration->cmb_formatplate->currentText();
                                     platePicture->DrawPlateLayout(resolvePlateFormat(state.plateFormat));
                                     state.phase.apply(RunPhase::Event::EndCalibration);
                                     showRunPhase();
                                 }};
    RunBackgroundLight(link(), cameraBoxes, window, [&mapping] { MapLedPositions(mapping); });
}
