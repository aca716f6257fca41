#pragma once

#include "core/ProgramFolder.h"

#include <QString>

#include <array>

// The built-in geometry files that a fresh installation and a new instrument
// start from. Each writer takes a folder relative to the program folder
// ("config", "config_SN12"), creates it when missing and replaces its file
// with the default whole. The callers test whether the file is there first.
// False when the folder or the file could not be written.
bool WriteDefaultP35Spc(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultW6Spc(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultW24Spc(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultLedSetup1(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultLedSetup2(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultW6Col(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultP35Col(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultW24Col(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultP35Row(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultW6Row(const ProgramFolder& folder, const QString& folderName);
bool WriteDefaultW24Row(const ProgramFolder& folder, const QString& folderName);

using DefaultFileWriter = bool (*)(const ProgramFolder& folder, const QString& folderName);

// A default file and its writer.
struct DefaultFile {
    const char* fileName;
    DefaultFileWriter write;
};

// The shared config folder's defaults, in the order start-up checks them:
// ldsetup1.dat, ldsetup2.dat, p35_spc.dat, w6_spc.dat, w24_spc.dat.
const std::array<DefaultFile, 5>& sharedDefaultFiles();

// Writes each of the shared defaults that config lacks; a file that is there,
// edited or not, stays. False when one could not be written.
bool WriteMissingSharedDefaults(const ProgramFolder& folder);
