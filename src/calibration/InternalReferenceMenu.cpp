#include "calibration/InternalReferenceMenu.h"

QStringList wellTableFormatCodes(const ProgramFolder& folder)
{
    QStringList codes;
    for (const QString& name : listFolder(folder.configFolder(), QStringLiteral("*_spc.dat"), QDir::Files))
        codes << name.section(QLatin1Char('_'), 0, 0);
    return codes;
}
