#include "plate/pictures/WellValue.h"

#include "core/NumberText.h"

double shownWellValue(double activity, int blankCount, int blankLapse, double elapsedMinutes, bool blankRun,
                      double intRefFactor)
{
    const double blankPart =
        (blankLapse >= 1 && !blankRun) ? double(blankCount) / blankLapse * elapsedMinutes : 0.0;
    const double value = (activity - blankPart) * intRefFactor;
    return value < 0 ? 0.0 : value;
}

QString wellValueText(double value)
{
    return formatNumber(value, QStringLiteral("0"));
}
