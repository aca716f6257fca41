#pragma once

#include "flash/FlashPageWrite.h"

// The writers that send the unit folder's calibration into the instrument's
// flash, one section each, in the flash layout. Each tests the port first
// ("COMPORT not opened. Click Connect", nothing sent), writes its bank's
// header page, then each data page from what its packer makes of the files,
// read back and compared, two tries. A page that cannot be packed is not
// sent and a page that does not read back as written is reported ("Error
// writing" and its name line); the writer goes on with its next page.

// Bank 0: w6, p35 and w24 column and row tables (p35 from the w6 tables when
// the unit folder has none), then the end page.
void WriteWellFormatToFlash(FlashSendContext& ctx);

// Bank 3: ledxy.dat as one section over 18 pages, its progress on the
// progress picture.
void WriteLedXyToFlash(FlashSendContext& ctx);

// Bank 1: the temperature factors; the header page carries the date line.
void WriteTempFactorToFlash(FlashSendContext& ctx);

// Bank 1: the w6, p35 and w24 internal-reference factors.
void WriteIntFactorToFlash(FlashSendContext& ctx);

// Bank 2: the w6, p35 and w24 blanks of the blank store, with their lapse.
void WriteBlankToFlash(FlashSendContext& ctx);
