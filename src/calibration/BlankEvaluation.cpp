#include "calibration/BlankEvaluation.h"

#include "calibration/BlankStoreWrite.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Rounding.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr int kDataLines = kWellSlots - 1;
constexpr int kHeaderLines = 2;
constexpr double kShortestShare = 0.8;

struct ActivityLine {
    int index = 0;
    std::int16_t value = 0;
    std::int16_t minutes = 0;
};

// "time "well" value": the fields split at the first two blanks.
std::optional<ActivityLine> parseLine(const QString& line, int rows)
{
    const qsizetype first = line.indexOf(QLatin1Char(' '));
    if (first < 0)
        return std::nullopt;
    const qsizetype second = line.indexOf(QLatin1Char(' '), first + 1);
    if (second < 0)
        return std::nullopt;
    QString time = line.left(first);
    QString well = line.mid(first + 1, second - first - 1);
    const QString value = line.mid(second + 1);
    time.remove(QLatin1Char('"'));
    time.replace(QLatin1Char(','), QLatin1Char('.'));
    well.remove(QLatin1Char('"'));
    if (well.isEmpty())
        return std::nullopt;

    const int row = well.at(0).unicode() - 'A';
    const double number = textValue(well.mid(1));
    if (!std::isfinite(number) || std::fabs(number) > kWellSlots)
        return std::nullopt; // no well of any plate
    const std::int64_t column = roundHalfEven(number) - 1;
    const std::int64_t index = column * rows + row;
    if (index < 0 || index >= kWellSlots)
        return std::nullopt;
    const std::optional<std::int16_t> count = toInt16Strict(value);
    const std::optional<double> at = strictNumberValue(time);
    if (!count || !at)
        return std::nullopt;
    const std::optional<std::int16_t> minutes = roundedInt16(*at);
    if (!minutes)
        return std::nullopt;
    return ActivityLine{int(index), *count, *minutes};
}

QString folderName(const QString& runFolder)
{
    QString path = runFolder;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

int blankFormatRows(const QString& code)
{
    if (code == QLatin1String("w96f") || code == QLatin1String("w96u"))
        return 8;
    if (code == QLatin1String("w48"))
        return 6;
    if (code == QLatin1String("w24"))
        return 4;
    if (code == QLatin1String("w12"))
        return 3;
    if (code == QLatin1String("w6") || code == QLatin1String("p35"))
        return 2;
    return 0;
}

BlankEvaluation evaluateBlankRun(const ProgramFolder& folder, int serialNumber, const QString& runFolder,
                                 const QString& code, double minutes)
{
    const BlankEvaluation failed{false, kBlankFileError};
    const int rows = blankFormatRows(code);
    std::array<std::int16_t, kWellSlots> counts{};
    int latest = 0;
    const QString name = folderName(runFolder);

    QFile file(resolvePathIgnoringCase(QDir(runFolder).filePath(QStringLiteral("current_activity.txt"))));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return failed;
    for (int i = 0; i < kHeaderLines && !file.atEnd(); ++i)
        file.readLine();
    while (!file.atEnd()) {
        QByteArray bytes = file.readLine();
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        const std::optional<ActivityLine> line = parseLine(QString::fromLatin1(bytes), rows);
        if (!line)
            return failed;
        counts[size_t(line->index)] = line->value;
        latest = std::max(latest, int(line->minutes));
    }
    file.close();

    if (kShortestShare * minutes > latest) {
        return {false, QStringLiteral("ERROR! Expected acqusition=") + QString::number(minutes, 'g', 15) +
                           QStringLiteral(". Found=") + QString::number(latest)};
    }
    QStringList lines = {name, QStringLiteral("acqlapse=") + formatNumber(double(roundHalfEven(minutes)),
                                                                          QStringLiteral("0000")),
                         kBlankHeader};
    for (int i = 0; i < kDataLines; ++i)
        lines << QString::number(i) + QLatin1Char(',') + QString::number(counts[size_t(i)]);
    if (!writeBlankStoreFile(folder, serialNumber, code, lines))
        return failed;
    return {true, kBlankOk};
}
