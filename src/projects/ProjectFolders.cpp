#include "projects/ProjectFolders.h"

#include <QFileInfo>

QString MakeFolderSafeName(const QString& name)
{
    QString safe;
    for (const char32_t c : name.toUcs4()) {
        const bool keep = (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
        safe += keep ? QChar(static_cast<char16_t>(c)).toLower() : QLatin1Char('_');
    }
    return safe;
}

int characterCount(const QString& name)
{
    return static_cast<int>(name.toUcs4().size());
}

bool isProjectName(const QString& name)
{
    return !name.contains(QLatin1Char('.')) && characterCount(name) > 2;
}

QStringList listProjects(const ProgramFolder& folder)
{
    QStringList projects;
    const QStringList entries = listFolder(folder.reportsFolder(), QStringLiteral("*"), QDir::Files | QDir::Dirs);
    for (const QString& entry : entries) {
        if (isProjectName(entry))
            projects << entry;
    }
    return projects;
}

int CountProjectFolders(const ProgramFolder& folder)
{
    return static_cast<int>(listProjects(folder).size());
}

bool isExistingReportsFolder(const ProgramFolder& folder, const QString& name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)) ||
        name.contains(QLatin1Char(':')))
        return false;
    return QFileInfo(folder.path(QStringLiteral("reports/") + name)).isDir();
}
