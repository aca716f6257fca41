#pragma once

#include "core/Globals.h"
#include "core/Prompts.h"
#include "projects/GroupCombo.h"
#include "projects/GroupReset.h"

#include <QString>
#include <optional>

// Replaces every group by blocks of the shape of a group-option caption
// ("02x03 [RowsxColumn]": 2 rows by 3 columns), numbered down each block column
// and then across, named "Group" and the number; then rebuilds the list (group 0
// selected) and redraws every well of the grid (rows outer). A caption without
// a shape changes nothing and gives no list.
std::optional<GroupComboList> AutoArrangeWellGroups(WellGroupTable& groups, int plateRows, int plateColumns,
                                                    const QString& caption, const RedrawWell& redrawWell = {});

// Renames the group of the selected list entry with an input box ("Enter Group
// Name", the current name offered); an empty answer or Cancel names it "Free".
// The entry of that group in the list shows the new name. Returns whether the
// list changed.
bool renameGroup(WellGroupTable& groups, GroupComboList& list, Prompts& prompts);

// "Do you like to Clear Group lists?": on Yes every group is cleared, the grid
// redrawn and the rebuilt list returned; on No nothing changes.
std::optional<GroupComboList> clearWellGroups(WellGroupTable& groups, int plateRows, int plateColumns,
                                              Prompts& prompts, const RedrawWell& redrawWell = {});
