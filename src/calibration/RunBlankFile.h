#pragma once

#include "calibration/BlankRecord.h"

#include <QString>

// The run copy of a format's blank: "blank_<code>.dat" in the run folder.
QString runBlankFilePath(const QString& runFolder, const QString& formatCode);

// The blank a report of the run subtracts. A missing copy is no blank: all
// values 0 over 30 minutes, so the correction removes nothing.
BlankRecord ReadRunBlankFile(const QString& runFolder, const QString& formatCode);
