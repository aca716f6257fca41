#include "advanced/AdvancedLedTables.h"

QString advancedLedLayoutFilePath(const ProgramFolder& folder)
{
    return folder.path(QStringLiteral("config/ledsetup.dat"));
}

QString sharedLedXyFilePath(const ProgramFolder& folder) { return folder.path(QStringLiteral("config/ledxy.dat")); }

LedLoadReport LoadLedSetupAdvanced(LedTable& table, const ProgramFolder& folder, int serialNumber)
{
    return loadLedTable(table, advancedLedLayoutFilePath(folder), ledXyFilePath(folder, serialNumber),
                        ledPowerFilePath(folder, serialNumber));
}

bool WriteLedXyFileAdvanced(const ProgramFolder& folder, const LedTable& table)
{
    return makeFolder(folder.configFolder()) && writeLedXyFile(sharedLedXyFilePath(folder), table);
}
