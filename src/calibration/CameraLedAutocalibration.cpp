#include "calibration/CameraLedAutocalibration.h"

#include "calibration/CameraWindowButton.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Rounding.h"
#include "link/commands/CameraSettings.h"
#include "link/commands/CameraValues.h"
#include "link/commands/LedPowerCommands.h"
#include "link/frames/FrameAcquisition.h"
#include "picture/PictureCanvas.h"
#include "plate/files/LedFiles.h"
#include "plate/files/LedPowerFiles.h"

#include <QColor>

#include <algorithm>

namespace {

constexpr int kHighestLevel = kSweepLevels - 1;
const QString kStatusPrefix = QStringLiteral("Autocalibration status = ");

// Brightness of each LED at each level of the sweep; level 0 later holds the
// verification frame.
using LevelBrightness = std::array<std::array<int, kSweepLevels>, kLedCount>;

QString progressStatus(double percent)
{
    return kStatusPrefix + QString::number(roundHalfEven(percent)) + QLatin1Char('%');
}

QString stepCaption(int camera, const char* step)
{
    return QStringLiteral("CAM[") + QString::number(camera) + QStringLiteral("]: ") + QLatin1String(step);
}

// Every LED of the camera gets its brightness in the frame just taken; the others 0.
void measureLevel(const CameraLedAutocalibration& c, int camera, LevelBrightness& table, int level)
{
    for (int led = 0; led < kLedCount; ++led) {
        const size_t i = static_cast<size_t>(led);
        table[i][static_cast<size_t>(level)] = c.leds.ledCamera[i] == camera
            ? ledBrightness(c.frames.image, c.wellMask, camera, c.leds.entry(led))
            : 0;
    }
}

// All LEDs to one level with the pauses the instrument needs around it.
void allLedsTo(LinkContext& ctx, int level, int pauseBeforeMs)
{
    if (pauseBeforeMs > 0)
        ctx.clock.sleepMs(pauseBeforeMs);
    SendAllLedsPower(ctx, level);
    ctx.clock.sleepMs(100);
}

} // namespace

std::optional<AutocalibrationTargets> autocalibrationTargets(const QString& plateFormat)
{
    if (plateFormat == QLatin1String("w24"))
        return AutocalibrationTargets{static_cast<int>(roundHalfEven(127.5)), static_cast<int>(roundHalfEven(114.75))};
    if (plateFormat == QLatin1String("p35") || plateFormat == QLatin1String("w6"))
        return AutocalibrationTargets{static_cast<int>(roundHalfEven(178.5)), static_cast<int>(roundHalfEven(165.75))};
    return std::nullopt;
}

int chooseLedPower(const std::array<int, kSweepLevels>& brightness, int target)
{
    int power = 0;
    for (int level = 0; level < kSweepLevels; ++level)
        if (brightness[static_cast<size_t>(level)] <= target)
            power = level;
    return power;
}

int adjustedLedPower(int brightness, int power, int target)
{
    const double b = brightness;
    if (b > 1.2 * target)
        return std::max(0, power - 2);
    if (b > target)
        return power > 0 ? power - 1 : power;
    if (b < 0.2 * target)
        return std::min(kHighestLevel, power + 2);
    if (b < 0.3 * target)
        return power <= kHighestLevel - 1 ? power + 1 : power;
    return power;
}

int ledBrightness(const FrameImage& image, const WellMask& mask, int camera, const LedEntry& led)
{
    // Positions outside the grid hold no pixel; clipping keeps a wild
    // rectangle from costing a walk over its whole size.
    const int x1 = std::max(led.x1, 0);
    const int x2 = std::min(led.x2, WellMask::kSide - 1);
    const int y1 = std::max(led.y1, 0);
    const int y2 = std::min(led.y2, WellMask::kSide - 1);
    double sum = 0;
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            const std::optional<quint8> grey = image.cell(camera, x, y);
            if (grey && mask.inWell(camera, x, y)) {
                sum += *grey;
                ++count;
            }
        }
    return count == 0 ? 0 : static_cast<int>(roundHalfEven(sum / count));
}

void drawAutocalibrationProgress(PictureCanvas& picture, double percent)
{
    picture.filledBox(0, 0, percent, 100, QColor(0, 0, 255));
}

