#include "plate/pixelsets/PixelSetFiles.h"

#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/TextFile.h"
#include "plate/pixelsets/PixelFlagFile.h"

#include <QDir>
#include <QFile>

namespace {

const QString kGridSetPrefix = QStringLiteral("w96f_c0__");
const QString kFullSetPrefix = QStringLiteral("w96f_c0full__");
const QString kSetFileExtension = QStringLiteral(".dat");
constexpr int kGridStep = 5;
constexpr int kGridLastLine = 135;
constexpr int kGridLastPixel = 185;

bool writeRegion(const ProgramFolder& folder, const QString& fileName, const PixelSetRegion& region)
{
    return writeTextFile(folder.path(fileName),
                         pixelFlagFileLines([&](int line, int pixel) { return region.at(line, pixel); }));
}

// Deletes the folder's files matching the pattern; the number deleted.
int deleteMatching(const ProgramFolder& folder, const QString& pattern)
{
    int deleted = 0;
    for (const QString& name : listFolder(folder.root(), pattern, QDir::Files)) {
        if (QFile::remove(folder.path(name)))
            ++deleted;
    }
    return deleted;
}

} // namespace

QString pixelSetName(const QString& cmb_set1, const QString& cmb_set2) { return cmb_set1 + cmb_set2; }

QString fullSetFileName(const QString& setName) { return kFullSetPrefix + setName + kSetFileExtension; }

QString gridSetFileName(const QString& setName) { return kGridSetPrefix + setName + kSetFileExtension; }

QString setNameOfGridFile(const QString& fileName)
{
    QString name = fileName.mid(kGridSetPrefix.size());
    if (name.endsWith(kSetFileExtension, Qt::CaseInsensitive))
        name.chop(kSetFileExtension.size());
    return name;
}

PixelSetRegion gridSubset(const PixelSetRegion& region)
{
    PixelSetRegion grid;
    for (int line = 0; line <= kGridLastLine; line += kGridStep)
        for (int pixel = 0; pixel <= kGridLastPixel; pixel += kGridStep)
            grid.mark(line, pixel, region.at(line, pixel));
    return grid;
}

bool WritePixelSetFiles(const ProgramFolder& folder, const QString& setName, const PixelSetRegion& region)
{
    const bool full = writeRegion(folder, fullSetFileName(setName), region);
    const bool grid = writeRegion(folder, gridSetFileName(setName), gridSubset(region));
    return full && grid;
}

PixelSetReset ResetPixelSets(const ProgramFolder& folder, Prompts& prompts)
{
    PixelSetReset reset;
    if (prompts.question(QStringLiteral("are you sure to Reinicialize?"), PromptButtons::YesNo) != PromptAnswer::Yes)
        return reset;
    reset.confirmed = true;
    reset.gridFiles = deleteMatching(folder, kGridSetFilePattern);
    reset.fullFiles = deleteMatching(folder, kFullSetFilePattern);
    prompts.message(QString::number(reset.gridFiles) + QStringLiteral(" bin files and ")
                    + QString::number(reset.fullFiles) + QStringLiteral("well files deleted"));
    return reset;
}
