#include "calibration/LedCalibrationSteps.h"

#include "calibration/CameraWindowButton.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/CameraSettings.h"
#include "link/commands/LedPowerCommands.h"
#include "link/frames/FrameAcquisition.h"
#include "plate/files/LedFiles.h"

void MainWindowLedSteps::loadTables(LedTable& leds) { LoadLedSetup(leds, folder_, ctx_.globals); }

// The senders show their own outcome; a calibration step goes on regardless.
void MainWindowLedSteps::selectCamera() { (void)sendCameraBox(frames_.boxes, ctx_); }

void MainWindowLedSteps::setAllLeds(int level, int pauseMs)
{
    ctx_.clock.sleepMs(pauseMs);
    SendAllLedsPower(ctx_, level);
}

void MainWindowLedSteps::setDefaultWindow() { applyDefaultCameraWindow(frames_.boxes, ctx_.globals.hardwareGeneration); }

void MainWindowLedSteps::applyCameraSettings() { (void)ApplyCameraSettings(frames_.boxes, ctx_); }

void MainWindowLedSteps::takeFrame() { AcquireCalibrationFrame(ctx_, frames_); }

void MainWindowLedSteps::takeAutoCalibrationFrame() { AcquireAutoCalibrationFrame(ctx_, frames_); }

void MainWindowLedSteps::setLed(int led, int power) { SendOneLedPower(ctx_, led, power); }

void MainWindowLedSteps::writeLedXy(const LedTable& leds) { WriteLedXyFile(folder_, ctx_.globals.serialNumber, leds); }

void MainWindowLedSteps::writeLedPower(const LedTable& leds)
{
    WriteLedPowerFile(folder_, ctx_.globals.serialNumber, leds);
}
