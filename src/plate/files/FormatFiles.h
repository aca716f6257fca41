#pragma once

#include "core/ProgramFolder.h"
#include "plate/geometry/PlateGeometry.h"

#include <QString>

// The column file "<code>_col.dat" and the row file "<code>_row.dat" in the unit
// folder ("config_SN<n>", or "config" for serial number 0).
QString columnFilePath(const ProgramFolder& folder, int serialNumber, const QString& code);
QString rowFilePath(const ProgramFolder& folder, int serialNumber, const QString& code);

// What ReadWellFormatFiles met.
struct FormatReadReport {
    bool columnFileFound = false;
    bool rowFileFound = false;
    bool wellTableFound = false;
    int rowsSkipped = 0; // lines of the column and row files outside the tables
};

// Fills the camera window tables of a format from its column and row files and
// the labels from its well table in the shared config folder. Every camera first
// sees nothing (-1); spans and labels beyond what the files name keep their values.
FormatReadReport ReadWellFormatFiles(const ProgramFolder& folder, int serialNumber, const QString& code,
                                     CameraWindowTables& tables);

// Writes the tables into the format's column and row files, creating the unit
// folder when missing; cameras that see nothing get no line. False when the folder
// or a file could not be written.
bool WriteFormatFiles(const ProgramFolder& folder, int serialNumber, const QString& code,
                      const CameraWindowTables& tables);
