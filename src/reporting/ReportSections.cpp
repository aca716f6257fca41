#include "reporting/ReportLayout.h"

namespace {

void appendQuoted(QByteArray& line, const QString& text)
{
    line += '"';
    line += text.toLatin1();
    line += '"';
}

} // namespace

int reportGroupOf(const WellGroupTable& groups, int well)
{
    if (well < 0 || well >= kWellSlots)
        return -1;
    const int group = groups.wellGroup[well];
    return group >= 0 && group <= 383 ? group : -1;
}

void writeReportHeader(ReportFileWriter& file, const ReportContent& content)
{
    QByteArray& line = file.line();
    line += "\"DATE:\"";
    line += content.divider;
    appendQuoted(line, content.dateText);
    file.endLine();
    line += "\"FILE:\"";
    line += content.divider;
    appendQuoted(line, content.folderText);
    file.endLine();
    line += "\"SUBPROJECT:\"";
    line += content.divider;
    appendQuoted(line, content.acquisitionName);
    file.endLine();
    if (content.factorSource) {
        line += "***Internal Factor Correction Enabled:[";
        line += content.factorSource->toLatin1();
        line += "]***";
        file.endLine();
    }
    file.endLine();
}

void appendGroupCell(QByteArray& line, const ReportContent& content, int well)
{
    const int group = reportGroupOf(content.groups, well);
    if (group < 0) {
        line += "\"-\"";
        return;
    }
    line += '"';
    content.numbers.threeDigits(line, group);
    line += '_';
    line += content.groups.groupName[group].toLatin1();
    line += '"';
}

void writeTemperatureBlock(ReportFileWriter& file, const ReportContent& content, bool skipScansAtZero)
{
    const RunResults& run = content.run;
    file.endLine();
    file.line() += "***TEMPERATURE***";
    file.endLine();
    file.line() += "Time[m]";
    for (int scan = 0; scan < run.scanCount(); ++scan) {
        if (skipScansAtZero && run.scanTime[scan] <= 0)
            continue;
        file.line() += content.divider;
        content.numbers.oneDecimal(file.line(), run.scanTime[scan] / 60.0);
        file.flushIfLong();
    }
    file.endLine();
    file.line() += "Temperature[\xB0" "C]";
    for (int scan = 0; scan < run.scanCount(); ++scan) {
        if (skipScansAtZero && run.scanTime[scan] <= 0)
            continue;
        file.line() += content.divider;
        content.numbers.oneDecimal(file.line(), run.scanTemperature[scan]);
        file.flushIfLong();
    }
    file.endLine();
}
