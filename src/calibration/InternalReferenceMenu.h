#pragma once

#include "core/ProgramFolder.h"

#include <QStringList>

class Prompts;

inline const QString kInternalReferenceQuestion =
    QStringLiteral("Do you like to enable internal reference Measurements?");

// The format codes of the shared well tables (config/*_spc.dat), in listing
// order: each name up to its first "_".
QStringList wellTableFormatCodes(const ProgramFolder& folder);

// "Enable Internal Reference " of either window: Yes enables it, with "OK".
bool askEnableInternalReference(Prompts& prompts);
