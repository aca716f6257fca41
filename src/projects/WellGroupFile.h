#pragma once

#include "core/Globals.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

// chgroup.dat: the header "#Well, Group, name", then one line per well 0 to 383:
// well, group and the group's name in double quotes, or well,-1,"Free".

// The 385 lines of the file for a table.
QStringList wellGroupLines(const WellGroupTable& groups);

// Resets wells and names 0 to 383 (no group, "Free") and fills them from
// reports/<folder>/chgroup.dat; a missing file is written as the default (all
// "Free"). Lines whose well or group lies outside the tables are skipped. The
// group list is not rebuilt here.
void LoadWellGroups(const ProgramFolder& folder, const QString& relativeFolder, WellGroupTable& groups);

// The same parse into the report group table, from a run folder ("project\run"
// or "project/run").
void LoadWellGroupsProject(const ProgramFolder& folder, const QString& runPath, WellGroupTable& reportGroups);

// Writes the table as reports/<folder>/chgroup.dat; a failure is silent.
bool SaveWellGroups(const ProgramFolder& folder, const QString& relativeFolder, const WellGroupTable& groups);
