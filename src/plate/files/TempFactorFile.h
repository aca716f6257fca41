#pragma once

#include "core/ProgramFolder.h"

#include <QString>

class Console;
class Prompts;
struct Globals;

// The temperature-sensor factors: a raw reading of the analog stage controller
// becomes degrees as raw * slope + offset.
struct TempCalibration {
    static constexpr double kDefaultOffset = -16.34;
    static constexpr double kDefaultSlope = 1.732;

    double offset = kDefaultOffset;
    double slope = kDefaultSlope;

    double degrees(double raw) const { return raw * slope + offset; }
    bool operator==(const TempCalibration&) const = default;
};

inline const QString kTempFactorFileError = QStringLiteral("Error in tempfactor file. Using defaults");
inline const QString kTempFactorOutOfLimit =
    QStringLiteral("[#T001]: Temperature Calibration factors out of limit. Using default parameters");

// Whether a pair reads within 5 degrees of the known readings at raw 20 (18.3)
// and 37 (47.744); the loader replaces any other pair by the defaults.
bool tempFactorsPlausible(const TempCalibration& c);

// Plausible both as it is and as it will be stored, so a pair that is kept is
// still kept after it has been written and read again.
bool tempFactorsPlausibleAsStored(const TempCalibration& c);

// "tempfactor.dat" in the unit folder ("config" when there is no serial number).
QString tempFactorPath(const ProgramFolder& folder, int serialNumber);

// Reads the unit folder's tempfactor.dat into globals.tempOffset and
// globals.tempSlope and returns the same pair, which the main window keeps as
// its own copy (formTempOffset, formTempSlope). A missing file is written with
// the defaults. A value out of its range falls back to its default; a pair
// that reads implausibly at 20 and 37 raw, as read or as it would be written
// back, is replaced by the defaults with the
// out-of-limit text in the status line; an unreadable file, or a missing one
// that cannot be written, gives the defaults and the message box
// "Error in tempfactor file. Using defaults".
TempCalibration ReadTempFactor(const ProgramFolder& folder, Globals& globals, Console& console, Prompts& prompts);

// Replaces the unit folder's tempfactor.dat with globals.tempOffset and
// globals.tempSlope, each rounded to two decimals and written with the
// system's decimal separator. Creates no folder; false when it cannot write.
bool WriteTempFactorFile(const ProgramFolder& folder, const Globals& globals);

// A factor as the file holds it: two decimals at most (halves to even), no
// trailing zeros, the system's decimal separator.
QString tempFactorText(double value);
