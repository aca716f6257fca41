#pragma once

#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

#include <vector>

// One line of the saved-data page's project and run list. The line remembers
// what it stands for, so two runs of the same minute each open their own folder.
struct RunListLine {
    enum class Kind { Project, Run };
    Kind kind = Kind::Project;
    QString text;
    QString projectName;
    QString runFolderName; // empty on a project line
};

struct RunListing {
    std::vector<RunListLine> lines;
    // The folder of the last project whose runs were listed; empty when none was.
    QString lastListedProjectFolder;
};

// "+ ", yyyy, ".", mmdd, Tab, project.
QString projectLineText(const QString& firstRunName, const QString& project);

// "  > ", yyyy, ".", mmdd, Tab, " ACQ", hh, ":", mm, a blank, the quoted first line of subpj.dat.
QString runLineText(const QString& runFolderName, const QString& subpjFirstLine);

// ListProjects: every project with at least one run folder, and under each
// project named in `expanded` its recorded runs. Unfolded names of projects
// that no longer exist simply match nothing.
RunListing ListProjects(const ProgramFolder& folder, const QStringList& expanded);

// ListProjectAcquisitions: the run lines of one project, oldest first; only
// folders holding current_activity.txt get a line. Appends to the listing.
void ListProjectAcquisitions(const ProgramFolder& folder, const QString& project, RunListing& listing);
