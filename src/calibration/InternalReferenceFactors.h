#pragma once

#include "core/Globals.h"

#include <QByteArray>
#include <QString>

#include <array>

class Clock;
class ProgramFolder;
class Prompts;

// What LoadInternalReferenceFactors leaves behind.
struct InternalReferenceFactors {
    // One byte per well of the format, the factor times 100 cut to a whole
    // number; empty when neither reference runs nor factory factors exist.
    QByteArray bytes;
    // The per-well factor table (intRefFactor), 1.0 where nothing corrects.
    std::array<double, kWellSlots> table{};
    // The folder that received factor_correction.txt, and whether it did.
    QString folder;
    bool written = false;
};

// What the call needs besides its arguments.
struct InternalReferenceSetting {
    const ProgramFolder& folder;
    const Clock& clock;
    Prompts& prompts;
    // The report panel's internal-reference choice ("No", "Apply", "Update");
    // past the first, announce 1 names the project the factors came from.
    int intRefChoice = 0;
};

// The per-well factors of a format from the instrument's internal-reference
// runs (their last scan closed at or after minute 10; every such run counts,
// lines with fewer than two blanks and wells outside the format are passed
// over), else from the unit folder's factory file intfactor_<fmt>.dat (1.0
// for a well it has no value for), else 1.0. Writes
// factor_correction.txt into targetFolder (the program folder when empty),
// keeping the previous one as a backup.
InternalReferenceFactors LoadInternalReferenceFactors(const InternalReferenceSetting& setting,
                                                      const QString& targetFolder, const QString& format,
                                                      int serialNumber, int announce);

// Copies a folder's factor_correction.txt to its backup name (the old file's
// stamp, or the current time for a short first line). Failures are ignored.
void BackupFactorCorrection(const QString& folderPath, const Clock& clock);