AutocalibrationEnd AutocalibrateCameraLeds(CameraLedAutocalibration& c)
{
    // Without targets every LED would be driven towards black and the
    // stored powers lost: such a format is left alone.
    const std::optional<AutocalibrationTargets> targets = autocalibrationTargets(c.plateFormat);
    if (!targets)
        return AutocalibrationEnd::NoTargets;

    LinkContext& ctx = c.ctx;
    Clock& clock = ctx.clock;
    Globals& globals = ctx.globals;
    CameraBoxes& boxes = c.frames.boxes;

    // 1. Set-up: everything dark, the default window, fast exposure.
    const int camera = roundedBoxValue(boxes.txt_cam);
    LoadLedSetup(c.leds, c.folder, globals);
    LevelBrightness brightness{};
    allLedsTo(ctx, 0, 0);
    applyDefaultCameraWindow(boxes, globals.hardwareGeneration);
    clock.sleepMs(50);
    boxes.txt_speed = QStringLiteral("1");
    boxes.txt_exposure = QStringLiteral("240");
    clock.sleepMs(10);
    // Each step of the set-up shows its own outcome; the calibration goes on regardless.
    (void)ApplyCameraSettings(boxes, ctx);

    // 2. Two frames that only settle the camera.
    const double startPercent = 100.0 / 6 * camera;
    ctx.console.setStatus(progressStatus(startPercent));
    c.view.setCaption(stepCaption(camera, "zero1"));
    clock.sleepMs(100);
    AcquireAutoCalibrationFrame(ctx, c.frames);
    clock.sleepMs(100);
    clock.processEvents();
    ctx.console.setStatus(progressStatus(startPercent));
    c.view.setCaption(stepCaption(camera, "zero2"));
    AcquireAutoCalibrationFrame(ctx, c.frames);
    clock.sleepMs(100);
    clock.processEvents();
    c.view.focusMainWindow();

    // 3, 4. Every LED of the camera at every level.
    for (int level = 0; level < kSweepLevels; ++level) {
        if (c.runState == 0)
            return AutocalibrationEnd::Stopped;
        const double percent = 100.0 / 6 / 8 * level + startPercent;
        ctx.console.setStatus(progressStatus(percent));
        c.view.showProgress(percent);
        allLedsTo(ctx, level, 20);
        AcquireAutoCalibrationFrame(ctx, c.frames);
        clock.sleepMs(10);
        clock.processEvents();
        measureLevel(c, camera, brightness, level);
    }

    // 5, 6. The highest level under the first target.
    allLedsTo(ctx, 0, 20);
    for (int led = 0; led < kLedCount; ++led) {
        if (c.runState == 0)
            return AutocalibrationEnd::Stopped;
        const size_t i = static_cast<size_t>(led);
        if (c.leds.ledCamera[i] == camera)
            c.leds.ledPower[i] = chooseLedPower(brightness[i], targets->first);
    }

    // 7. Kept, and lit on the instrument while a run is on.
    WriteLedPowerFile(c.folder, globals.serialNumber, c.leds);
    SendCameraLedPowersFromFile(ctx, c.runState, ledPowerFilePath(c.folder, globals.serialNumber), c.leds.ledCamera,
                                camera);

    // 8. What the chosen powers give.
    ctx.console.setStatus(kStatusPrefix + QStringLiteral("[Image Processing...]"));
    clock.sleepMs(10);
    AcquireAutoCalibrationFrame(ctx, c.frames);
    clock.sleepMs(10);
    clock.processEvents();
    measureLevel(c, camera, brightness, 0);

    // 9.
    allLedsTo(ctx, 0, 20);

    // 10. One correction against the second target.
    for (int led = 0; led < kLedCount; ++led) {
        if (c.runState == 0)
            return AutocalibrationEnd::Stopped;
        const size_t i = static_cast<size_t>(led);
        if (c.leds.ledCamera[i] == camera)
            c.leds.ledPower[i] = adjustedLedPower(brightness[i][0], c.leds.ledPower[i], targets->second);
    }

    // 11.
    if (c.runState != 1 && c.runState != -1)
        return AutocalibrationEnd::Stopped;
    WriteLedPowerFile(c.folder, globals.serialNumber, c.leds);
    clock.sleepMs(100);
    return AutocalibrationEnd::Completed;
}
