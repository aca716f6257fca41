#include "reporting/ReportPanelActions.h"

#include "calibration/InternalReferenceFactors.h"
#include "calibration/ReportFactorReaders.h"
#include "calibration/RunBlankFile.h"
#include "core/TextFile.h"
#include "reporting/JointRebin.h"
#include "reporting/JointTable.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

namespace {

QString fileIn(const QString& folder, const QString& name)
{
    return resolvePathIgnoringCase(QDir(folder).filePath(name));
}

QString acquisitionName(const QString& folder)
{
    const auto lines = readTextFile(fileIn(folder, QStringLiteral("subpj.dat")));
    if (!lines || lines->isEmpty() || lines->first() == QLatin1String("<Write Acquisition Name>"))
        return QString();
    return lines->first();
}

constexpr int kPendingEventRounds = 1000;

} // namespace

QString GetListSeparator(const QString& systemSeparator)
{
    return systemSeparator.isEmpty() ? QStringLiteral(",") : systemSeparator;
}

QString ReadAcquisitionDate(const QString& folder)
{
    const auto lines = readTextFile(fileIn(folder, QStringLiteral("current_activity.txt")));
    if (!lines || lines->isEmpty())
        return QString();
    QString line = lines->first();
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    if (blank > 0)
        line.truncate(blank);
    return line.remove(QLatin1Char('"'));
}

void openSingleRunReport(const SingleRunOpening& opening, ReportPanelState& panel, QString& welltype,
                         WellGroupTable& reportGroups)
{
    welltype = opening.plateFormatText;
    panel.jointReportMode = false;
    for (int i = 0; i < kWellSlots - 1; ++i) {
        const auto w = static_cast<std::size_t>(i);
        reportGroups.wellGroup[w] = opening.groups.wellGroup[w];
        reportGroups.groupName[w] = opening.groups.groupName[w];
    }
    panel.outputEnabled[1] = true;
    panel.outputEnabled[2] = true;
    // After a joint report these were off; a single run offers them again.
    panel.intRefEnabled = true;
    panel.blankEnabled = true;
    panel.title = ReportPanelState{}.title;
    panel.binItems = ReportPanelState{}.binItems;
    panel.binText = QStringLiteral("ScanTime");
    panel.binsizeCaption = QStringLiteral("Binsize");
    panel.generateCaption = QStringLiteral("Generate");
    panel.intRefIndex = 1;
    panel.visible = true;
}

bool confirmRunBlank(const QString& runFolder, const QString& welltype, Prompts& prompts)
{
    const QString date = ReadAcquisitionDate(runFolder);
    if (QFileInfo(runBlankFilePath(runFolder, welltype)).isFile()) {
        prompts.question(QStringLiteral("Using blank file available on ") + date, PromptButtons::OkCancel,
                         QStringLiteral("Beta version: background noise correction"));
        return true;
    }
    prompts.message(QStringLiteral("Not blank for this experiment dated ") + date);
    return false;
}

namespace {

GenerateOutcome generateRun(const ReportChoices& choices, ReportRun& in, ReportServices& s)
{
    GenerateOutcome out;
    out.binText = choices.binText;
    if (!QFileInfo(in.runFolder).isDir())
        in.runFolder = s.program.reportsFolder();
    const QString folder = in.runFolder;

    ReportContext context;
    context.formatCode = in.formatCode;
    context.groups = in.reportGroups;
    context.folder = folder;
    context.when = s.clock.now();
    context.locale = s.locale;
    context.acquisitionName = acquisitionName(folder);

    if (choices.output == ReportOutput::MapPlot) {
        static const QStringList mapFormats{QStringLiteral("w24"), QStringLiteral("p35"), QStringLiteral("w6")};
        if (!mapFormats.contains(in.formatCode)) {
            s.prompts.message(QStringLiteral("MapPlot only available for w6 and p35 microplate"));
            return out;
        }
        out.binText = QStringLiteral("ScanTime");
    }
    makeFolder(s.program.reportsFolder());
    makeFolder(s.program.internalReferenceFolder(in.serialNumber));

    context.blank = ReadRunBlankFile(folder, in.formatCode);
    if (choices.intRef != IntRefChoice::No) {
        const bool stored = QFileInfo(fileIn(folder, QStringLiteral("factor_correction.txt"))).isFile();
        if (stored && choices.intRef == IntRefChoice::Apply) {
            ReadFactorCorrectionValues(folder, context.factors);
        } else {
            if (!stored)
                s.prompts.message(QStringLiteral("Internal reference updated with latest value"));
            const InternalReferenceSetting setting{s.program, s.clock, s.prompts, static_cast<int>(choices.intRef)};
            const InternalReferenceFactors computed =
                LoadInternalReferenceFactors(setting, folder, in.formatCode, ReadSerialFile(folder), 1);
            context.factors.mult_factor = computed.table;
        }
        context.factorSource = ReadFactorCorrectionFirstLine(folder);
    }

    switch (choices.output) {
    case ReportOutput::MapPlot:
        if (s.mapPlot)
            s.mapPlot->showMapPlot(in.formatCode);
        out.hidePanel = true;
        return out;
    case ReportOutput::Bmp:
        out.hidePanel = true;
        return out;
    case ReportOutput::Rows:
    case ReportOutput::Array:
        break;
    }

    const ReportResult written = generateReport(choices, in.run, context, s.prompts);
    out.binText = written.binText.isEmpty() ? out.binText : written.binText;
    out.filePath = written.filePath;
    if (written.status != ReportResult::Status::Written)
        return out; // "Report Error" was shown; the panel stays open
    for (int i = 0; i < kPendingEventRounds; ++i)
        s.clock.processEvents();
    s.opener.open(written.filePath);
    out.hidePanel = true;
    return out;
}

} // namespace

GenerateOutcome generateFromPanel(const ReportChoices& choices, const ReportPanelState& panel, ReportRun& run,
                                  ReportServices& services)
{
    try {
        if (panel.jointReportMode) {
            const JointReportContext context{
                jointTablePath(services.program, panel.jointFileName),
                run.runFolder, services.clock.now()};
            const ReportResult r = generateJointReport(choices, context, services.prompts, services.opener);
            return {r.status == ReportResult::Status::Written, r.binText, r.filePath};
        }
        return generateRun(choices, run, services);
    } catch (const std::exception&) {
        services.prompts.message(QStringLiteral("Report Error"));
        return {false, choices.binText, QString()};
    }
}
