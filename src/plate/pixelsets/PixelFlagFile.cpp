#include "plate/pixelsets/PixelFlagFile.h"

#include "core/NumberText.h"
#include "core/TextFile.h"
#include "plate/pixelsets/PixelMask.h"

#include <optional>

namespace {

// A field as a 16-bit number. Plain whole numbers, as the program writes them,
// are read at once; anything else goes through the strict conversion.
std::optional<std::int16_t> fieldValue(QStringView field)
{
    qsizetype i = 0;
    const bool negative = !field.isEmpty() && field.at(0) == QLatin1Char('-');
    if (negative)
        ++i;
    int value = 0;
    const qsizetype digitsFrom = i;
    for (; i < field.size() && i - digitsFrom < 6; ++i) {
        const QChar c = field.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    if (i == field.size() && i > digitsFrom && value <= 32767)
        return static_cast<std::int16_t>(negative ? -value : value);
    return toInt16Strict(field.toString());
}

} // namespace

QStringList pixelValueFileLines(const std::function<QString(int line, int pixel)>& valueAt)
{
    QStringList lines;
    lines.reserve(1 + PixelMask::kSensorLines * PixelMask::kSensorPixels);
    lines << kPixelFlagFileHeader;
    for (int line = 0; line < PixelMask::kSensorLines; ++line) {
        const QString linePrefix = QString::number(line) + QLatin1Char(',');
        for (int pixel = 0; pixel < PixelMask::kSensorPixels; ++pixel)
            lines << linePrefix + QString::number(pixel) + QLatin1Char(',') + valueAt(line, pixel);
    }
    return lines;
}

QStringList pixelFlagFileLines(const std::function<bool(int line, int pixel)>& enabledAt)
{
    const QString on = QStringLiteral("1");
    const QString off = QStringLiteral("0");
    return pixelValueFileLines([&](int line, int pixel) { return enabledAt(line, pixel) ? on : off; });
}

bool readPixelFlagRows(const QString& path, const std::function<void(const PixelFlagRow&)>& onRow)
{
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines)
        return false;
    for (qsizetype i = 1; i < lines->size(); ++i) {
        const QString& text = lines->at(i);
        if (text.isEmpty())
            continue;
        const qsizetype first = text.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char(','), first + 1);
        if (second < 0)
            continue;
        const QStringView view(text);
        const std::optional<std::int16_t> line = fieldValue(view.left(first));
        const std::optional<std::int16_t> pixel = fieldValue(view.mid(first + 1, second - first - 1));
        const std::optional<std::int16_t> flag = fieldValue(view.mid(second + 1));
        if (!line || !pixel || !flag)
            continue;
        onRow(PixelFlagRow{*line, *pixel, *flag});
    }
    return true;
}
