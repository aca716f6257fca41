#include "analysis/chemotaxis/ChemotaxisProcessing.h"

#include "analysis/AnalysisFileErrors.h"
#include "analysis/chemotaxis/ChemotaxisReportText.h"
#include "analysis/chemotaxis/ChemotaxisWellPass.h"
#include "analysis/sequence/ChemotaxisPictures.h"
#include "analysis/sequence/SequenceImages.h"
#include "core/Clock.h"
#include "core/DateStamp.h"
#include "core/DesktopOpener.h"
#include "core/Fields.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>

namespace {

const QString kErrorFile = QStringLiteral("error file");

// The report, gathered line by line and put in place whole at the end: a full
// disk leaves no cut or empty report behind, and an earlier one of that name stays.
class ReportFile {
public:
    explicit ReportFile(QString path) : path_(std::move(path)) {}
    void line(const QString& text) { bytes_ += text.toLatin1() + "\r\n"; }
    // False when the report is not in place whole.
    bool commit() const { return writeFileBytes(path_, bytes_); }

private:
    QString path_;
    QByteArray bytes_;
};

// The first line of the run's subpj.dat; empty when it is the unnamed default.
QString acquisitionName(const QString& runFolder)
{
    QFile f(resolvePathIgnoringCase(QDir(runFolder).absoluteFilePath(QStringLiteral("subpj.dat"))));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QString first = QString::fromLatin1(f.readLine());
    while (first.endsWith(QLatin1Char('\n')) || first.endsWith(QLatin1Char('\r')))
        first.chop(1);
    return first == QLatin1String("<Write Acquisition Name>") ? QString() : first;
}

bool running(const ChemotaxisView& view) { return !view.running || view.running(); }

// The two report sections and the six final plots of every well; false, with
// the message shown, when a plot cannot be saved.
bool writeSections(ChemotaxisRun& run, ReportFile& report)
{
    const ChemotaxisSettings& s = run.settings;
    const QString& sep = s.divider;
    const auto number = [&](double v, const char* pattern) {
        return chemotaxisNumber(v, QString::fromLatin1(pattern), s.decimalSeparator, sep);
    };
    const qint32 last = run.lastScan;
    const int m = s.threePoint ? 2 : 0; // three scans: t to t + 2
    const QString shown = chemotaxisIndexName(s.analysisIndex, s.options);

    report.line(quoted(QStringLiteral("Chemotaxis_Index")));
    QString header = quoted(QStringLiteral("Well")) + sep + quoted(QStringLiteral("Group/Time[m]"));
    for (qint32 t = 0; t <= last; ++t)
        header += sep + quoted(number(run.scanTimes[size_t(t)], "0.0"));
    report.line(header);

    std::vector<double> index(size_t(std::max<qint32>(0, last + 1)));
    for (int well = 0; well < run.format.wells; ++well) {
        const QString name = chemotaxisWellName(well, run.format.rows);
        const QString& label = run.labels[size_t(well)];
        for (const ChemotaxisIndexKind& kind : kChemotaxisIndexKinds) {
            const QString reportName = QString::fromLatin1(kind.reportName);
            DrawCiPlotFrame(run.view.progress2, name + QLatin1Char('[') + reportName + QStringLiteral("] G") + label,
                            last);
            QString row = quoted(name + QLatin1Char('_') + reportName) + sep + quoted(label);
            for (qint32 t = 0; t <= last; ++t) {
                index[size_t(t)] = chemotaxisIndex(kind, run.sums.window(well, t, m));
                row += sep + number(index[size_t(t)], "0.0");
            }
            drawIndexCurve(run.view.progress2, last, index, run.scanTimes);
            if (shown == QLatin1String(kind.indexName))
                report.line(row);
            const QString indexName = QString::fromLatin1(kind.indexName);
            if (!saveIndexPlot(run.view.progress2, run.imagesFolder, indexName, name)) {
                run.services.prompts.message(analysisWriteError(
                    kErrorFile, QDir(run.imagesFolder).filePath(indexPlotName(indexName, name))));
                return false;
            }
        }
    }
    if (run.view.refresh)
        run.view.refresh();

    report.line(QString());
    report.line(quoted(QStringLiteral("Activity_map")));
    QString times = quoted(QStringLiteral("Time[m]"));
    for (qint32 t = 0; t <= last; ++t)
        times += sep + quoted(number(run.scanTimes[size_t(t)], "0.0")) + sep + sep;
    report.line(times);
    for (int well = 0; well < run.format.wells; ++well) {
        const QString name = chemotaxisWellName(well, run.format.rows);
        QString top = quoted(name + QStringLiteral("_top"));
        QString bottom = quoted(name + QStringLiteral("_bottom"));
        for (qint32 t = 0; t <= last; ++t) {
            const RegionSums w = run.sums.window(well, t, m);
            top += sep + number(double(w.topLeftSum), "0") + sep + number(double(w.topRightSum), "0") + sep;
            bottom += sep + number(double(w.bottomLeftSum), "0") + sep + number(double(w.bottomRightSum), "0") + sep;
        }
        report.line(top);
        report.line(bottom);
        report.line(QString());
    }
    return true;
}

} // namespace

