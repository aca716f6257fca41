#include "calibration/ReportFactorReaders.h"

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString fileIn(const QString& folder, const char* name)
{
    return resolvePathIgnoringCase(QDir(folder).filePath(QString::fromLatin1(name)));
}

} // namespace

QByteArray ReadFactorCorrectionValues(const QString& folder, IntRefFactors& factors)
{
    std::fill(factors.mult_factor.begin(), factors.mult_factor.begin() + (kWellSlots - 1), 1.0);
    QByteArray bytes;
    const auto lines = readTextFile(fileIn(folder, "factor_correction.txt"));
    // Short files carry no factors: the table stays at 1.0.
    if (!lines || lines->size() < 3 || !lines->at(2).contains(QLatin1String("mult_factor")))
        return bytes;
    const QStringList fields = lines->at(2).split(QLatin1Char(' '));
    for (qsizetype i = 1; i < fields.size() && i - 1 < kWellSlots - 2; ++i) {
        QString text = fields.at(i).trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        if (text.isEmpty() && i == fields.size() - 1)
            break; // a trailing blank ends the line
        const double v = std::clamp(text.toDouble(), 0.0, 2.55);
        factors.mult_factor[static_cast<std::size_t>(i - 1)] = v;
        bytes.append(static_cast<char>(static_cast<unsigned char>(std::floor(v * 100.0))));
    }
    return bytes;
}

QString ReadFactorCorrectionFirstLine(const QString& folder)
{
    const auto lines = readTextFile(fileIn(folder, "factor_correction.txt"));
    if (!lines || lines->isEmpty())
        return QString();
    return QString(lines->first()).remove(QLatin1Char('"'));
}

int ReadSerialFile(const QString& folder)
{
    const auto lines = readTextFile(fileIn(folder, "serial.dat"));
    if (!lines || lines->isEmpty())
        return 0;
    bool ok = false;
    const double v = lines->first().mid(2).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<int>(r);
}
