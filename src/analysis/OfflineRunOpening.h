#pragma once

#include "analysis/OfflinePageState.h"
#include "core/ProgramFolder.h"
#include "projects/RunList.h"

class Prompts;

// Opening the run of a list line into the page's state.
enum class RunOpeningResult {
    Opened,        // tables, groups and runFolder hold the run
    NoActivity,    // format and emptied tables only: the folder has no current_activity.txt
    NotFound,      // "Error finding folder"
    TimeRefused,   // "Error entering time"
    FormatRefused, // "Error entering Plate_Format"
    RunActive,     // an acquisition writes into runFolder: nothing opened
};

inline const QString kFolderNotFoundMessage = QStringLiteral("Error finding folder");
inline const QString kRunActiveMessage =
    QStringLiteral("An acquisition is running. Stop it before opening a recorded run.");

// The run of `line` into `page`; `runFolder` (the shared one) becomes the run's
// folder once its activity file is read. The line's own folder is opened, not
// the first one of its minute.
RunOpeningResult openRecordedRun(const ProgramFolder& folder, const RunListLine& line, bool acquisitionRunning,
                                 Prompts& prompts, OfflinePageState& page, QString& runFolder);

// The fold of a project line: its name is added to or taken from the expanded ones.
void toggleProjectFold(const QString& project, OfflinePageState& page);
