#include "calibration/RunBlankFile.h"

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QDir>

#include <cmath>
#include <limits>

namespace {

std::int16_t toShort(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(r);
}

} // namespace

QString runBlankFilePath(const QString& runFolder, const QString& formatCode)
{
    return resolvePathIgnoringCase(
        QDir(runFolder).filePath(QStringLiteral("blank_") + formatCode + QStringLiteral(".dat")));
}

BlankRecord ReadRunBlankFile(const QString& runFolder, const QString& formatCode)
{
    BlankRecord blank;
    blank.blankLapse = 30;
    const auto lines = readTextFile(runBlankFilePath(runFolder, formatCode));
    if (!lines)
        return blank;
    if (lines->size() > 1)
        blank.blankLapse = toShort(lines->at(1));
    for (qsizetype i = 3, well = 0; i < lines->size() && well < kWellSlots - 1; ++i, ++well)
        blank.blankValue[static_cast<std::size_t>(well)] = toShort(lines->at(i));
    return blank;
}
