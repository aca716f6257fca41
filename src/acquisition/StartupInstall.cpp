#include "acquisition/StartupInstall.h"

#include "link/protocol/LinkState.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "flash/FlashReaders.h"
#include "plate/files/InstallUnitFolder.h"

#include <QDir>
#include <QFileInfo>

#include <array>

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

// The names a first start writes under: the staging folder the folder-named
// readers and installers take, the staging serial suffix of the suffix-named
// readers, and the final serial suffix of the report folders' installers.
struct UnitFolderNames {
    QString staging;
    QString stagingSuffix;
    QString suffix;
};

// One flash section of a first start: announced, read back, then installed.
struct FirstStartSection {
    const char* name;
    void (*read)(LinkContext&, const ProgramFolder&, PictureCanvas& progress, const UnitFolderNames&,
                 FlashPageTally*);
    void (*install)(const ProgramFolder&, const UnitFolderNames&);
};

// The five sections in the order a first start reads them.
const std::array<FirstStartSection, 5> kFirstStartSections{{
    {"Well_Format",
     [](LinkContext& l, const ProgramFolder& f, PictureCanvas&, const UnitFolderNames& n,
        FlashPageTally* tally) {
         ReadWellFormatFromFlash(l, f, n.staging, tally);
     },
     [](const ProgramFolder& f, const UnitFolderNames& n) { InstallWellFormatFiles(f, n.staging); }},
    {"Light_Cal",
     [](LinkContext& l, const ProgramFolder& f, PictureCanvas& progress, const UnitFolderNames& n,
        FlashPageTally* tally) {
         ReadLedXyFromFlash(l, f, progress, n.staging, tally);
     },
     [](const ProgramFolder& f, const UnitFolderNames& n) { InstallLedXyFile(f, n.staging); }},
    {"Temp_factor",
     [](LinkContext& l, const ProgramFolder& f, PictureCanvas&, const UnitFolderNames& n,
        FlashPageTally* tally) {
         ReadTempFactorFromFlash(l, f, n.staging, tally);
     },
     [](const ProgramFolder& f, const UnitFolderNames& n) { InstallTempFactorFile(f, n.staging); }},
    {"Int_Factor",
     [](LinkContext& l, const ProgramFolder& f, PictureCanvas&, const UnitFolderNames& n,
        FlashPageTally* tally) {
         ReadIntFactorFromFlash(l, f, n.stagingSuffix, tally);
     },
     [](const ProgramFolder& f, const UnitFolderNames& n) { InstallFactorCorrectionFiles(f, n.suffix); }},
    {"Blank_Factor",
     [](LinkContext& l, const ProgramFolder& f, PictureCanvas&, const UnitFolderNames& n,
        FlashPageTally* tally) {
         ReadBlankFromFlash(l, f, n.stagingSuffix, tally);
     },
     [](const ProgramFolder& f, const UnitFolderNames& n) { InstallBlankFiles(f, n.suffix); }},
}};

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
    const UnitFolderNames names{staging, serialSuffix(sn) + kStagingTag, serialSuffix(sn)};

    FlashPageTally tally;
    link.clock.sleepMs(kBeforeReadMs);
    for (const FirstStartSection& section : kFirstStartSections) {
        announce(link.console, section.name);
        section.read(link, folder, flashProgress, names, &tally);
        // A section whose pages got no reply means the instrument was lost:
        // what its flash holds is unknown, so nothing is installed and the
        // next start reads it again. An absent section (erased flash) was
        // answered and gets the shared or default files.
        if (tally.unanswered > 0) {
            removeFolder(stagingPath);
            return UnitFolderInstall::Interrupted;
        }
        section.install(folder, names);
    }
    link.clock.sleepMs(kAfterInstallMs);

    if (!QDir().rename(stagingPath, folder.path(ProgramFolder::unitFolderName(sn)))) {
        removeFolder(stagingPath);
        return UnitFolderInstall::Interrupted;
    }
    return UnitFolderInstall::Installed;
}
