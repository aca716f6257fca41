#pragma once

#include "core/ProgramFolder.h"
#include "plate/files/LedFiles.h"

// The advanced page's layout file, config/ledsetup.dat, whatever the generation.
QString advancedLedLayoutFilePath(const ProgramFolder& folder);
// The shared config/ledxy.dat that new unit folders copy.
QString sharedLedXyFilePath(const ProgramFolder& folder);

// The page's own load: the layout from config/ledsetup.dat, positions and
// powers from the unit folder, as the main window's load does.
LedLoadReport LoadLedSetupAdvanced(LedTable& table, const ProgramFolder& folder, int serialNumber);

// The page's position writer always writes the shared config/ledxy.dat,
// creating config when missing, whatever the serial number. (Its power writer
// is WriteLedPowerFile.)
bool WriteLedXyFileAdvanced(const ProgramFolder& folder, const LedTable& table);
