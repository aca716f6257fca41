#include "plate/files/LedRows.h"

#include "core/Fields.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <cstdint>

namespace {

constexpr int kHeaderLines = 2;

std::optional<std::vector<int>> rowValues(const QString& line, int fieldCount, int ledField)
{
    const QStringList fields = splitFields(line);
    if (fields.size() < fieldCount)
        return std::nullopt;
    std::vector<int> values;
    values.reserve(static_cast<size_t>(fieldCount));
    for (int i = 0; i < fieldCount; ++i) {
        const std::optional<double> v = strictNumberValue(fields.at(i));
        if (!v)
            return std::nullopt;
        if (i == ledField && (*v < 0 || *v > kLedCount - 1))
            return std::nullopt;
        const std::optional<std::int16_t> whole = roundedInt16(*v);
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
