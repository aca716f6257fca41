#include "plate/files/WellSpecFile.h"

#include "core/Fields.h"
#include "core/TextFile.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/TableNumber.h"

namespace {
constexpr int kSpcFields = 10;
constexpr int kSkippedHeaderLines = 2;

bool inRange(int v, int low, int high)
{
    return v >= low && v <= high;
}
} // namespace

std::optional<SpcWellEntry> parseSpcLine(const QString& line)
{
    const QStringList f = splitFields(line);
    if (f.size() < kSpcFields)
        return std::nullopt;
    int n[kSpcFields] = {};
    for (int i = 0; i < kSpcFields; ++i) {
        if (i == 4)
            continue; // the name
        const auto v = tableNumber(f.at(i));
        if (!v)
            return std::nullopt;
        n[i] = *v;
    }
    SpcWellEntry e{n[0], n[1], n[2], n[3], f.at(4), n[5], n[6], n[7], n[8], n[9]};
    if (!inRange(e.camera, 0, kCameraCount - 1) || !inRange(e.column, 0, kSpcColumns - 1) ||
        !inRange(e.row, 0, kSpcRows - 1) || !inRange(e.dataIndex, 0, kMaxDataIndex))
        return std::nullopt;
    return e;
}

QString wellSpecFilePath(const ProgramFolder& folder, const QString& code)
{
    return folder.path(QStringLiteral("config/") + code + QStringLiteral("_spc.dat"));
}

std::optional<QList<SpcWellEntry>> readSpcEntries(const ProgramFolder& folder, const QString& code,
                                                   TableReadReport& report)
{
    report = TableReadReport{};
    if (!isFileNameSafeCode(code))
        return std::nullopt;
    const auto lines = readTextFile(wellSpecFilePath(folder, code));
    if (!lines)
        return std::nullopt;
    report.found = true;
    QList<SpcWellEntry> entries;
    for (qsizetype i = kSkippedHeaderLines; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        if (line.trimmed().isEmpty())
            continue;
        if (const auto e = parseSpcLine(line)) {
            entries << *e;
            ++report.rowsRead;
        } else {
            ++report.rowsSkipped;
        }
    }
    return entries;
}

TableReadReport ReadWellSpecFile(const ProgramFolder& folder, const QString& code, WellSpecTable& table)
{
    table = WellSpecTable{};
    TableReadReport report;
    const auto entries = readSpcEntries(folder, code, report);
    if (!entries)
        return report;
    for (const SpcWellEntry& e : *entries) {
        table.spcDataIndex[e.camera][e.column][e.row] = e.dataIndex;
        table.spcPlotIndex[e.camera][e.column][e.row] = e.plotIndex;
        table.spcWellName[e.camera][e.column][e.row] = e.name;
        table.spcColIni[e.camera][e.column][e.row] = e.colIni;
        table.spcColEnd[e.camera][e.column][e.row] = e.colEnd;
        table.spcRowIni[e.camera][e.column][e.row] = e.rowIni;
        table.spcRowEnd[e.camera][e.column][e.row] = e.rowEnd;
    }
    return report;
}
