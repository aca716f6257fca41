#include "projects/GroupEditing.h"

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "plate/geometry/WellNumbering.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kListedWells = 384;

// A small whole number from a caption's digits by the numeric-value rule; 0 when none fits.
int shapeNumber(const QString& text)
{
    const double v = textValue(text);
    if (!std::isfinite(v) || v < 0 || v > 1000)
        return 0;
    return static_cast<int>(roundHalfEven(v));
}

QString entryText(int group, const QString& name)
{
    return QStringLiteral("%1_").arg(group, 3, 10, QLatin1Char('0')) + name;
}

void redrawGrid(int plateRows, int plateColumns, const RedrawWell& redrawWell)
{
    if (!redrawWell)
        return;
    for (int r = 0; r < plateRows; ++r) {
        for (int c = 0; c < plateColumns; ++c) {
            const int well = WellIndex(c, r, plateRows);
            if (well < kWellSlots)
                redrawWell(well);
        }
    }
}

} // namespace

std::optional<GroupComboList> AutoArrangeWellGroups(WellGroupTable& groups, int plateRows, int plateColumns,
                                                    const QString& caption, const RedrawWell& redrawWell)
{
    const int rp = shapeNumber(caption.left(2));
    const int cp = shapeNumber(caption.mid(3, 2));
    if (rp < 1 || cp < 1 || plateRows < 1 || plateColumns < 1)
        return std::nullopt;

    for (int i = 0; i < kListedWells; ++i) {
        groups.wellGroup[i] = -1;
        groups.groupName[i] = QStringLiteral("Free");
    }
    const int plateWells = std::min(plateRows * plateColumns, kListedWells);
    const int blocks = plateRows * plateColumns / (rp * cp);
    for (int g = 0; g <= blocks && g < kListedWells; ++g) {
        int first = -1;
        for (int w = 0; w < plateWells; ++w) {
            if (groups.wellGroup[w] < 0) {
                first = w;
                break;
            }
        }
        if (first < 0)
            continue;
        for (int j = 1; j <= rp; ++j) {
            for (int k = 1; k <= cp; ++k) {
                const int well = first + (j - 1) + (k - 1) * plateRows;
                if (well >= plateWells || groups.wellGroup[well] >= 0)
                    continue;
                groups.wellGroup[well] = g;
                groups.groupName[g] = QStringLiteral("Group%1").arg(g);
            }
        }
    }
    GroupComboList list = RefreshGroupCombo(groups, 0);
    redrawGrid(plateRows, plateColumns, redrawWell);
    return list;
}

bool renameGroup(WellGroupTable& groups, GroupComboList& list, Prompts& prompts)
{
    if (list.currentIndex < 0 || list.currentIndex >= list.entries.size())
        return false;
    const QString selected = list.entries.at(list.currentIndex);
    const int n = shapeNumber(selected.left(3));
    const QString answer = prompts.input(QStringLiteral("Enter Group Name"), QString(), selected.mid(4));
    if (n >= kListedWells || n >= list.entries.size())
        return false; // the entry does not describe a group of the table
    const QString name = answer.isEmpty() ? QStringLiteral("Free") : answer;
    list.entries[n] = entryText(n, name);
    groups.groupName[n] = name;
    return true;
}

std::optional<GroupComboList> clearWellGroups(WellGroupTable& groups, int plateRows, int plateColumns,
                                              Prompts& prompts, const RedrawWell& redrawWell)
{
    if (prompts.question(QStringLiteral("Do you like to Clear Group lists?"), PromptButtons::YesNo) != PromptAnswer::Yes)
        return std::nullopt;
    return ResetWellGroups(groups, plateRows, plateColumns, redrawWell);
}
