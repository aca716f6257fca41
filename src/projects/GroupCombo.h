#pragma once

#include "core/Globals.h"

#include <QStringList>

// The contents of the group list `combogrup`: one entry per group number from 0,
// each the number in three digits, "_" and the group's name.
struct GroupComboList {
    QStringList entries;
    int currentIndex = -1;
    bool operator==(const GroupComboList&) const = default;
};

// Rebuilds the group list and the used flags: groups 0 to the highest used one,
// plus the next free number. A used group still named "Free" is renamed "Group"
// and its number (the entry just built still reads "Free"). Selects the entry of
// the requested group, else the first.
GroupComboList RefreshGroupCombo(WellGroupTable& groups, int groupToSelect);
