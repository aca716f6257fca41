#include "link/port/PortInUseStatus.h"

#include "core/Globals.h"
#include "link/port/PortNames.h"

QString portInUseStatus(const Globals& globals)
{
    if (!globals.portOpen)
        return QStringLiteral("COMPORT closed");
    return QStringLiteral("OK. Connected to ") + comDeviceName(globals.commPort);
}
