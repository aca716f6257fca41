#include "reporting/ReportGenerator.h"

#include "core/DateStamp.h"
#include "plate/geometry/PlateFormat.h"
#include "reporting/MinuteBins.h"
#include "reporting/ReportCorrections.h"
#include "reporting/ReportFileWriter.h"
#include "reporting/ReportLayout.h"

#include <QDir>
#include <optional>

QString minuteBinWarningText()
{
    return QStringLiteral("Warning Message:\r\n\r\n"
                          "Rebining of data implemented from Software Version >V1.6\r\n"
                          "Activity counts are now extrapolated in one minute resolution timeframes\r\n\r\n"
                          "[Refer to Installation guide for more information]");
}

ReportResult generateReport(const ReportChoices& choices, const RunResults& run, const ReportContext& context,
                            Prompts& prompts)
{
    ReportResult result;
    result.binText = choices.binText;
    if (choices.output != ReportOutput::Rows && choices.output != ReportOutput::Array)
        return result;

    const PlateGrid grid = plateGrid(context.formatCode);
    const bool withFactors = choices.intRef != IntRefChoice::No;
    const CorrectedActivity activity =
        correctActivity(run, grid.wells(), choices.noiseFilter, choices.applyBlank ? &context.blank : nullptr,
                        withFactors ? &context.factors : nullptr);

    std::optional<MinuteBins> bins;
    if (!choices.scanTimeColumns()) {
        prompts.message(minuteBinWarningText());
        bins = makeMinuteBins(activity, run, choices.binText);
        result.binText = bins->binText;
    }

    const QString name = formatDateStamp(context.when, QStringLiteral("yyyymmddhhmmss")) + QStringLiteral("_report");
    result.filePath = QDir(context.folder).filePath(name + choices.extension());

    ReportContent content{run, grid, context.groups, activity, bins ? &*bins : nullptr, choices.divider.toLatin1(),
                          ReportNumbers(decimalSeparatorOf(context.locale)),
                          generalDateText(context.when, context.locale), context.folder, context.acquisitionName,
                          std::nullopt};
    if (withFactors && activity.factorApplied)
        content.factorSource = context.factorSource;

    ReportFileWriter file(result.filePath);
    bool written = file.open();
    if (written) {
        if (choices.output == ReportOutput::Rows)
            writeRowsLayout(file, content);
        else
            writeArrayLayout(file, content);
        written = file.finish();
    }
    if (!written) {
        prompts.message(QStringLiteral("Report Error"));
        result.status = ReportResult::Status::Failed;
        return result;
    }
    result.status = ReportResult::Status::Written;
    return result;
}
