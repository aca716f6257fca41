#pragma once

#include "core/Globals.h"
#include "projects/GroupCombo.h"

#include <functional>

// Redraws one well of the plate picture with its group marks (the plate picture's job).
using RedrawWell = std::function<void(int wellIndex)>;

// Every well to no group and every group name to "Free"; each well of the
// plateRows x plateColumns grid is redrawn (rows outer, columns inner), then the
// group list is rebuilt, which it returns.
GroupComboList ResetWellGroups(WellGroupTable& groups, int plateRows, int plateColumns,
                               const RedrawWell& redrawWell = {});
