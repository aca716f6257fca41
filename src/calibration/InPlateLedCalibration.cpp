#include "calibration/InPlateLedCalibration.h"

#include "calibration/CameraLedAutocalibration.h"
#include "calibration/LedBasalPower.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"
#include "plate/geometry/WellMask.h"

namespace {

constexpr int kLevels = 9;
constexpr int kHighestLevel = 8;

QString progress(int level)
{
    return QStringLiteral("Autocalibration status = ") + QString::number(roundHalfEven(100.0 / 8 * level)) +
           QStringLiteral("%");
}

} // namespace

void balanceAgainstMean(const std::vector<LedLevels>& levels, std::vector<int>& powers)
{
    if (levels.empty() || levels.size() != powers.size())
        return;
    double sum = 0;
    for (size_t i = 0; i < levels.size(); ++i)
        sum += levels[i][size_t(powers[i])];
    const double mean = sum / double(levels.size());
    for (size_t i = 0; i < levels.size(); ++i) {
        int& p = powers[i];
        const double b = levels[i][size_t(p)];
        if (b <= 0.95 * mean) {
            while (levels[i][size_t(p)] <= mean && p < kHighestLevel)
                ++p;
        } else if (b >= mean) {
            while (levels[i][size_t(p)] >= 0.7 * mean && p > 0)
                --p;
        }
    }
}

void AutocalibrateAndSaveCameraLeds(LedCalibrationRun& r, Prompts& prompts)
{
    Clock& clock = r.ctx.clock;
    Console& console = r.ctx.console;
    const int camera = int(roundHalfEven(textValue(r.boxes.txt_cam)));
    r.steps.loadTables(r.leds);

    r.steps.setAllLeds(0, 50);
    clock.sleepMs(100);
    r.steps.setDefaultWindow();
    clock.sleepMs(50);
    r.boxes.txt_speed = QStringLiteral("1");
    r.boxes.txt_exposure = QStringLiteral("240");
    clock.sleepMs(10);
    r.steps.applyCameraSettings();

    console.setStatus(progress(0));
    clock.sleepMs(100);
    r.steps.takeAutoCalibrationFrame();
    clock.sleepMs(100);
    clock.processEvents();
    console.setStatus(progress(0));
    r.steps.takeAutoCalibrationFrame();
    clock.sleepMs(100);
    clock.processEvents();
    r.steps.focusWindow();

    // Every pixel the frame delivered counts: no well mask.
    WellMask everywhere;
    everywhere.fill(camera, true);
    std::vector<int> cameraLeds;
    for (int led = 0; led < kLedCount; ++led)
        if (r.leds.ledCamera[size_t(led)] == camera)
            cameraLeds.push_back(led);
    std::vector<LedLevels> levels(cameraLeds.size(), LedLevels{});
    for (int level = 0; level < kLevels; ++level) {
        console.setStatus(progress(level));
        r.steps.setAllLeds(level, 20);
        clock.sleepMs(100);
        r.steps.takeAutoCalibrationFrame();
        clock.sleepMs(10);
        clock.processEvents();
        for (size_t i = 0; i < cameraLeds.size(); ++i)
            levels[i][size_t(level)] = ledBrightness(r.image, everywhere, camera, r.leds.entry(cameraLeds[i]));
    }
    r.steps.setAllLeds(0, 20);
    clock.sleepMs(100);

    std::vector<int> powers;
    for (const LedLevels& l : levels)
        powers.push_back(basalLedPower(l));
    if (prompts.question(QStringLiteral("Apply 2nd round of adjustment?"), PromptButtons::YesNo) == PromptAnswer::Yes)
        balanceAgainstMean(levels, powers);
    for (size_t i = 0; i < cameraLeds.size(); ++i)
        r.leds.ledPower[size_t(cameraLeds[i])] = powers[i];

    for (size_t i = 0; i < cameraLeds.size(); ++i) {
        console.setStatus(QStringLiteral("CAM[%1]: Setting led power=%2").arg(camera).arg(cameraLeds[i]));
        r.steps.setLed(cameraLeds[i], powers[i]);
    }
    r.steps.writeLedPower(r.leds);
    clock.sleepMs(100);
    r.steps.takeAutoCalibrationFrame();
    clock.processEvents();
    clock.sleepMs(10);
    console.setStatus(QStringLiteral("1er ajuste"));
}
