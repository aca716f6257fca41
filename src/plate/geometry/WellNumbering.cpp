#include "plate/geometry/WellNumbering.h"

QString wellName(int row, int column)
{
    if (row < 0 || row >= 26 || column < 0)
        return QString();
    return QChar(u'A' + row) + QString::number(column + 1);
}

std::optional<WellPosition> wellPosition(int index, const PlateGrid& grid)
{
    if (grid.isEmpty() || index < 0 || index >= grid.wells())
        return std::nullopt;
    return WellPosition{index / grid.rows, index % grid.rows};
}

QString wellNameOfIndex(int index, const PlateGrid& grid)
{
    const auto p = wellPosition(index, grid);
    return p ? wellName(p->row, p->column) : QString();
}
