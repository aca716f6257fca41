#include "calibration/LedBasalPower.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>

namespace {

constexpr int kLevels = 9;

QString cameraTag(int camera) { return QStringLiteral("CAM[%1]: ").arg(camera); }

} // namespace

int ledRectangleBrightness(const FrameImage& image, int camera, const LedTable& leds, int led)
{
    if (led < 0 || led >= kLedCount)
        return 0;
    const auto i = size_t(led);
    const int x1 = std::max(leds.ledX1[i], 0);
    const int x2 = std::min(leds.ledX2[i], FrameImage::kCellsX - 1);
    const int y1 = std::max(leds.ledY1[i], 0);
    const int y2 = std::min(leds.ledY2[i], FrameImage::kCellsY - 1);
    double sum = 0;
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            sum += image.grey(camera, x, y);
            ++count;
        }
    return count == 0 ? 0 : int(roundHalfEven(sum / count));
}

int basalLedPower(const std::array<int, 9>& brightness, int target)
{
    int power = 0;
    for (int level = 0; level < kLevels; ++level)
        if (brightness[size_t(level)] <= target)
            power = level;
    return power;
}

LedBasalEnd CalibrateLedBasalPower(LedCalibrationRun& r)
{
    if (r.runState != -1)
        return LedBasalEnd::Stopped;
    Clock& clock = r.ctx.clock;
    Console& console = r.ctx.console;
    const int camera = int(roundHalfEven(textValue(r.boxes.txt_cam)));
    r.steps.loadTables(r.leds);
    std::vector<std::array<int, kLevels>> brightness(kLedCount, std::array<int, kLevels>{});

    r.steps.setAllLeds(0, 50);
    clock.sleepMs(100);
    r.steps.setDefaultWindow();
    clock.sleepMs(10);
    r.steps.applyCameraSettings();

    // Reference frames: shown only.
    console.setStatus(cameraTag(camera) + QStringLiteral("Acquiring zero1"));
    clock.sleepMs(400);
    r.steps.takeFrame();
    clock.sleepMs(100);
    clock.processEvents();
    console.setStatus(cameraTag(camera) + QStringLiteral("Acquiring zero2"));
    r.steps.takeFrame();
    clock.sleepMs(100);
    clock.processEvents();
    r.steps.focusWindow();

    for (int level = 0; level < kLevels; ++level) {
        if (r.runState != -1)
            return LedBasalEnd::Stopped;
        console.setStatus(cameraTag(camera) + QStringLiteral("Setting power=") + QString::number(level));
        r.steps.setAllLeds(level, 20);
        clock.sleepMs(100);
        r.steps.takeFrame();
        clock.sleepMs(500);
        clock.processEvents();
        for (int led = 0; led < kLedCount; ++led)
            brightness[size_t(led)][size_t(level)] = r.leds.ledCamera[size_t(led)] == camera
                                                         ? ledRectangleBrightness(r.image, camera, r.leds, led)
                                                         : 0;
    }

    for (int led = 0; led < kLedCount; ++led) {
        if (r.runState != -1)
            return LedBasalEnd::Stopped;
        if (r.leds.ledCamera[size_t(led)] == camera)
            r.leds.ledPower[size_t(led)] = basalLedPower(brightness[size_t(led)]);
    }
    for (int led = 0; led < kLedCount; ++led) {
        if (r.runState != -1)
            return LedBasalEnd::Stopped;
        if (r.leds.ledCamera[size_t(led)] != camera)
            continue;
        console.setStatus(cameraTag(camera) + QStringLiteral("Setting led power=") + QString::number(led));
        r.steps.setLed(led, r.leds.ledPower[size_t(led)]);
    }
    if (r.runState != -1)
        return LedBasalEnd::Stopped;
    r.steps.writeLedPower(r.leds);
    clock.sleepMs(100);
    r.steps.takeFrame();
    clock.sleepMs(100);
    return LedBasalEnd::Written;
}
