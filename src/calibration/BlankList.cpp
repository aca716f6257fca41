#include "calibration/BlankList.h"

#include "core/NumberText.h"
#include "projects/SubpjInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kBlankRunPattern = QStringLiteral("????????_??????_blank*");
} // namespace

QStringList storedBlankRuns(const ProgramFolder& folder, int serialNumber)
{
    return listFolder(folder.blankMeasurementFolder(serialNumber), kBlankRunPattern, QDir::Files | QDir::Dirs);
}

QStringList storedBlankRuns(const ProgramFolder& folder, int serialNumber, const QString& format)
{
    QStringList runs;
    for (const QString& entry : storedBlankRuns(folder, serialNumber)) {
        const QString run = storedBlankRunFolder(folder, serialNumber, entry);
        // Missing subpj.dat or format line: empty, which no format equals.
        const QString runFormat = ReadSubpjInfo(run);
        if (!runFormat.isEmpty() && runFormat == format)
            runs << entry;
    }
    return runs;
}

QString storedBlankRunFolder(const ProgramFolder& folder, int serialNumber, const QString& entry)
{
    // Only names the listing can give: nothing reaches outside the store folder.
    if (!matchesDosPattern(kBlankRunPattern, entry) || entry.contains(QLatin1Char('/')) ||
        entry.contains(QLatin1Char('\\')))
        return QString();
    return resolvePathIgnoringCase(folder.blankMeasurementFolder(serialNumber) + QLatin1Char('/') + entry);
}

QString blankRunDescription(const QString& runFolder)
{
    return QLatin1Char('[') + ReadSubpjInfoBlankLoad(runFolder) + QStringLiteral("m] ") +
           ReadSubpjInfoBlankList(runFolder);
}

BlankRunToLoad blankRunToLoad(const QString& runFolder)
{
    BlankRunToLoad load;
    load.format = ReadSubpjInfo(runFolder);
    if (load.format.isEmpty()) {
        load.message = QStringLiteral("subpj File error. Unable to read well format");
        return load;
    }
    const QString minutes = ReadSubpjInfoBlankLoad(runFolder);
    if (minutes.isEmpty()) {
        load.message = QStringLiteral("subpj File error. Unable to read time");
        return load;
    }
    load.minutes = textValue(minutes);
    return load;
}

bool deleteStoredBlankRun(const ProgramFolder& folder, int serialNumber, const QString& entry)
{
    const QString run = storedBlankRunFolder(folder, serialNumber, entry);
    if (run.isEmpty())
        return false;
    if (!QFileInfo(run).isDir())
        return true;
    QDir dir(run);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (files.isEmpty())
        return false; // nothing to delete is a failure of the deletion, as the user is told
    for (const QString& name : files) {
        if (!QFile::remove(dir.filePath(name)))
            return false;
    }
    return QDir().rmdir(run);
}
