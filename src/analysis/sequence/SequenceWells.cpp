#include "analysis/sequence/SequenceWells.h"

std::optional<SequenceFormat> sequenceFormat(const QString& formatCode)
{
    if (formatCode == QLatin1String("p35") || formatCode == QLatin1String("w6"))
        return SequenceFormat{2, 6};
    if (formatCode == QLatin1String("w12"))
        return SequenceFormat{3, 12};
    if (formatCode == QLatin1String("w24"))
        return SequenceFormat{4, 24};
    if (formatCode == QLatin1String("w48"))
        return SequenceFormat{6, 48};
    if (formatCode == QLatin1String("w96f"))
        return SequenceFormat{8, 96};
    return std::nullopt;
}

QStringList sequenceWellList(const QString& formatCode)
{
    QStringList wells;
    const std::optional<SequenceFormat> f = sequenceFormat(formatCode);
    if (!f)
        return wells;
    const int columns = f->wells / f->rows;
    for (int column = 0; column < columns; ++column)
        for (int row = 0; row < f->rows; ++row)
            wells << QChar(QLatin1Char('A').unicode() + row) + QString::number(column + 1);
    return wells;
}
