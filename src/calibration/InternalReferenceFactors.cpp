#include "calibration/InternalReferenceFactors.h"

#include "core/Clock.h"
#include "core/DateStamp.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/Rounding.h"
#include "core/TextFile.h"
#include "plate/files/InstallUnitFolder.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

const QString kFactorFile = QStringLiteral("factor_correction.txt");
const QString kActivityFile = QStringLiteral("current_activity.txt");
constexpr double kReferenceMinutes = 10;
constexpr double kMaxFactor = 2.55;
constexpr double kZeroMean = 0.01;
constexpr int kStampLength = 20;

// The format table: wells and rows. w96u and unknown codes have no wells.
PlateGrid referenceGrid(const QString& format)
{
    if (format == QLatin1String("w96u") || !isFileNameSafeCode(format))
        return {};
    return plateGrid(format);
}

QString serialSuffix(int serialNumber)
{
    return serialNumber >= 1 ? QStringLiteral("SN") + QString::number(serialNumber) : QString();
}

QString referenceProjectText(const ProgramFolder& folder, int serialNumber)
{
    return QDir::toNativeSeparators(folder.root() + QStringLiteral("/reports/_internal_reference"))
        + serialSuffix(serialNumber);
}

QString stamp(const Clock& clock) { return formatDateStamp(clock.now(), QStringLiteral("yyyy/mm/dd_hh:mm:ss")); }

QString withoutQuotes(QString text) { return text.remove(QLatin1Char('"')); }

// A number written with a decimal comma or point.
double pointValue(QString text) { return textValue(text.replace(QLatin1Char(','), QLatin1Char('.'))); }

// A row of current_activity.txt: time, well name and value, split at the
// first two blanks.
struct ActivityRow {
    double minutes = 0;
    QString well;
    QString value;
};

// Nothing for a line with fewer than two blanks: it is no row of a scan.
std::optional<ActivityRow> activityRow(const QString& line)
{
    const qsizetype first = line.indexOf(QLatin1Char(' '));
    const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(' '), first + 1);
    if (second < 0)
        return std::nullopt;
    return ActivityRow{pointValue(line.left(first)), withoutQuotes(line.mid(first + 1, second - first - 1)),
                       withoutQuotes(line.mid(second + 1))};
}

// The 1-based position of a well name on the grid; 0 for a name outside the
// format (a row letter or a column it lacks, or a column that is no whole number).
int wellPositionOf(const QString& name, const PlateGrid& grid)
{
    if (name.isEmpty())
        return 0;
    const int row = name.at(0).unicode() - 'A';
    const double column = textValue(name.mid(1));
    if (row < 0 || row >= grid.rows || column < 1 || column > grid.columns || column != std::floor(column))
        return 0;
    return (static_cast<int>(column) - 1) * grid.rows + row + 1;
}

struct ReferenceRun {
    QString name;
    std::vector<std::int64_t> raw;
    std::vector<double> weight;
};

std::vector<ReferenceRun> referenceRuns(const QString& project, const QString& format, const QString& referenceWell)
{
    std::vector<ReferenceRun> runs;
    if (referenceWell.isEmpty() || !QFileInfo(project).isDir())
        return runs;
    for (const QString& name : listFolder(project, QStringLiteral("????????_??????") + format + QLatin1Char('*'))) {
        const std::optional<QStringList> lines =
            readTextFile(resolvePathIgnoringCase(project + QLatin1Char('/') + name + QLatin1Char('/') + kActivityFile));
        if (!lines)
            continue;
        const bool reaches = std::any_of(lines->begin() + std::min<qsizetype>(1, lines->size()), lines->end(),
                                         [&](const QString& line) {
                                             const std::optional<ActivityRow> row = activityRow(line);
                                             return row && row->well == referenceWell
                                                 && row->minutes >= kReferenceMinutes;
                                         });
        // Every reference run counts, however many the project holds.
        if (reaches)
            runs.push_back({name, {}, {}});
    }
    return runs;
}

// The raw values of a run: the last scan closed by the reference well at or
// after minute 10.
std::vector<std::int64_t> rawValues(const QString& activityPath, const PlateGrid& grid, const QString& referenceWell)
{
    const auto n = static_cast<size_t>(grid.wells());
    std::vector<std::int64_t> buffer(n, 0);
    std::vector<std::int64_t> raw(n, 0);
    const std::optional<QStringList> lines = readTextFile(activityPath);
    if (!lines)
        return raw;
    for (qsizetype i = 2; i < lines->size(); ++i) {
        const std::optional<ActivityRow> parsed = activityRow(lines->at(i));
        if (!parsed)
            continue;
        const ActivityRow& row = *parsed;
        if (row.well == QLatin1String("A1"))
            std::fill(buffer.begin(), buffer.end(), 0);
        if (const int position = wellPositionOf(row.well, grid); position > 0)
            buffer[static_cast<size_t>(position - 1)] = roundHalfEven(textValue(row.value));
        if (row.well == referenceWell) {
            if (row.minutes >= kReferenceMinutes)
                raw = buffer;
            std::fill(buffer.begin(), buffer.end(), 0);
        }
    }
    return raw;
}

double limited(double factor) { return std::clamp(factor, 0.0, kMaxFactor); }

char factorByte(double limitedFactor) { return static_cast<char>(static_cast<int>(std::floor(limitedFactor * 100))); }

QString wellLine(const PlateGrid& grid)
{
    QString line = QStringLiteral("well");
    for (int k = 0; k < grid.wells(); ++k)
        line += QLatin1Char(' ') + wellNameOfIndex(k, grid);
    return line;
}

QString valuesLine(const QString& head, const std::vector<double>& values)
{
    QString line = head;
    for (const double v : values)
        line += QLatin1Char(' ') + formatNumber(v, QStringLiteral("0.00"));
    return line;
}

