#include "calibration/BlankMeasurementStart.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

namespace {
constexpr double kShortestBlank = 30;
constexpr double kLongestBlank = 1440;
} // namespace

std::optional<int> blankLapseMinutes(const QString& text)
{
    QString packed = text;
    packed.remove(QLatin1Char(' '));
    const double minutes = textValue(packed);
    if (!(minutes >= kShortestBlank && minutes <= kLongestBlank))
        return std::nullopt;
    return int(roundHalfEven(minutes));
}

QString blankProjectName(int serialNumber)
{
    QString name = QStringLiteral("_internal_blank_measurement");
    if (serialNumber >= 1)
        name += QStringLiteral("SN") + QString::number(serialNumber);
    return name;
}

QString blankAcquisitionName(const QString& cleanedName)
{
    return QStringLiteral("_blank_") + cleanedName;
}
