#pragma once

#include <QString>
#include <QStringList>

// The grid of a plate format. A code outside the format table has no wells (0 by 0).
struct PlateGrid {
    int rows = 0;
    int columns = 0;

    int wells() const { return rows * columns; }
    bool isEmpty() const { return rows <= 0 || columns <= 0; }
    bool operator==(const PlateGrid&) const = default;
};

// A plate format: its code and the grid that belongs to it, resolved once from
// the code and passed as such.
struct PlateFormat {
    QString code;
    int rows = 0;
    int columns = 0;
    bool builtInTables = false; // "w24", "w6" and "p35" carry their geometry tables built in

    PlateGrid grid() const { return {rows, columns}; }
    bool operator==(const PlateFormat&) const = default;
};

// The format of a code; a code outside the format table has no wells (0 by 0).
PlateFormat resolvePlateFormat(const QString& code);

// The grid of a format code. Codes are compared exactly, letter case included.
PlateGrid plateGrid(const QString& code);

// Every known format code, in the order of the format table.
QStringList plateFormatCodes();

// Formats whose geometry tables the program carries built in ("w24", "w6", "p35").
bool hasBuiltInTables(const QString& code);

// The entries of the main window's format lists at start-up: "w6", then "w24".
QStringList startupFormatList();

// A code that can name a file: it holds no path separator. Codes come from
// editable boxes and project files, so they must not reach outside their folder.
bool isFileNameSafeCode(const QString& code);
