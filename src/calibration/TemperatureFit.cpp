#include "calibration/TemperatureFit.h"

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "plate/files/TempFactorFile.h"

#include <cmath>

namespace {

constexpr double kDefaultAt20 = 18.3;
constexpr double kDefaultAt37 = 47.744;
// The default and the new line may part by less than this at the present value.
constexpr double kPresentTolerance = 14;

// A number rounded to two decimals in its shortest form ("-1.7", "10.74").
QString shortHundredths(double v)
{
    return QString::number(roundToHundredths(v), 'g', 15);
}

} // namespace

std::optional<TemperatureFit> FitTemperatureCalibration(double r1, double t1, double r2, double t2, double present)
{
    if (r1 == r2)
        return std::nullopt;
    TemperatureFit fit;
    fit.slope = (t1 - t2) / (r1 - r2);
    fit.offset = t2 - fit.slope * r2;
    if (!std::isfinite(fit.slope) || !std::isfinite(fit.offset) || !std::isfinite(present))
        return std::nullopt;
    fit.delta20 = kDefaultAt20 - (20 * fit.slope + fit.offset);
    fit.delta37 = kDefaultAt37 - (37 * fit.slope + fit.offset);

    // The start-up loader throws out factors that miss the default line by 5
    // or more, so the fit is held to that, as fitted and as it will be stored.
    const TempCalibration fitted{fit.offset, fit.slope};
    const TempCalibration defaults;
    const bool nearPresent =
        std::fabs(fitted.degrees(present) - defaults.degrees(present)) < kPresentTolerance;
    fit.inRange = tempFactorsPlausibleAsStored(fitted) && nearPresent;
    return fit;
}

QStringList temperatureFitMessage(const TemperatureFit& fit)
{
    if (!fit.inRange)
        return {QStringLiteral("Temperature Calibration Out of Range!"), QStringLiteral(" Verify measurement values"),
                QStringLiteral("DELTA20=") + shortHundredths(fit.delta20),
                QStringLiteral("DELTA37=") + shortHundredths(fit.delta37)};
    const QString p = QStringLiteral("0.00");
    return {QStringLiteral("Parameters:"),
            QStringLiteral("[m=") + formatNumber(fit.slope, p) + QStringLiteral("];[b=") + formatNumber(fit.offset, p) +
                QStringLiteral("]"),
            QStringLiteral("DELTA20=") + formatNumber(fit.delta20, p),
            QStringLiteral("DELTA37=") + formatNumber(fit.delta37, p)};
}
