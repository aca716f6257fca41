#include "link/port/PortNames.h"

QString comDeviceName(int port) { return QStringLiteral("COM") + QString::number(port); }

QString lineSettingsText(int baudRate)
{
    return QStringLiteral("baud=") + QString::number(baudRate) + QStringLiteral(" parity=N data=8 stop=1");
}
