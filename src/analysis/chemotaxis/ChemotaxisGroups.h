#pragma once

#include "core/Globals.h"

#include <QString>

#include <array>
#include <optional>

// The group label of each well index 0 to 384: group number "000", "_", name
// ("002_Control", "-001_Free"); empty for a well the file does not list.
using ChemotaxisGroupLabels = std::array<QString, kWellSlots>;

// Reads the run's chgroup.dat up to one entry past the format's last well;
// rows with a well outside 0 to 384 are skipped. Nothing when the file is missing.
std::optional<ChemotaxisGroupLabels> readChemotaxisGroupLabels(const QString& runFolder, int wellCount);
