#include "calibration/TemperatureCalibration.h"

#include "calibration/TemperatureFit.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"

#include <QDir>

#include <cmath>

namespace {

constexpr double kTemp1Low = 15;
constexpr double kTemp1High = 40;
constexpr double kTemp2Low = 8;
constexpr double kTemp2High = 51;
constexpr double kMinimumSpread = 5;

// A box read as the program reads typed numbers: a decimal comma counts as a point.
double boxValue(const QString& text) { return textValue(withDecimalPoint(text)); }

} // namespace

TemperatureCalibration::TemperatureCalibration(Globals& globals, const ProgramFolder& folder, TempCalibration& inForce,
                                               Console& console, Prompts& prompts)
    : globals_(globals), folder_(folder), inForce_(inForce), console_(console), prompts_(prompts)
{
}

bool TemperatureCalibration::open(int runState)
{
    if (globals_.dummyMode == 0 && !globals_.portOpen) {
        prompts_.message(kOfflineRefusal);
        return false;
    }
    if (runState > 0) {
        console_.setStatus(kTempCalibrationInRun);
        return false;
    }
    // The points are taken against the default line.
    const TempCalibration defaults;
    globals_.tempOffset = defaults.offset;
    globals_.tempSlope = defaults.slope;
    inForce_ = defaults;
    view.temp1Enabled = true;
    view.temp2Enabled = false;
    view.saveEnabled = false;
    view.visible = true;
    return true;
}

void TemperatureCalibration::setTemp1(const QString& currentText, double sensorValue)
{
    if (boxValue(currentText) <= 0) {
        prompts_.message(QStringLiteral("Please, Write a valid number"));
        return;
    }
    const double t1 = textValue(view.temp1Text);
    if (t1 < kTemp1Low || t1 > kTemp1High) {
        prompts_.message(QStringLiteral("Please, Write a valid number (15 to 40)"));
        view.temp1Text = QStringLiteral("22");
        return;
    }
    if (!std::isfinite(sensorValue))
        return;
    r1_ = sensorValue;
    t1_ = boxValue(view.temp1Text);
    view.temp2Enabled = true;
    view.temp1Enabled = false;
}

void TemperatureCalibration::setTemp2(const QString& currentText, double sensorValue)
{
    if (boxValue(currentText) <= 0)
        return;
    const double typed = textValue(view.temp2Text);
    if (typed < kTemp2Low || typed > kTemp2High) {
        prompts_.message(QStringLiteral("Valid Values between8-51°C"));
        view.temp2Text = QStringLiteral("35");
        view.saveEnabled = false;
        return;
    }
    const double t2 = boxValue(view.temp2Text);
    if (std::fabs(t2 - t1_) < kMinimumSpread) {
        prompts_.message(QStringLiteral("Difference between temperatures must be >5 degrees"));
        view.saveEnabled = false;
        return;
    }
    const std::optional<TemperatureFit> fit = FitTemperatureCalibration(r1_, t1_, sensorValue, t2, sensorValue);
    if (!fit)
        return; // equal sensor values give no line: the button does nothing
    prompts_.message(temperatureFitMessage(*fit).join(QStringLiteral("\r\n")));
    if (!fit->inRange) {
        view.saveEnabled = false;
        return;
    }
    inForce_.offset = roundToHundredths(fit->offset);
    inForce_.slope = roundToHundredths(fit->slope);
    view.saveEnabled = true;
}

bool TemperatureCalibration::save()
{
    globals_.tempOffset = roundToHundredths(inForce_.offset);
    globals_.tempSlope = roundToHundredths(inForce_.slope);
    const QString unit = folder_.unitFolder(globals_.serialNumber);
    if (!QDir().mkpath(unit) || !WriteTempFactorFile(folder_, globals_)) {
        // Closing as if saved would lose the calibration at the next start.
        prompts_.message(QStringLiteral("Could not write ") + tempFactorPath(folder_, globals_.serialNumber));
        return false;
    }
    view.visible = false;
    return true;
}

bool TemperatureCalibration::cancel()
{
    if (prompts_.question(QStringLiteral("Exit without Saving changes?"), PromptButtons::YesNo) != PromptAnswer::Yes)
        return false;
    view.visible = false;
    inForce_ = ReadTempFactor(folder_, globals_, console_, prompts_);
    return true;
}
