#include "reporting/JointTable.h"

#include "core/DateStamp.h"
#include "plate/geometry/WellNumbering.h"
#include "projects/SubpjInfo.h"
#include "reporting/JointActivity.h"
#include "reporting/ReportFileWriter.h"
#include "reporting/ReportText.h"

#include <QDir>
#include <QFile>

namespace {

const QString kPrefixForm = QStringLiteral("yyyymmdd_hhmm");

// A name from the list that may stand for one folder below reports.
bool isPlainFolderName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// `count` characters after the first occurrence of `marker`; empty when it is missing.
QString after(const QString& text, const QString& marker, int count)
{
    const qsizetype at = text.indexOf(marker);
    return at < 0 ? QString() : text.mid(at + marker.size(), count);
}

void writeHeader(ReportFileWriter& table, const PlateGrid& grid)
{
    table.text(QStringLiteral("Time"));
    for (int column = 0; column < grid.columns; ++column) {
        for (int row = 0; row < grid.rows; ++row)
            table.text(QLatin1Char(' ') + wellName(row, column));
    }
    table.endLine();
}

void writeTimePoints(ReportFileWriter& table, const JointTimePoints& points)
{
    const ReportNumbers numbers('.');
    for (int t = 0; t < points.count(); ++t) {
        numbers.plain(table.line(), points.times[static_cast<std::size_t>(t)]);
        for (int k = 0; k < points.wells; ++k) {
            table.line() += ' ';
            table.line() += QByteArray::number(static_cast<qlonglong>(points.at(t, k)));
        }
        table.endLine();
    }
}

} // namespace

bool isJointProjectEntry(const QString& entry)
{
    return entry.startsWith(QLatin1Char('+'));
}

bool isJointRunEntry(const QString& entry)
{
    return entry.size() >= 3 && entry.at(2) == QLatin1Char('>');
}

QString projectFolderOfEntry(const QString& projectEntry)
{
    const qsizetype tab = projectEntry.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : projectEntry.mid(tab + 1);
}

QString jointRunPrefix(const QString& runEntry)
{
    const QString prefix = after(runEntry, QStringLiteral("> "), 4) + after(runEntry, QStringLiteral("."), 4)
                           + QLatin1Char('_') + after(runEntry, QStringLiteral("ACQ"), 2)
                           + after(runEntry, QStringLiteral(":"), 2);
    return prefix.size() == kPrefixForm.size() ? prefix : QString();
}

JointRun locateJointRun(const ProgramFolder& program, const std::vector<JointListEntry>& entries,
                        std::size_t index)
{
    JointRun run;
    for (std::size_t i = index + 1; i-- > 0;) {
        if (isJointProjectEntry(entries[i].text)) {
            run.project = projectFolderOfEntry(entries[i].text);
            break;
        }
    }
    const QString prefix = jointRunPrefix(entries[index].text);
    if (!isPlainFolderName(run.project) || prefix.isEmpty())
        return run;
    const QString projectFolder = program.path(QStringLiteral("reports/") + run.project);
    for (const QString& name : listFolder(projectFolder, QStringLiteral("*"), QDir::Dirs)) {
        if (name.startsWith(prefix, Qt::CaseInsensitive)) {
            run.folderName = name;
            run.folderPath = projectFolder + QLatin1Char('/') + name;
            run.formatCode = ReadSubpjInfo(run.folderPath);
            break;
        }
    }
    return run;
}

QString jointTableFileName(const QDateTime& when)
{
    return QStringLiteral("joint") + formatDateStamp(when, QStringLiteral("yyyymmddhhmmss")) + QStringLiteral(".txt");
}

QString jointTableFolder(const ProgramFolder& program)
{
    return program.path(QStringLiteral("reports/default_project"));
}

QString jointTablePath(const ProgramFolder& program, const QString& jointFileName)
{
    return program.path(QStringLiteral("reports/default_project/") + jointFileName);
}

void writeJointRunBlock(ReportFileWriter& table, const JointRun& run, bool outlierRemoval)
{
    table.text(QLatin1Char('\\') + run.project);
    table.endLine();
    table.text(QLatin1Char('\\') + run.folderName + QStringLiteral(" [") + run.formatCode + QLatin1Char(']'));
    table.endLine();
    const PlateGrid grid = plateGrid(run.formatCode);
    writeHeader(table, grid);
    if (!run.folderPath.isEmpty() && !grid.isEmpty()) {
        QFile runFile(resolvePathIgnoringCase(run.folderPath + QStringLiteral("/adjusted_activity.txt")));
        if (runFile.open(QIODevice::ReadOnly)) {
            JointTimePoints points = readJointTimePoints(runFile, grid);
            if (outlierRemoval)
                removeOutliers(points);
            writeTimePoints(table, points);
        }
    }
    table.endLine();
}

JointTableResult writeJointTable(const ProgramFolder& program, const std::vector<JointListEntry>& entries,
                                 bool outlierRemoval, const QDateTime& when)
{
    JointTableResult result;
    result.fileName = jointTableFileName(when);
    makeFolder(jointTableFolder(program));
    result.filePath = jointTablePath(program, result.fileName);

    result.runFolder = program.reportsFolder();

    ReportFileWriter table(result.filePath);
    if (!table.open())
        return result;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].selected || !isJointRunEntry(entries[i].text))
            continue;
        const JointRun run = locateJointRun(program, entries, i);
        writeJointRunBlock(table, run, outlierRemoval);
        result.runFolder = isPlainFolderName(run.project) ? program.path(QStringLiteral("reports/") + run.project)
                                                          : program.reportsFolder();
        ++result.runs;
    }
    result.written = table.finish();
    return result;
}
