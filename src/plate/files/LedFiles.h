#pragma once

#include "core/ProgramFolder.h"
#include "plate/files/LedTables.h"

#include <QString>

struct Globals;

// The first line of ledxy.dat and ledpower.dat, quotes and two blanks before "26col" included.
inline const QString kLedFileTitle = QStringLiteral("\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"");
inline const QString kLedXyColumns = QStringLiteral("\"led\",\"x1\",\"x2\",\"y1\",\"y2\"");
inline const QString kLedPowerColumns = QStringLiteral("\"led\",\"power\"");

// config/ldsetup1.dat for generation 1, config/ldsetup2.dat for generation 2;
// empty for any other generation, which has no layout.
QString ledLayoutFilePath(const ProgramFolder& folder, int hardwareGeneration);
// ledxy.dat and ledpower.dat in the unit folder ("config" for serial number 0).
QString ledXyFilePath(const ProgramFolder& folder, int serialNumber);
QString ledPowerFilePath(const ProgramFolder& folder, int serialNumber);

// What a load found.
struct LedLoadReport {
    bool layoutFound = false;
    bool xyFound = false;
    bool powerFound = false;
    int rowsSkipped = 0; // rows with too few fields, a field that is no number, or an LED outside 0 to 415
};

// Rebuilds a table from zero out of a layout file (camera, led, colcam, filcam),
// a position file (led, x1, x2, y1, y2) and a power file (led, power). A missing
// file, or an empty path, leaves its fields at 0; of two rows for one LED the
// later wins.
LedLoadReport loadLedTable(LedTable& table, const QString& layoutPath, const QString& xyPath,
                           const QString& powerPath);

// The main window's load: the layout of the hardware generation, the positions
// and powers of the unit folder.
LedLoadReport LoadLedSetup(LedTable& table, const ProgramFolder& folder, const Globals& globals);

// Replace a file with its two header lines and one row per LED 0 to 415.
// The folder must exist; false when the file could not be written.
bool writeLedXyFile(const QString& path, const LedTable& table);
bool writeLedPowerFile(const QString& path, const LedTable& table);

// The same into the unit folder, which is created when missing.
bool WriteLedXyFile(const ProgramFolder& folder, int serialNumber, const LedTable& table);
bool WriteLedPowerFile(const ProgramFolder& folder, int serialNumber, const LedTable& table);
