#include "plate/files/FormatFiles.h"

#include "core/Fields.h"
#include "core/TextFile.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/TableNumber.h"
#include "plate/files/WellSpecFile.h"

#include <algorithm>

namespace {

constexpr int kSkippedHeaderLines = 2;

// One axis of the camera windows: columns or rows.
template <int N>
struct Axis {
    std::array<int, kCameraSlots>& first;
    std::array<int, kCameraSlots>& last;
    CameraWindowTables::PerCamera<N>& start;
    CameraWindowTables::PerCamera<N>& end;
};

template <int N>
struct ConstAxis {
    const std::array<int, kCameraSlots>& first;
    const std::array<int, kCameraSlots>& last;
    const CameraWindowTables::PerCamera<N>& start;
    const CameraWindowTables::PerCamera<N>& end;
};

QString formatFilePath(const ProgramFolder& folder, int serialNumber, const QString& code, const char* suffix)
{
    return folder.path(ProgramFolder::unitFolderName(serialNumber) + QLatin1Char('/') + code +
                       QLatin1String(suffix));
}

// Reads one file into an axis; lines whose camera or window lies outside the
// tables are skipped and counted. False when the file is missing.
template <int N>
bool readAxisFile(const QString& path, Axis<N> axis, int& skipped)
{
    const auto lines = readTextFile(path);
    if (!lines)
        return false;
    for (qsizetype i = kSkippedHeaderLines; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = splitFields(line);
        std::optional<int> n[4];
        bool ok = f.size() >= 4;
        for (int j = 0; ok && j < 4; ++j) {
            n[j] = tableNumber(f.at(j));
            ok = n[j].has_value();
        }
        if (!ok || *n[0] < 0 || *n[0] >= kCameraCount || *n[1] < 0) {
            ++skipped;
            continue;
        }
        const int c = *n[0];
        const int p = *n[1];
        const int first = axis.first[c] == -1 ? p : axis.first[c];
        const int k = p - first;
        if (k < 0 || k >= N) {
            ++skipped;
            continue;
        }
        axis.first[c] = first;
        axis.start[c][k] = *n[2];
        axis.end[c][k] = *n[3];
        axis.last[c] = p;
    }
    return true;
}

template <int N>
QStringList axisFileLines(const QString& code, const char* word, ConstAxis<N> axis)
{
    const QString w = QLatin1String(word);
    QStringList lines{quoted(code + QLatin1Char(' ') + w + QStringLiteral(" format")),
                      QStringList{quoted(QStringLiteral("camera")), quoted(w), quoted(QStringLiteral("start")),
                                  quoted(QStringLiteral("end"))}
                          .join(QLatin1Char(','))};
    for (int c = 0; c < kCameraCount; ++c) {
        if (axis.last[c] < 0 || axis.first[c] < 0)
            continue;
        const int windows = std::min(axis.last[c] - axis.first[c], N - 1);
        for (int k = 0; k <= windows; ++k) {
            lines << QStringLiteral("%1,%2,%3,%4")
                         .arg(c)
                         .arg(axis.first[c] + k)
                         .arg(axis.start[c][k])
                         .arg(axis.end[c][k]);
        }
    }
    return lines;
}

} // namespace

QString columnFilePath(const ProgramFolder& folder, int serialNumber, const QString& code)
{
    return formatFilePath(folder, serialNumber, code, "_col.dat");
}

QString rowFilePath(const ProgramFolder& folder, int serialNumber, const QString& code)
{
    return formatFilePath(folder, serialNumber, code, "_row.dat");
}

FormatReadReport ReadWellFormatFiles(const ProgramFolder& folder, int serialNumber, const QString& code,
                                     CameraWindowTables& tables)
{
    FormatReadReport report;
    for (int c = 0; c < kCameraCount; ++c) {
        tables.firstColumn[c] = -1;
        tables.lastColumn[c] = -1;
        tables.firstRow[c] = -1;
        tables.lastRow[c] = -1;
    }
    if (!isFileNameSafeCode(code))
        return report;

    report.columnFileFound = readAxisFile<kColumnWindows>(
        columnFilePath(folder, serialNumber, code),
        {tables.firstColumn, tables.lastColumn, tables.columnStart, tables.columnEnd}, report.rowsSkipped);
    report.rowFileFound = readAxisFile<kRowWindows>(
        rowFilePath(folder, serialNumber, code), {tables.firstRow, tables.lastRow, tables.rowStart, tables.rowEnd},
        report.rowsSkipped);

    TableReadReport specReport;
    if (const auto entries = readSpcEntries(folder, code, specReport)) {
        report.wellTableFound = true;
        for (const SpcWellEntry& e : *entries) {
            tables.columnLabel[e.camera][e.column] = e.name.mid(1);
            tables.rowLabel[e.camera][e.row] = e.name.left(1);
        }
    }
    return report;
}

bool WriteFormatFiles(const ProgramFolder& folder, int serialNumber, const QString& code,
                      const CameraWindowTables& tables)
{
    if (!isFileNameSafeCode(code))
        return false;
    if (!makeFolder(folder.unitFolder(serialNumber)))
        return false;
    const bool columns = writeTextFile(
        columnFilePath(folder, serialNumber, code),
        axisFileLines<kColumnWindows>(code, "column",
                                      {tables.firstColumn, tables.lastColumn, tables.columnStart, tables.columnEnd}));
    const bool rows = writeTextFile(
        rowFilePath(folder, serialNumber, code),
        axisFileLines<kRowWindows>(code, "row", {tables.firstRow, tables.lastRow, tables.rowStart, tables.rowEnd}));
    return columns && rows;
}
