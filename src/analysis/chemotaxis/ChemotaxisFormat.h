#pragma once

#include <QString>

#include <optional>

// How a plate format's wells lie in the window files the processing reads.
struct ChemotaxisFormat {
    int wells = 0;
    int rows = 0;
    int windowsPerCamera = 0;
    int wellsPerWindow = 0; // w12, w48 and w96f: the first well of each window only
};
std::optional<ChemotaxisFormat> chemotaxisFormat(const QString& formatCode);

// A well's index from its name ("B3": column 3, row B): (column - 1) * rows + row.
int chemotaxisWellIndex(const QString& wellName, int rows);
// The name of a well index: row letter, column number.
QString chemotaxisWellName(int wellIndex, int rows);
