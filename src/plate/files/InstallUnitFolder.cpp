#include "plate/files/InstallUnitFolder.h"

#include "core/TextFile.h"
#include "plate/files/DefaultConfigFiles.h"

#include <QFileInfo>

#include <initializer_list>

namespace {

const QString kSharedConfig = QStringLiteral("config");
const QString kReferenceProjects = QStringLiteral("reports/_internal_reference");
const QString kBlankProjects = QStringLiteral("reports/_internal_blank_measurement");

// One file of an installer, and the default that stands in when no source has it.
struct InstalledFile {
    const char* name;
    DefaultFileWriter fallback = nullptr;
};

void installFiles(const ProgramFolder& folder, const QString& sourceFolder, const QString& targetFolder,
                  std::initializer_list<InstalledFile> files)
{
    for (const InstalledFile& file : files) {
        const QString name = QLatin1String(file.name);
        const QString target = folder.path(targetFolder + QLatin1Char('/') + name);
        if (QFileInfo::exists(target))
            continue;
        const QString source = folder.path(sourceFolder + QLatin1Char('/') + name);
        if (QFileInfo(source).isFile())
            CopyTextFile(source, target);
        else if (file.fallback)
            file.fallback(folder, targetFolder);
    }
}

} // namespace

bool CopyTextFile(const QString& source, const QString& target)
{
    const std::optional<QStringList> lines = readTextFile(source);
    return lines && writeTextFile(target, *lines);
}

void InstallWellFormatFiles(const ProgramFolder& folder, const QString& unitFolderName)
{
    installFiles(folder, kSharedConfig, unitFolderName,
                 {
                     {"w6_col.dat", WriteDefaultW6Col},
                     {"w6_row.dat", WriteDefaultW6Row},
                     {"p35_col.dat", WriteDefaultP35Col},
                     {"p35_row.dat", WriteDefaultP35Row},
                     {"w24_col.dat", WriteDefaultW24Col},
                     {"w24_row.dat", WriteDefaultW24Row},
                 });
}

void InstallLedXyFile(const ProgramFolder& folder, const QString& unitFolderName)
{
    installFiles(folder, kSharedConfig, unitFolderName, {{"ledxy.dat"}});
}

void InstallTempFactorFile(const ProgramFolder& folder, const QString& unitFolderName)
{
    installFiles(folder, kSharedConfig, unitFolderName, {{"tempfactor.dat"}});
}

void InstallFactorCorrectionFiles(const ProgramFolder& folder, const QString& serialSuffix)
{
    installFiles(folder, kReferenceProjects, kReferenceProjects + serialSuffix,
                 {{"p35_factor_correction.dat"}, {"w6_factor_correction.dat"}, {"w24_factor_correction.dat"}});
}

void InstallBlankFiles(const ProgramFolder& folder, const QString& serialSuffix)
{
    installFiles(folder, kBlankProjects, kBlankProjects + serialSuffix,
                 {{"blank_p35.dat"}, {"blank_w6.dat"}, {"blank_w24.dat"}});
}
