#pragma once

#include "core/ProgramFolder.h"

#include <QString>

inline const QString kBlankOk = QStringLiteral("Blank OK");
inline const QString kBlankFileError = QStringLiteral("Blank_File format error");

struct BlankEvaluation {
    bool written = false; // the store file of the format now holds the run
    QString message;      // "Blank OK", the short-run error or "Blank_File format error"
};

// Rows of a format as the blank evaluation counts wells; 0 for an unknown code.
int blankFormatRows(const QString& code);

// Turns a blank run's current_activity.txt into the format's store file: each
// well's last accumulated count, named by the run folder, over `minutes`
// (written rounded, four digits at least). A run covering less than 80 % of
// the minutes, or a file that cannot be read or written, leaves the store as it was.
BlankEvaluation evaluateBlankRun(const ProgramFolder& folder, int serialNumber, const QString& runFolder,
                                 const QString& code, double minutes);
