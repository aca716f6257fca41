#pragma once

#include "calibration/BlankRecord.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

// Blank files: the name, "acqlapse=" and the minutes, the "#well","Value"
// header, then "index,count" lines. Readers take the minutes after the first
// "=", and each data line sets the well it names (0 to 384); a line that is
// not a well index, a comma and a 16-bit whole number is skipped. Entries no
// line names keep their values.
void readBlankFileLines(const QStringList& lines, BlankRecord& blank);

// The run copy of a format's blank: "blank_<code>.dat" in the run folder.
QString runBlankFilePath(const QString& runFolder, const QString& formatCode);

// The blank a report of the run subtracts. A missing copy is no blank: all
// values 0 over 30 minutes, so the correction removes nothing.
BlankRecord ReadRunBlankFile(const QString& runFolder, const QString& formatCode);

// CopyBlankToRun: the format's blank in use (the store file, or the empty
// blank when there is none) into the run folder, its first three lines as
// they stand and the 384 wells in index order; the record holds what was
// copied. False when the copy could not be written.
bool CopyBlankToRun(const ProgramFolder& folder, int serialNumber, const QString& formatCode, const QString& runFolder,
                    BlankRecord& record);
