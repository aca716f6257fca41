#include "analysis/chemotaxis/ChemotaxisFormat.h"

#include "core/Globals.h"
#include "core/NumberText.h"

std::optional<ChemotaxisFormat> chemotaxisFormat(const QString& code)
{
    if (code == QLatin1String("w6") || code == QLatin1String("p35"))
        return ChemotaxisFormat{6, 2, 1, 1};
    if (code == QLatin1String("w24"))
        return ChemotaxisFormat{24, 4, 2, 2};
    if (code == QLatin1String("w12"))
        return ChemotaxisFormat{12, 3, 2, 1};
    if (code == QLatin1String("w48"))
        return ChemotaxisFormat{48, 6, 3, 1};
    if (code == QLatin1String("w96f"))
        return ChemotaxisFormat{96, 8, 4, 1};
    return std::nullopt;
}

int chemotaxisWellIndex(const QString& wellName, int rows)
{
    if (wellName.isEmpty())
        return -1;
    const double column = textValue(wellName.mid(1));
    // A column no plate has (a damaged name) is no well, and must not overflow onto one.
    if (!(column >= 1 && column <= kWellSlots))
        return -1;
    const int row = wellName.at(0).unicode() - 'A';
    return int(column - 1) * rows + row;
}

QString chemotaxisWellName(int wellIndex, int rows)
{
    if (rows <= 0)
        return QString();
    return QChar(QLatin1Char('A').unicode() + wellIndex % rows) + QString::number(wellIndex / rows + 1);
}
