#include "projects/LastProject.h"

#include "core/TextFile.h"
#include "projects/ProjectFolders.h"

#include <QFileInfo>

QString lastProjectPath(const ProgramFolder& folder, int serialNumber)
{
    return folder.path(QStringLiteral("reports/pj_sn%1.dat").arg(serialNumber));
}

void WriteLastProject(const ProgramFolder& folder, int serialNumber, const QString& projectName)
{
    writeTextFile(lastProjectPath(folder, serialNumber), {projectName});
}

QString ReadLastProject(const ProgramFolder& folder, int serialNumber)
{
    const QString path = lastProjectPath(folder, serialNumber);
    const QString fallback = QStringLiteral("default_project");
    if (!QFileInfo::exists(path)) {
        writeTextFile(path, {fallback});
        return fallback;
    }
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines || lines->isEmpty())
        return QString();
    return lines->first();
}

QString lastProjectOrDefault(const ProgramFolder& folder, Prompts& prompts, const QString& lastProject)
{
    if (isExistingReportsFolder(folder, lastProject))
        return lastProject;
    prompts.message(QStringLiteral("Last project folder Not found!. setting default..."));
    return QStringLiteral("default_project");
}
