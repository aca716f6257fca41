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
    state.abortRequested = false;
    LedTable leds;
    MainWindowLedSteps steps(link(), ctx_.folder, frameWindow());
    LedCalibrationRun mapping{link(), cameraBoxes, frameImage, state.runState, leds, steps};
    BackgroundLightWindow window{state.runState, colourScaleMax,
                                 [this] { frameMenu->cmdPlay->setText(QStringLiteral("STOP Setup")); },
                                 [this] {
                                     state.plateFormat = frameCalibration->cmb_formatplate->currentText();
                                     platePicture->DrawPlateLayout(resolvePlateFormat(state.plateFormat));
                                     frameMenu->cmdPlay->setText(QStringLiteral("Play"));
                                 }};
    RunBackgroundLight(link(), cameraBoxes, window, [&mapping] { MapLedPositions(mapping); });
}
