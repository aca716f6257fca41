#pragma once

#include <QString>

// The raw export of the run's lastread00.csv: the pixel rows of each of the
// first ten samples, one matrix after another, into bmp_last/1.csv. Each line's
// text after its first ",,," splits at ",,," into samples 0 to 11; later ones
// are ignored.
enum class RawExportResult {
    Written,
    NoSource,    // the run has no lastread00.csv: nothing is written
    WriteFailed, // bmp_last or 1.csv cannot be written; an earlier 1.csv stays as it was
};
RawExportResult exportRawSamples(const QString& runFolder);

// The folder the export writes into.
QString rawExportFolder(const QString& runFolder);
