#pragma once

#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

// The folder-safe form of a typed name: ASCII letters and digits stay, every
// other character (blank, accented, any non-ASCII) becomes "_", then lower case.
// The result has as many characters as the name.
QString MakeFolderSafeName(const QString& name);

// A name's length in characters (not UTF-16 units).
int characterCount(const QString& name);

// An entry of `reports` is a project when its name has no "." and is longer
// than 2 characters.
bool isProjectName(const QString& name);

// The projects of `reports` in listing order (by name, case ignored).
QStringList listProjects(const ProgramFolder& folder);

// The number of projects under `reports`.
int CountProjectFolders(const ProgramFolder& folder);

// Whether a name is one plain existing folder directly in `reports`: no
// separator, no "." or "..", nothing that leads outside the tree.
bool isExistingReportsFolder(const ProgramFolder& folder, const QString& name);
