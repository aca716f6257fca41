#include "projects/GroupCombo.h"

#include "core/NumberText.h"

#include <algorithm>

namespace {
constexpr int kListedWells = 384; // wells and groups 0 to 383

QString entryText(int group, const QString& name)
{
    return QStringLiteral("%1_").arg(group, 3, 10, QLatin1Char('0')) + name;
}
} // namespace

GroupComboList RefreshGroupCombo(WellGroupTable& groups, int groupToSelect)
{
    GroupComboList list;
    for (int n = 0; n < kListedWells; ++n)
        groups.groupUsed[n] = false;

    int maxGroup = -1;
    for (int w = 0; w < kListedWells; ++w) {
        const int g = groups.wellGroup[w];
        if (g < 0 || g >= kWellSlots)
            continue; // not a group the table can hold
        groups.groupUsed[g] = true;
        maxGroup = std::max(maxGroup, g);
    }

    const QString free = QStringLiteral("Free");
    for (int n = 0; n < kListedWells; ++n) {
        if (groups.groupUsed[n] || n <= maxGroup) {
            list.entries << entryText(n, groups.groupName[n]);
            if (groups.groupUsed[n] && groups.groupName[n] == free)
                groups.groupName[n] = QStringLiteral("Group%1").arg(n);
        } else if (n == maxGroup + 1) {
            list.entries << entryText(n, groups.groupName[n]);
        }
    }

    list.currentIndex = 0;
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        if (textValue(list.entries.at(i).left(3)) == groupToSelect) {
            list.currentIndex = static_cast<int>(i);
            break;
        }
    }
    return list;
}