ChemotaxisResult processChemotaxis(const ChemotaxisSettings& s, ChemotaxisView& view, ChemotaxisServices& services)
{
    ChemotaxisResult result;
    const QDateTime now = services.clock.now();
    const QString extension = s.fileType == QLatin1String(".csv") ? QStringLiteral(".csv") : QStringLiteral(".txt");
    result.reportPath = QDir(s.runFolder).absoluteFilePath(formatDateStamp(now, QStringLiteral("yyyymmddhhmmss")) +
                                                           QStringLiteral("_report") + extension);
    ReportFile report(result.reportPath);
    // Every exit puts the report in place (the header only, unless finished);
    // one that cannot be is a failure the user is told about.
    const auto end = [&](ChemotaxisOutcome outcome) {
        result.outcome = outcome;
        if (!report.commit()) {
            services.prompts.message(analysisWriteError(kErrorFile, result.reportPath));
            result.outcome = ChemotaxisOutcome::Failed;
        }
        return result;
    };
    const QString& sep = s.divider;
    report.line(quoted(QStringLiteral("DATE:")) + sep + quoted(chemotaxisDateText(now, s.locale)));
    report.line(quoted(QStringLiteral("FILE:")) + sep + quoted(s.runFolder));
    report.line(quoted(QStringLiteral("SUBPROJECT:")) + sep + quoted(acquisitionName(s.runFolder)));
    report.line(QString());

    // Made by the first well pass, once the images are known to fit.
    const QString imagesFolder = sequenceImagesFolder(s.runFolder, s.threePoint);

    const std::optional<ChemotaxisFormat> format = chemotaxisFormat(s.formatCode);
    const std::optional<ChemotaxisGroupLabels> labels =
        format ? readChemotaxisGroupLabels(s.runFolder, format->wells) : std::nullopt;
    if (!format || !labels) {
        services.prompts.message(kErrorFile);
        return end(ChemotaxisOutcome::Failed);
    }

    ChemotaxisRun run{s, view, services, *format, *labels, resolvePathIgnoringCase(imagesFolder), -1, {}, {}};
    for (int camera = 0; camera < 6; ++camera) {
        for (int window = 0; window < format->windowsPerCamera; ++window) {
            for (int k = 0; k < format->wellsPerWindow; ++k) {
                if (!running(view))
                    return end(ChemotaxisOutcome::Stopped);
                const WellPassResult pass = runChemotaxisWellPass(run, camera, window, k);
                if (pass == WellPassResult::NothingWritten)
                    return result;
                if (pass == WellPassResult::Failed)
                    return end(ChemotaxisOutcome::Failed);
                if (pass == WellPassResult::Stopped)
                    return end(ChemotaxisOutcome::Stopped);
            }
        }
    }
    if (!running(view))
        return end(ChemotaxisOutcome::Stopped);
    if (!writeSections(run, report))
        return result; // no report without its plots
    if (end(ChemotaxisOutcome::Finished).outcome != ChemotaxisOutcome::Finished)
        return result;

    for (int i = 0; i < 1000; ++i)
        services.clock.processEvents();
    services.opener.open(result.reportPath); // "notepad" for a .txt, "explorer" for a .csv
    services.prompts.message(QStringLiteral("ok process"));
    return result;
}
