#include "calibration/BlankLabels.h"

BlankLabels ShowBlankLabels(const QString& blankName)
{
    if (blankName.isEmpty() || blankName == QStringLiteral("none"))
        return {QStringLiteral("none"), QString()};
    // Positions of "yyyymmdd_hhmmss"; names of another form are cut at the same places.
    const QString time = blankName.mid(0, 4) + QLatin1Char('.') + blankName.mid(4, 2) + QLatin1Char('.') +
                         blankName.mid(6, 2) + QLatin1Char(' ') + blankName.mid(9, 2) + QLatin1Char(':') +
                         blankName.mid(11, 2) + QLatin1Char('h');
    QString name = blankName.mid(15);
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    return {time, name};
}
