#pragma once

#include "core/Globals.h"
#include "projects/RunResults.h"

#include <QString>
#include <QStringList>

#include <array>

class PictureCanvas;

// groupTotal: each group's activity over every scan of the opened run.
using GroupTotals = std::array<double, kWellSlots>;

// SumGroupActivity: the totals of wells 0 to 23 by their group, each total
// kept whole as it grows; returns the largest, whole. Every scan adds its
// activity as it is, a negative one too. Totals are 64-bit: no run is too
// long or too active.
qint64 SumGroupActivity(const RunResults& run, const std::array<int, kWellSlots>& wellGroup, GroupTotals& totals);

struct GroupBarPlotInput {
    QStringList groupList; // combogrup: "007_Control"
    int selected = -1;     // the entry last clicked
    QString projectName;
    QString runStamp;
    QString acquisitionName;
};

// DrawGroupBarPlot: a grey bar per group of the list, at most ten, the axes,
// the scale's top and the title.
void DrawGroupBarPlot(PictureCanvas& canvas, const RunResults& run, const std::array<int, kWellSlots>& wellGroup,
                      const GroupBarPlotInput& input);
