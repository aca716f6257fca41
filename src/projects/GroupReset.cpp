#include "projects/GroupReset.h"

#include "plate/geometry/WellNumbering.h"

GroupComboList ResetWellGroups(WellGroupTable& groups, int plateRows, int plateColumns,
                               const RedrawWell& redrawWell)
{
    for (int i = 0; i < kWellSlots - 1; ++i) {
        groups.wellGroup[i] = -1;
        groups.groupName[i] = QStringLiteral("Free");
    }
    if (redrawWell) {
        for (int r = 0; r < plateRows; ++r) {
            for (int c = 0; c < plateColumns; ++c) {
                const int well = WellIndex(c, r, plateRows);
                if (well < kWellSlots)
                    redrawWell(well);
            }
        }
    }
    return RefreshGroupCombo(groups, 0);
}
