#pragma once

#include "plate/pixelsets/PixelSetRegion.h"

#include <QString>

class ProgramFolder;
class Prompts;

// The two files of a pixel set in the program folder: the full region
// "w96f_c0full__<set>.dat" and its points on the 5-pixel grid "w96f_c0__<set>.dat".
inline const QString kGridSetFilePattern = QStringLiteral("w96f_c0__*.dat");
inline const QString kFullSetFilePattern = QStringLiteral("w96f_c0full__*.dat");

// The set of a well: the row letter of cmb_set1 followed by the column of cmb_set2 ("C7").
QString pixelSetName(const QString& cmb_set1, const QString& cmb_set2);
QString fullSetFileName(const QString& setName);
QString gridSetFileName(const QString& setName);
// The set a grid set file holds: its name from the tenth character up to ".dat".
QString setNameOfGridFile(const QString& fileName);

// The region's points whose line and pixel are both multiples of 5 (lines 0 to
// 135, pixels 0 to 185).
PixelSetRegion gridSubset(const PixelSetRegion& region);

// Writes the full file from the region and the grid file from its grid
// subset, each whole or not at all; false when either could not be written.
bool WritePixelSetFiles(const ProgramFolder& folder, const QString& setName, const PixelSetRegion& region);

// What "Reset all" did.
struct PixelSetReset {
    bool confirmed = false;
    int gridFiles = 0; // grid set files deleted
    int fullFiles = 0; // full set files deleted
};

// cmd_reset_set_Click: after "are you sure to Reinicialize?" deletes every
// grid and every full set file of the program folder and shows the counts.
PixelSetReset ResetPixelSets(const ProgramFolder& folder, Prompts& prompts);
