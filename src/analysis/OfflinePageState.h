#pragma once

#include "core/Globals.h"
#include "plate/geometry/PlateFormat.h"
#include "projects/RunResults.h"

#include <QString>
#include <QStringList>

// The saved-data page's own state: made when the page loads, gone when it
// unloads. The page keeps its own run tables, grid and groups, so opening a
// recorded run never touches the main window's.
struct OfflinePageState {
    int plotView = 1;              // 1 group bar plot, 2 heat map
    bool areaExportActive = false; // the activity-area export collects rows
    int projectListMode = 0;
    QStringList projectExpanded;   // projects showing their runs, by folder name
    bool jointReportMode = false;

    // The opened run.
    QString projectName;
    QString runStamp;           // yyyymmdd_hhmm
    QString runAcquisitionName; // first line of subpj.dat
    QString openRunFolder;      // what "Explore Folder" opens: the run, or the project last listed
    QString pageRunFolder;      // the run last opened; empty until one is
    QString runRelativePath;    // project/run below reports
    QString plateFormat;        // txt_welltype
    PlateGrid grid;             // plateRows x plateColumns
    RunResults run;
    WellGroupTable groups;      // pageWellGroup / pageGroupName
    QStringList groupList;      // combogrup
};
