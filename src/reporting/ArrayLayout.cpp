#include "core/NumberText.h"
#include "plate/geometry/WellNumbering.h"
#include "reporting/ReportLayout.h"

namespace {

void writeColumnLine(ReportFileWriter& file, const ReportContent& content)
{
    file.line() += "\"ROW/COL\"";
    for (int column = 1; column <= content.grid.columns; ++column) {
        file.line() += content.divider;
        content.numbers.plain(file.line(), column);
    }
    file.endLine();
}

void appendRowLetter(QByteArray& line, int row)
{
    line += '"';
    line += char('A' + row);
    line += '"';
}

// The plate grid of one scan or bin: a title, the column line, one line per row.
template <typename ValueOf>
void writePlateBlock(ReportFileWriter& file, const ReportContent& content, double titleMinutes, ValueOf appendValue)
{
    content.numbers.oneDecimal(file.line(), titleMinutes);
    file.line() += 'm';
    file.endLine();
    writeColumnLine(file, content);
    const PlateGrid& grid = content.grid;
    for (int row = 0; row < grid.rows; ++row) {
        appendRowLetter(file.line(), row);
        for (int column = 0; column < grid.columns; ++column) {
            file.line() += content.divider;
            appendValue(file.line(), WellIndex(column, row, grid.rows));
        }
        file.endLine();
    }
    file.endLine();
}

} // namespace

void writeArrayLayout(ReportFileWriter& file, const ReportContent& content)
{
    const PlateGrid& grid = content.grid;
    writeReportHeader(file, content);

    file.line() += "\"***GROUPS***\"";
    file.endLine();
    writeColumnLine(file, content);
    for (int row = 0; row < grid.rows; ++row) {
        appendRowLetter(file.line(), row);
        for (int column = 0; column < grid.columns; ++column) {
            file.line() += content.divider;
            appendGroupCell(file.line(), content, WellIndex(column, row, grid.rows));
        }
        file.endLine();
    }
    file.endLine();

    const CorrectedActivity& activity = content.activity;
    // Wells past the corrected ones (none on a known grid) read as 0.
    auto corrected = [&](int well, int scan) { return well < activity.wells ? activity.at(well, scan) : 0.0; };
    if (!content.bins) {
        file.line() += "\"***WELL ACTIVITY***\"";
        file.endLine();
        for (int scan = 0; scan < activity.scans; ++scan)
            writePlateBlock(file, content, content.run.scanTime[scan] / 60.0, [&](QByteArray& line, int well) {
                content.numbers.whole(line, corrected(well, scan));
            });
    } else if (content.bins->made) {
        const MinuteBins& bins = *content.bins;
        file.line() += "\"***WELL ACTIVITY***\"";
        file.endLine();
        for (int bin = 0; bin < bins.count; ++bin) {
            if (!bins.endsWithinReport(bin))
                continue; // a last bin that ends after the reported time is not reached
            writePlateBlock(file, content, bins.ends[bin], [&](QByteArray& line, int well) {
                content.numbers.plain(line, well < activity.wells ? bins.value(well, bin) : 0.0);
            });
        }
    }
    writeTemperatureBlock(file, content, true);
}
