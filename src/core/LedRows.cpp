#include "core/LedRows.h"

#include "core/Fields.h"
#include "core/Rounding.h"
#include "core/TextFile.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int kHeaderLines = 2;

// A field that is a number as a whole: sign, digits, one decimal point.
std::optional<double> numberField(const QString& field)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = field.trimmed();
    if (!number.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

std::optional<int> wholeInt16(double v)
{
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(roundHalfEven(v));
}

std::optional<std::vector<int>> rowValues(const QString& line, int fieldCount, int ledField)
{
    const QStringList fields = splitFields(line);
    if (fields.size() < fieldCount)
        return std::nullopt;
    std::vector<int> values;
    values.reserve(static_cast<size_t>(fieldCount));
    for (int i = 0; i < fieldCount; ++i) {
        const std::optional<double> v = numberField(fields.at(i));
        if (!v)
            return std::nullopt;
        if (i == ledField && (*v < 0 || *v > kLedCount - 1))
            return std::nullopt;
        const std::optional<int> whole = wholeInt16(*v);
        if (!whole)
            return std::nullopt;
        values.push_back(*whole);
    }
    return values;
}

} // namespace

std::optional<LedRows> readLedRows(const QString& path, int fieldCount, int ledField)
{
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines)
        return std::nullopt;
    LedRows result;
    for (qsizetype i = kHeaderLines; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        if (line.trimmed().isEmpty())
            continue;
        if (std::optional<std::vector<int>> values = rowValues(line, fieldCount, ledField))
            result.rows.push_back(std::move(*values));
        else
            ++result.skipped;
    }
    return result;
}
