#pragma once

#include "flash/FlashSectionRead.h"
#include "link/protocol/LinkContext.h"

#include <QString>

class PictureCanvas;
class ProgramFolder;

// The readers that turn the calibration kept in the instrument's flash back
// into files of the unit folder: at the first start with a new instrument and
// from the flash panel. Each returns 0 when every section it reads was
// written, -1 when one failed (its status text shown) or something unexpected
// stopped it (its message shown). A section that fails writes nothing; a file
// it would have written keeps its old content. A file is written whole or not
// at all. Pages that got no good reply are counted in `tally` when one is given.

// w6_col.dat, w6_row.dat, p35_col.dat, p35_row.dat, w24_col.dat, w24_row.dat
// into the unit folder named (relative to the program folder; "config" for none).
qint16 ReadWellFormatFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& folderName,
                               FlashPageTally* tally = nullptr);

// ledxy.dat into the unit folder named, printing its progress on the flash
// panel's progress picture.
qint16 ReadLedXyFromFlash(LinkContext& ctx, const ProgramFolder& folder, PictureCanvas& progress,
                          const QString& folderName, FlashPageTally* tally = nullptr);

// tempfactor.dat into the unit folder named.
qint16 ReadTempFactorFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& folderName,
                               FlashPageTally* tally = nullptr);

// intfactor_w6.dat, intfactor_p35.dat, intfactor_w24.dat into "config_" and the
// serial suffix ("SN12"; "config" without a suffix).
qint16 ReadIntFactorFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& serialSuffix,
                              FlashPageTally* tally = nullptr);

// blank_w6.dat, blank_p35.dat, blank_w24.dat into the same folder.
qint16 ReadBlankFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& serialSuffix,
                          FlashPageTally* tally = nullptr);
