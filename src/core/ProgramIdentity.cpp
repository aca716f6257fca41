#include "core/ProgramIdentity.h"

#include <QStringList>

QString softVersionText()
{
    return kProductLine + QLatin1Char(' ') + kProgramVersion;
}

QString aboutText()
{
    // The identity texts only: no credit or contact line is made up.
    return QStringList{kProductLine, kProgramVersion, kMakerLine}.join(QStringLiteral("\r\n"));
}
