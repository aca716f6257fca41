#include "plate/geometry/PlateFormat.h"

#include <array>

namespace {

struct FormatRow {
    const char* code;
    int rows;
    int columns;
    bool builtInTables;
};

constexpr std::array<FormatRow, 7> kFormats{{
    {"w96f", 8, 12, false},
    {"w96u", 8, 12, false},
    {"w48", 6, 8, false},
    {"w24", 4, 6, true},
    {"w12", 3, 4, false},
    {"w6", 2, 3, true},
    {"p35", 2, 3, true},
}};

const FormatRow* findFormat(const QString& code)
{
    for (const FormatRow& f : kFormats) {
        if (code == QLatin1String(f.code))
            return &f;
    }
    return nullptr;
}

} // namespace

PlateFormat resolvePlateFormat(const QString& code)
{
    const FormatRow* f = findFormat(code);
    if (!f)
        return PlateFormat{code, 0, 0, false};
    return PlateFormat{code, f->rows, f->columns, f->builtInTables};
}

PlateGrid plateGrid(const QString& code)
{
    const FormatRow* f = findFormat(code);
    return f ? PlateGrid{f->rows, f->columns} : PlateGrid{};
}

QStringList plateFormatCodes()
{
    QStringList codes;
    for (const FormatRow& f : kFormats)
        codes << QString::fromLatin1(f.code);
    return codes;
}

bool hasBuiltInTables(const QString& code)
{
    const FormatRow* f = findFormat(code);
    return f && f->builtInTables;
}

QStringList startupFormatList()
{
    return {QStringLiteral("w6"), QStringLiteral("w24")};
}

bool isFileNameSafeCode(const QString& code)
{
    return !code.contains(QLatin1Char('/')) && !code.contains(QLatin1Char('\\')) &&
           !code.contains(QChar(u'\0'));
}
