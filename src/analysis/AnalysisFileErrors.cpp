#include "analysis/AnalysisFileErrors.h"

#include "core/FreeSpace.h"

#include <QDir>

namespace {

QString sizeText(qint64 bytes)
{
    constexpr double kMega = 1e6;
    constexpr double kGiga = 1e9;
    if (bytes >= qint64(kGiga))
        return QString::number(double(bytes) / kGiga, 'f', 1) + QStringLiteral(" GB");
    return QString::number(double(bytes) / kMega, 'f', 1) + QStringLiteral(" MB");
}

} // namespace

QString analysisWriteError(const QString& words, const QString& path)
{
    return words + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
           QStringLiteral("\ncould not be written: the disk is full or the folder is not writable.");
}

QString analysisImageRoomError(const FreeSpace& space, const QString& words, const QString& folder, qint64 images,
                               qint64 bytes)
{
    const qint64 free = space.freeBytes(folder);
    if (free < 0 || images <= 0 || bytes <= free)
        return QString();
    return words + QLatin1Char('\n') +
           QStringLiteral("%1 images need %2; %3 holds %4 free. Nothing was written.")
               .arg(QString::number(images), sizeText(bytes), QDir::toNativeSeparators(folder), sizeText(free));
}
