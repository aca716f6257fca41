#include "acquisition/run/RunStart.h"

#include "acquisition/run/RunFiles.h"
#include "calibration/RunBlankFile.h"
#include "core/Clock.h"
#include "core/DateStamp.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/TextFile.h"
#include "projects/ProjectFolders.h"
#include "projects/ProjectSetup.h"
#include "projects/WellGroupFile.h"

#include <QDir>

std::optional<RunStartRefusal> runBoxesRefusal(const QString& lapseText, const QString& formatText)
{
    if (!(textValue(lapseText) > 1))
        return RunStartRefusal{QStringLiteral("invalid acquisition time"), RunStartFocus::Lapse};
    static const QStringList runFormats = {"p35", "w6", "w12", "w24", "w48", "w96f"};
    if (!runFormats.contains(formatText))
        return RunStartRefusal{QStringLiteral("Microplate format error"), RunStartFocus::Format};
    return std::nullopt;
}

std::optional<RunStartRefusal> runInstrumentRefusal(bool dummyMode, bool portOpen, const QString& unitFolder)
{
    if (!dummyMode && !portOpen)
        return RunStartRefusal{QStringLiteral("COMPORT not found. Plug the equipment and restart the software")};
    if (!QFile::exists(resolvePathIgnoringCase(QDir(unitFolder).filePath(QStringLiteral("ledxy.dat")))))
        return RunStartRefusal{QStringLiteral("Light Calibration Needed before run!!")};
    return std::nullopt;
}

QString panelLapseText(const QString& lapseText)
{
    QString text = lapseText;
    if (textValue(text) < 5)
        text = QStringLiteral("5");
    if (textValue(text) > 32000)
        text = QStringLiteral("32000");
    return text;
}

std::optional<QString> typedLapseLimit(const QString& lapseText)
{
    if (textValue(lapseText) > 32000)
        return QStringLiteral("32000");
    return std::nullopt;
}

bool formatNeedsInternalReference(const QString& format)
{
    return format == QLatin1String("w12") || format == QLatin1String("w96f") || format == QLatin1String("w48");
}

QString referenceProjectName(int serialNumber)
{
    return QStringLiteral("_internal_reference") +
           (serialNumber >= 1 ? QStringLiteral("SN") + QString::number(serialNumber) : QString());
}

QString referenceAcquisitionName(const QString& format) { return format + QStringLiteral("_reference"); }

QString runFolderName(const QDateTime& when, const QString& acquisitionText)
{
    const QString stamp = formatDateStamp(when, QStringLiteral("yyyymmdd_hhmmss"));
    if (acquisitionText == kAcquisitionPlaceholder)
        return stamp;
    return stamp + MakeFolderSafeName(acquisitionText);
}

bool writeSerialFile(const QString& runFolder, int serialNumber)
{
    return writeTextFile(QDir(runFolder).filePath(QStringLiteral("serial.dat")),
                         {QStringLiteral("SN") + QString::number(serialNumber)});
}

bool writeSubpjFile(const QString& runFolder, const QString& acquisitionText, const QString& lapseText,
                    const QString& formatText)
{
    return writeTextFile(QDir(runFolder).filePath(QStringLiteral("subpj.dat")),
                         {acquisitionText, QStringLiteral("acq_time=") + lapseText,
                          QStringLiteral("plate_format=") + formatText});
}

CreatedRun createRunFolder(const ProgramFolder& folder, Clock& clock, Prompts& prompts, const RunConfirmation& run,
                           BlankRecord& blank)
{
    CreatedRun created;
    const auto refuse = [&prompts, &created] {
        prompts.message(kProjectFolderError);
        return created;
    };
    created.projectFolder = MakeFolderSafeName(run.projectText);
    // A name of 2 characters or fewer is no project: its runs would never be listed.
    if (created.projectFolder.size() <= 2)
        return refuse();
    if (!makeFolder(folder.reportsFolder()) || !makeFolder(folder.internalReferenceFolder(run.serialNumber)) ||
        !makeFolder(folder.path(QStringLiteral("reports/") + created.projectFolder)))
        return refuse();

    // One folder per run: a confirmation in the last run's second waits for the next.
    QDateTime now = clock.now();
    while (formatDateStamp(now, QStringLiteral("yyyymmdd_hhmmss")) == run.lastRunStamp) {
        clock.sleepMs(int(1000 - now.time().msec()));
        now = clock.now();
    }
    created.stamp = formatDateStamp(now, QStringLiteral("yyyymmdd_hhmmss"));
    created.runName = runFolderName(now, run.acquisitionText);
    const QString relative = created.projectFolder + QLatin1Char('/') + created.runName;
    created.runFolder = folder.path(QStringLiteral("reports/") + relative);
    if (!makeFolder(created.runFolder))
        return refuse();

    QString lapse = run.lapseText;
    QString format = run.formatText;
    QString temperature = run.temperatureText;
    if (!WriteProjectSetup(folder, prompts, created.projectFolder, ProjectSetupBoxes{lapse, format, temperature}))
        return created; // it said so
    const bool written =
        SaveWellGroups(folder, created.projectFolder, run.groups) && SaveWellGroups(folder, relative, run.groups) &&
        WriteCamConf(QDir(folder.unitFolder(run.serialNumber)).filePath(QStringLiteral("camconf.dat")),
                     run.cameraEnabled) &&
        CopyBlankToRun(folder, run.serialNumber, run.formatText, created.runFolder, blank) &&
        writeSerialFile(created.runFolder, run.serialNumber) &&
        writeSubpjFile(created.runFolder, run.acquisitionText, run.lapseText, run.formatText) &&
        writeRunFileHeaders(created.runFolder, clock.now());
    if (!written)
        return refuse();
    created.created = true;
    return created;
}
