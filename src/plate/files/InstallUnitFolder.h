#pragma once

#include "core/ProgramFolder.h"

#include <QString>

// Creates the target anew with the source's lines, each ended by CR LF (a last
// line without a line end gets one). Both are full paths. False when the
// source cannot be read or the target cannot be written; the target is then
// left as it was.
bool CopyTextFile(const QString& source, const QString& target);

// The installers that complete a new unit folder after the flash read-back.
// A file already in the target stays as it is; a missing one is copied from
// its shared source folder. They show nothing and return nothing: what is
// still missing afterwards stays missing, except the column and row files.

// w6, p35 and w24 column and row files from config into the unit folder named
// ("config_SN12"); those config lacks too are written from the built-in defaults.
void InstallWellFormatFiles(const ProgramFolder& folder, const QString& unitFolderName);
// ledxy.dat from config into the unit folder named.
void InstallLedXyFile(const ProgramFolder& folder, const QString& unitFolderName);
// tempfactor.dat from config into the unit folder named.
void InstallTempFactorFile(const ProgramFolder& folder, const QString& unitFolderName);
// p35, w6 and w24 factor-correction files from reports/_internal_reference into
// the instrument's internal-reference project, that folder name followed by
// the serial suffix ("SN12").
void InstallFactorCorrectionFiles(const ProgramFolder& folder, const QString& serialSuffix);
// p35, w6 and w24 blank files from reports/_internal_blank_measurement into the
// instrument's blank project, that folder name followed by the serial suffix.
void InstallBlankFiles(const ProgramFolder& folder, const QString& serialSuffix);
