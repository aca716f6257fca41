#pragma once

#include "calibration/BlankRecord.h"
#include "calibration/IntRefFactors.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "projects/RunResults.h"
#include "reporting/ReportChoices.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// What a report of one run reads besides the run and the panel's choices.
struct ReportContext {
    QString formatCode;     // txt_welltype
    WellGroupTable groups;  // reportWellGroup / reportGroupName
    BlankRecord blank;      // the run's blank copy
    IntRefFactors factors;  // intRefFactor
    QString acquisitionName; // empty when none was typed
    QString factorSource;   // first line of the run's factor_correction.txt
    QString folder;         // where the report goes
    QDateTime when;         // names the file and fills "DATE:"
    QLocale locale;         // the system's number and date format
};

struct ReportResult {
    enum class Status { Written, NotWritten, Failed };
    Status status = Status::NotWritten;
    QString filePath; // the report file, also when a failure left part of it
    QString binText;  // Combo_reportbin's text after the bin-width rules
};

// Writes the Rows or Array report of a run into the context's folder: noise
// filter, blank and internal-reference corrections, minute bins when the bin
// text is not "ScanTime". The run itself is left as it is, so the same inputs
// always give the same report. Minute bins are announced by a warning box; a
// failure shows "Report Error" and leaves what was written. Other outputs
// (MapPlot, .bmp) write nothing here.
ReportResult generateReport(const ReportChoices& choices, const RunResults& run, const ReportContext& context,
                            Prompts& prompts);

// The warning shown before every report with minute bins.
QString minuteBinWarningText();
