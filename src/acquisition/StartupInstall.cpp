#include "acquisition/StartupInstall.h"

#include "core/AcquireState.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "flash/FlashReaders.h"
#include "plate/InstallUnitFolder.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <functional>
#include <utility>

namespace {

const QString kStagingTag = QStringLiteral(".installing");
constexpr int kBeforeReadMs = 200;
constexpr int kAfterInstallMs = 100;

bool hasInstrument(const Globals& globals, const AcquireState& state)
{
    return !state.offlineMode && globals.serialNumber >= 1;
}

void announce(Console& console, const char* section)
{
    console.setStatus(QStringLiteral("Getting Factory file: [") + QLatin1String(section) + QLatin1Char(']'));
}

bool removeFolder(const QString& path)
{
    return !QFileInfo(path).isDir() || QDir(path).removeRecursively();
}

} // namespace

void makeStartupFolders(const ProgramFolder& folder, const Globals& globals, const AcquireState& state)
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

UnitFolderInstall installNewInstrument(LinkContext& link, const ProgramFolder& folder, const AcquireState& state,
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

    // Each step reads one section, then completes it from the shared folders.
    // A section whose pages got no reply means the instrument was lost: what
    // its flash holds is unknown, so nothing is installed and the next start
    // reads it again. An absent section (erased flash) was answered and gets
    // the shared or default files.
    FlashPageTally tally;
    const std::array<std::pair<const char*, std::function<void()>>, 5> steps{{
        {"Well_Format",
         [&] {
             ReadWellFormatFromFlash(link, folder, staging, &tally);
             InstallWellFormatFiles(folder, staging);
         }},
        {"Light_Cal",
         [&] {
             ReadLedXyFromFlash(link, folder, flashProgress, staging, &tally);
             InstallLedXyFile(folder, staging);
         }},
        {"Temp_factor",
         [&] {
             ReadTempFactorFromFlash(link, folder, staging, &tally);
             InstallTempFactorFile(folder, staging);
         }},
        {"Int_Factor",
         [&] {
             ReadIntFactorFromFlash(link, folder, stagingSuffix, &tally);
             InstallFactorCorrectionFiles(folder, suffix);
         }},
        {"Blank_Factor",
         [&] {
             ReadBlankFromFlash(link, folder, stagingSuffix, &tally);
             InstallBlankFiles(folder, suffix);
         }},
    }};

    link.clock.sleepMs(kBeforeReadMs);
    for (const auto& [section, step] : steps) {
        announce(link.console, section);
        step();
        if (tally.unanswered > 0) {
            removeFolder(stagingPath);
            return UnitFolderInstall::Interrupted;
        }
    }
    link.clock.sleepMs(kAfterInstallMs);

    if (!QDir().rename(stagingPath, folder.path(ProgramFolder::unitFolderName(sn)))) {
        removeFolder(stagingPath);
        return UnitFolderInstall::Interrupted;
    }
    return UnitFolderInstall::Installed;
}
