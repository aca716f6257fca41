#pragma once

#include "core/ProgramFolder.h"

#include <QString>

// The blank in use of a format: "blank_<code>.dat" in the blank store folder
// (reports/_internal_blank_measurement, followed by "SN" and the serial number
// when it is 1 or more).
QString blankStoreFilePath(const ProgramFolder& folder, int serialNumber, const QString& code);

// The first line of the format's store file (the blank run's name); empty when
// the file does not exist.
QString ReadBlankFileHeader(const ProgramFolder& folder, int serialNumber, const QString& code);
