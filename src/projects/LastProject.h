#pragma once

#include "core/ProgramFolder.h"
#include "core/Prompts.h"

#include <QString>

// reports/pj_sn<n>.dat: the project last in use with instrument n (0 offline).
QString lastProjectPath(const ProgramFolder& folder, int serialNumber);

// Replaces the last-project file with the name; a failure is ignored.
void WriteLastProject(const ProgramFolder& folder, int serialNumber, const QString& projectName);

// The first line of the last-project file; a missing file is created holding
// "default_project", which is returned; an empty file gives an empty name.
QString ReadLastProject(const ProgramFolder& folder, int serialNumber);

// Start-up's choice: the last project when it names one existing folder plainly
// inside `reports`; otherwise "Last project folder Not found!. setting default..."
// and "default_project".
QString lastProjectOrDefault(const ProgramFolder& folder, Prompts& prompts, const QString& lastProject);