// The third line of the unit folder's factory file, one value per well; none
// when the file cannot be read. A line or value the file lacks leaves its
// wells at 1.0.
std::optional<std::vector<double>> factoryFactors(const ProgramFolder& folder, int serialNumber, const QString& format,
                                                  int wells)
{
    const QString unit = serialNumber >= 1 ? QStringLiteral("config_") + serialSuffix(serialNumber)
                                           : QStringLiteral("config");
    const std::optional<QStringList> lines =
        readTextFile(folder.path(unit + QStringLiteral("/intfactor_") + format + QStringLiteral(".dat")));
    if (!lines)
        return std::nullopt;
    const QStringList tokens =
        lines->size() > 2 ? lines->at(2).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
    std::vector<double> factors(static_cast<size_t>(wells), 1.0);
    for (int k = 0; k < wells && k + 1 < tokens.size(); ++k)
        factors[static_cast<size_t>(k)] = limited(pointValue(tokens.at(k + 1)));
    return factors;
}

} // namespace

void BackupFactorCorrection(const QString& folderPath, const Clock& clock)
{
    const QString file = resolvePathIgnoringCase(folderPath + QLatin1Char('/') + kFactorFile);
    const std::optional<QStringList> lines = readTextFile(file);
    if (!lines)
        return;
    const QString first = lines->isEmpty() ? QString() : lines->first();
    QString backup;
    if (first.size() < kStampLength) {
        backup = QStringLiteral("factor_correction_bk")
            + formatDateStamp(clock.now(), QStringLiteral("yyyymmddhhmmss")) + QStringLiteral(".txt");
    } else {
        QString name = first.left(kStampLength);
        for (const QChar c : {QLatin1Char(':'), QLatin1Char('/'), QLatin1Char('_'), QLatin1Char('"')})
            name.remove(c);
        backup = name + QStringLiteral("_factor_correction.txt");
    }
    CopyTextFile(file, folderPath + QLatin1Char('/') + backup);
}

InternalReferenceFactors LoadInternalReferenceFactors(const InternalReferenceSetting& setting,
                                                      const QString& targetFolder, const QString& format,
                                                      int serialNumber, int announce)
{
    InternalReferenceFactors result;
    result.table.fill(1.0);
    result.folder = targetFolder.isEmpty() ? setting.folder.root() : targetFolder;

    const PlateGrid grid = referenceGrid(format);
    const int n = grid.wells();
    const QString referenceWell = n > 0 ? wellNameOfIndex(n - 1, grid) : QString();
    const QString project = setting.folder.internalReferenceFolder(serialNumber);
    std::vector<ReferenceRun> runs = referenceRuns(project, format, referenceWell);

    QStringList lines;
    const QString when = stamp(setting.clock);
    if (!runs.empty()) {
        if (announce == 1 && setting.intRefChoice > 0)
            setting.prompts.message(QStringLiteral("Internal Reference loaded from:") + QChar(13)
                                    + referenceProjectText(setting.folder, serialNumber));
        for (ReferenceRun& run : runs) {
            run.raw = rawValues(resolvePathIgnoringCase(project + QLatin1Char('/') + run.name + QLatin1Char('/')
                                                        + kActivityFile),
                                grid, referenceWell);
            double mean = 0;
            for (const std::int64_t v : run.raw)
                mean += static_cast<double>(v);
            mean /= n;
            if (mean == 0)
                mean = kZeroMean;
            for (const std::int64_t v : run.raw)
                run.weight.push_back(static_cast<double>(v) / mean);
        }
        std::vector<double> factors;
        for (int k = 0; k < n; ++k) {
            double sum = 0;
            for (const ReferenceRun& run : runs)
                sum += run.weight[static_cast<size_t>(k)];
            const double average = sum / static_cast<double>(runs.size());
            const double factor = average > 0 ? 1 / average : kMaxFactor;
            factors.push_back(factor);
            result.table[static_cast<size_t>(k)] = limited(factor);
            result.bytes += factorByte(limited(factor));
        }
        lines << QLatin1Char('"') + when + QLatin1Char('_') + referenceProjectText(setting.folder, serialNumber)
                + QLatin1Char('"')
              << wellLine(grid) << valuesLine(QStringLiteral("mult_factor"), factors) << QString()
              << QStringLiteral("<internal_reference_weight>");
        for (const ReferenceRun& run : runs)
            lines << valuesLine(run.name, run.weight);
        lines << QString() << QStringLiteral("<internal_reference_raw_values>");
        for (const ReferenceRun& run : runs) {
            QString line = run.name;
            for (const std::int64_t v : run.raw)
                line += QLatin1Char(' ') + QString::number(v);
            lines << line;
        }
    } else if (const auto factory = factoryFactors(setting.folder, serialNumber, format, n)) {
        for (int k = 0; k < n; ++k) {
            result.table[static_cast<size_t>(k)] = (*factory)[static_cast<size_t>(k)];
            result.bytes += factorByte((*factory)[static_cast<size_t>(k)]);
        }
        lines << QLatin1Char('"') + when + QStringLiteral("_FACTORYDEFAULT[") + serialSuffix(serialNumber)
                + QStringLiteral("]\"")
              << wellLine(grid) << valuesLine(QStringLiteral("mult_factor"), *factory) << QString();
    } else {
        lines << QLatin1Char('"') + when + QStringLiteral("_DEFAULT=1.0\"") << wellLine(grid)
              << valuesLine(QStringLiteral("mult_factor"), std::vector<double>(static_cast<size_t>(n), 1.0))
              << QString();
    }
    BackupFactorCorrection(result.folder, setting.clock);
    result.written = writeTextFile(result.folder + QLatin1Char('/') + kFactorFile, lines);
    return result;
}
