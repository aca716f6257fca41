#include "calibration/RunBlankFile.h"

#include "calibration/BlankStore.h"
#include "core/TextFile.h"

#include <QDir>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

std::optional<int> wholeNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        return std::nullopt;
    return v;
}

constexpr int kShortLow = std::numeric_limits<std::int16_t>::min();
constexpr int kShortHigh = std::numeric_limits<std::int16_t>::max();

} // namespace

void readBlankFileLines(const QStringList& lines, BlankRecord& blank)
{
    blank.blankLapse = 0;
    if (lines.size() > 1) {
        const qsizetype equals = lines.at(1).indexOf(QLatin1Char('='));
        if (equals >= 0)
            blank.blankLapse = std::int16_t(wholeNumber(lines.at(1).mid(equals + 1), kShortLow, kShortHigh).value_or(0));
    }
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        const std::optional<int> well = wholeNumber(line.left(comma), 0, kWellSlots - 1);
        const std::optional<int> count = wholeNumber(line.mid(comma + 1), kShortLow, kShortHigh);
        if (well && count)
            blank.blankValue[size_t(*well)] = std::int16_t(*count);
    }
}

QString runBlankFilePath(const QString& runFolder, const QString& formatCode)
{
    return resolvePathIgnoringCase(
        QDir(runFolder).filePath(QStringLiteral("blank_") + formatCode + QStringLiteral(".dat")));
}

BlankRecord ReadRunBlankFile(const QString& runFolder, const QString& formatCode)
{
    const auto lines = readTextFile(runBlankFilePath(runFolder, formatCode));
    if (!lines) {
        BlankRecord none;
        none.blankLapse = 30;
        return none;
    }
    BlankRecord blank;
    readBlankFileLines(*lines, blank);
    return blank;
}

bool CopyBlankToRun(const ProgramFolder& folder, int serialNumber, const QString& formatCode, const QString& runFolder,
                    BlankRecord& record)
{
    QStringList head = {QStringLiteral("none"), QStringLiteral("acqlapse=30"), QStringLiteral("\"#well\",\"Value\"")};
    // Entries 0 to 383 start empty; 384 keeps its value unless the store names it.
    std::fill(record.blankValue.begin(), record.blankValue.end() - 1, std::int16_t(0));
    record.blankLapse = 30;
    if (const auto store = readTextFile(blankStoreFilePath(folder, serialNumber, formatCode))) {
        for (qsizetype i = 0; i < 3; ++i)
            head[i] = i < store->size() ? store->at(i) : QString();
        readBlankFileLines(*store, record);
    }
    QStringList lines = head;
    for (int i = 0; i < kWellSlots - 1; ++i)
        lines << QString::number(i) + QLatin1Char(',') + QString::number(record.blankValue[size_t(i)]);
    return writeTextFile(runBlankFilePath(runFolder, formatCode), lines);
}
