#pragma once

#include "core/Globals.h"
#include "plate/geometry/PlateFormat.h"
#include "projects/RunResults.h"
#include "reporting/MinuteBins.h"
#include "reporting/ReportCorrections.h"
#include "reporting/ReportFileWriter.h"
#include "reporting/ReportText.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Everything a report file shows, worked out before the file is written.
struct ReportContent {
    const RunResults& run;
    PlateGrid grid;
    const WellGroupTable& groups; // the report's copy of the well groups
    const CorrectedActivity& activity;
    const MinuteBins* bins = nullptr; // none: one column per scan
    QByteArray divider;               // written as it is
    ReportNumbers numbers;
    QString dateText;
    QString folderText;
    QString acquisitionName;
    std::optional<QString> factorSource; // set when the internal-reference factors were applied
};

// The group of a well as reports count it: 0 to 383, or -1 for none.
int reportGroupOf(const WellGroupTable& groups, int well);

// "DATE:", "FILE:", "SUBPROJECT:", the factor line when factors were applied, an empty line.
void writeReportHeader(ReportFileWriter& file, const ReportContent& content);

// The group cell of a well: "-", or the group number in three digits, "_" and its name, quoted.
void appendGroupCell(QByteArray& line, const ReportContent& content, int well);

// The closing block of scan times and temperatures; the Array layout leaves out
// scans that began at 0 s.
void writeTemperatureBlock(ReportFileWriter& file, const ReportContent& content, bool skipScansAtZero);

// One grid of the plate per scan or bin.
void writeArrayLayout(ReportFileWriter& file, const ReportContent& content);

// One line per well with every time column, after the group mean, standard error and count blocks.
void writeRowsLayout(ReportFileWriter& file, const ReportContent& content);
