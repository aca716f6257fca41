#include "acquisition/StartupInstall.h"

#include "link/protocol/LinkState.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "flash/FlashReaders.h"
#include "link/search/SerialNumberQuery.h"
#include "plate/files/InstallUnitFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kStagingTag = QStringLiteral(".installing");
constexpr int kBeforeReadMs = 200;
constexpr int kAfterInstallMs = 100;

bool hasInstrument(const Globals& globals, const LinkState& state)
{
    return !state.offlineMode && globals.serialNumber >= 1;
}

void announce(Console& console, const char* section)
{
    console.setStatus(QStringLiteral("Getting Factory file: [") + QLatin1String(section) + QLatin1Char(']'));
}

// A read-back that lost the instrument looks like an empty flash; only an
// instrument that still answers with its number has given what it holds.
bool stillAnswers(LinkContext& link)
{
    return QuerySerialNumber(link, link.globals.commPort).value == link.globals.serialNumber;
}

bool removeFolder(const QString& path)
{
    return !QFileInfo(path).isDir() || QDir(path).removeRecursively();
}

} // namespace

void makeStartupFolders(const ProgramFolder& folder, const Globals& globals, const LinkState& state)
{
    makeFolder(folder.reportsFolder());
    if (!hasInstrument(globals, state))
        return;
    makeFolder(folder.internalReferenceFolder(globals.serialNumber));
    makeFolder(folder.blankMeasurementFolder(globals.serialNumber));
}

QString serialSuffix(int serialNumber)
{
    return QStringLiteral("SN") + QString::number(serialNumber);
}

QString unitFolderStagingName(int serialNumber)
{
    return ProgramFolder::unitFolderName(serialNumber) + kStagingTag;
}

UnitFolderInstall installNewInstrument(LinkContext& link, const ProgramFolder& folder, const LinkState& state,
                                       PictureCanvas& flashProgress)
{
    const int sn = link.globals.serialNumber;
    if (!hasInstrument(link.globals, state) || QFileInfo(folder.unitFolder(sn)).isDir())
        return UnitFolderInstall::NotNeeded;

    // What a start that was cut short left behind is read again from the start.
    const QString staging = unitFolderStagingName(sn);
    const QString stagingPath = folder.path(staging);
    if (!removeFolder(stagingPath) || !makeFolder(stagingPath))
        return UnitFolderInstall::Interrupted;
    // The readers that take the serial suffix write into "config_" and that suffix.
    const QString stagingSuffix = serialSuffix(sn) + kStagingTag;
    const QString suffix = serialSuffix(sn);

    link.clock.sleepMs(kBeforeReadMs);
    announce(link.console, "Well_Format");
    ReadWellFormatFromFlash(link, folder, staging);
    InstallWellFormatFiles(folder, staging);
    announce(link.console, "Light_Cal");
    ReadLedXyFromFlash(link, folder, flashProgress, staging);
    InstallLedXyFile(folder, staging);
    announce(link.console, "Temp_factor");
    ReadTempFactorFromFlash(link, folder, staging);
    InstallTempFactorFile(folder, staging);
    announce(link.console, "Int_Factor");
    ReadIntFactorFromFlash(link, folder, stagingSuffix);
    InstallFactorCorrectionFiles(folder, suffix);
    announce(link.console, "Blank_Factor");
    ReadBlankFromFlash(link, folder, stagingSuffix);
    InstallBlankFiles(folder, suffix);
    link.clock.sleepMs(kAfterInstallMs);

    if (!stillAnswers(link) || !QDir().rename(stagingPath, folder.path(ProgramFolder::unitFolderName(sn)))) {
        removeFolder(stagingPath);
        return UnitFolderInstall::Interrupted;
    }
    return UnitFolderInstall::Installed;
}
