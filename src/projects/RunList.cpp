#include "projects/RunList.h"

#include "projects/ProjectFolders.h"
#include "projects/SubpjInfo.h"

#include <QFileInfo>

namespace {
const QLatin1Char kTab('\t');

QString projectFolderPath(const ProgramFolder& folder, const QString& project)
{
    return folder.reportsFolder() + QLatin1Char('/') + project;
}
} // namespace

QString projectLineText(const QString& firstRunName, const QString& project)
{
    return QStringLiteral("+ ") + firstRunName.mid(0, 4) + QLatin1Char('.') + firstRunName.mid(4, 4) + kTab + project;
}

QString runLineText(const QString& runFolderName, const QString& subpjFirstLine)
{
    return QStringLiteral("  > ") + runFolderName.mid(0, 4) + QLatin1Char('.') + runFolderName.mid(4, 4) + kTab +
           QStringLiteral(" ACQ") + runFolderName.mid(9, 2) + QLatin1Char(':') + runFolderName.mid(11, 2) +
           QStringLiteral(" \"") + subpjFirstLine + QLatin1Char('"');
}

RunListing ListProjects(const ProgramFolder& folder, const QStringList& expanded)
{
    RunListing listing;
    for (const QString& project : listProjects(folder)) {
        QStringList runs = listFolder(projectFolderPath(folder, project), QStringLiteral("????????_????*"));
        runs.removeIf([](const QString& name) { return name.contains(QLatin1Char('.')); });
        if (runs.isEmpty())
            continue;
        listing.lines.push_back({RunListLine::Kind::Project, projectLineText(runs.first(), project), project, {}});
        if (expanded.contains(project))
            ListProjectAcquisitions(folder, project, listing);
    }
    return listing;
}

void ListProjectAcquisitions(const ProgramFolder& folder, const QString& project, RunListing& listing)
{
    const QString projectFolder = projectFolderPath(folder, project);
    const QStringList runs = listFolder(projectFolder, QStringLiteral("????????_??????*"));
    if (runs.isEmpty())
        return;
    listing.lastListedProjectFolder = projectFolder;
    for (const QString& run : runs) {
        const QString runFolder = projectFolder + QLatin1Char('/') + run;
        if (!QFileInfo::exists(resolvePathIgnoringCase(runFolder + QStringLiteral("/current_activity.txt"))))
            continue;
        listing.lines.push_back(
            {RunListLine::Kind::Run, runLineText(run, ReadSubpjFirstLine(runFolder)), project, run});
    }
}
