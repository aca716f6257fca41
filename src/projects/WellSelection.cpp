#include "projects/WellSelection.h"

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "plate/pictures/PlatePictureGeometry.h"

#include <algorithm>

namespace {

bool selectsWells(int runState, PlateMouseButton button)
{
    return runState == 0 && button != PlateMouseButton::Other;
}

} // namespace

void beginWellSelection(WellSelectionState& selection, int runState, const PlateGrid& grid, PlateMouseButton button,
                      double x, double y)
{
    if (!selectsWells(runState, button))
        return;
    const std::optional<WellPosition> well = wellAtPoint(grid, x, y);
    if (!well)
        return;
    selection.selectStartColumn = well->column;
    selection.selectStartRow = well->row;
    selection.selectPending = true;
}

WellSelectionResult endWellSelection(WellSelectionState& selection, int runState, const PlateGrid& grid,
                                   PlateMouseButton button, double x, double y, const QString& combogrupText,
                                   WellGroupTable& groups, const RedrawWell& redrawWell)
{
    WellSelectionResult result;
    const bool pending = selection.selectPending;
    selection.selectPending = false;
    if (!selectsWells(runState, button))
        return result;
    const std::optional<WellPosition> well = wellAtPoint(grid, x, y);
    if (!well)
        return result;

    WellPosition first = *well;
    WellPosition last = *well;
    if (pending) {
        first = {std::min(well->column, selection.selectStartColumn), std::min(well->row, selection.selectStartRow)};
        last = {std::max(well->column, selection.selectStartColumn), std::max(well->row, selection.selectStartRow)};
    }
    const int group = button == PlateMouseButton::Left ? int(roundHalfEven(textValue(combogrupText.left(3)))) : -1;

    for (int row = first.row; row <= last.row; ++row) {
        for (int column = first.column; column <= last.column; ++column) {
            const int index = WellIndex(column, row, grid.rows);
            if (index < 0 || index >= kWellSlots)
                continue;
            groups.wellGroup[index] = group;
            if (button == PlateMouseButton::Left)
                result.combogrup = RefreshGroupCombo(groups, group);
            result.changedWells << index;
            if (redrawWell)
                redrawWell(index);
        }
    }
    return result;
}
