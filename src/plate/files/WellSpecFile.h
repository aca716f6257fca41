#pragma once

#include "core/ProgramFolder.h"
#include "plate/geometry/PlateGeometry.h"

#include <QString>
#include <optional>

// One well line of a well table `<fmt>_spc.dat`.
struct SpcWellEntry {
    int camera = 0;
    int column = 0; // camera's own well column
    int row = 0;    // camera's own well row
    int dataIndex = 0;
    QString name;
    int plotIndex = 0;
    int colIni = 0;
    int colEnd = 0;
    int rowIni = 0;
    int rowEnd = 0;
};

// A well line, or nothing when it has fewer than ten fields, a number too large
// for the tables, or a camera, column, row or data index outside them.
std::optional<SpcWellEntry> parseSpcLine(const QString& line);

// The well table of a format: "<code>_spc.dat" in the shared config folder.
QString wellSpecFilePath(const ProgramFolder& folder, const QString& code);

// What a table reader met.
struct TableReadReport {
    bool found = false;
    int rowsRead = 0;
    int rowsSkipped = 0; // malformed or out of the tables' range
};

// The well lines of a format's table (its first two lines skipped); nothing
// when the file is missing or cannot be read.
std::optional<QList<SpcWellEntry>> readSpcEntries(const ProgramFolder& folder, const QString& code,
                                                   TableReadReport& report);

// Replaces the table with the format's well table. A missing file leaves it
// empty; a later line for the same camera position replaces an earlier one.
TableReadReport ReadWellSpecFile(const ProgramFolder& folder, const QString& code, WellSpecTable& table);
