#include "acquisition/run/RunLoopText.h"

#include <QDir>

#include <cmath>
#include <cstdint>

namespace {

QString twoDigits(std::int64_t n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

} // namespace

QString elapsedTimeText(double elapsedSeconds)
{
    const auto total = static_cast<std::int64_t>(std::floor(std::max(elapsedSeconds, 0.0)));
    const std::int64_t days = total / 86400;
    const std::int64_t hours = total % 86400 / 3600;
    const std::int64_t minutes = total % 3600 / 60;
    const std::int64_t seconds = total % 60;
    return QLatin1Char('[') + twoDigits(days) + QStringLiteral("] ") + twoDigits(hours) + QLatin1Char(':') +
           twoDigits(minutes) + QLatin1Char('.') + twoDigits(seconds);
}

QString sampleStatusText(int scanIndex, int camera, int window, int sample)
{
    return QStringLiteral("[Scan") + QString::number(scanIndex + 1) + QStringLiteral("_C") +
           QString::number(camera + 1) + QLatin1Char('.') + QString::number(window) + QStringLiteral("] Frame #") +
           QString::number(sample) + QStringLiteral("/10");
}

QString frameLengthText(qsizetype length) { return QString::number(length) + QStringLiteral("bytes"); }

QString communicationErrorText(int camera, double elapsedSeconds)
{
    return QStringLiteral("Communication Error CAM") + QString::number(camera) + QLatin1Char(' ') +
           elapsedTimeText(elapsedSeconds);
}

QString runFileFailureText(const QString& path)
{
    return QStringLiteral("Run stopped: ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" could not be written. The disk is full or not writable; what was recorded before is kept.");
}

QString noAnswerText(int failures, int mostFailures)
{
    return QStringLiteral("No answer from the instrument (%1 of %2)").arg(failures).arg(mostFailures);
}
