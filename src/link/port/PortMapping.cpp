#include "link/port/PortMapping.h"

#include <QFileInfo>
#include <QRegularExpression>

QString PortMapping::devicePath(const QString& deviceName) const
{
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comName.match(deviceName);
    const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
    if (n < 1)
        return deviceName;
    const QString link = folder_.path(QStringLiteral("ports/COM") + QString::number(n));
    // A dangling link still names the port: opening it then fails as a missing device.
    const QFileInfo info(link);
    if (info.isSymLink() || info.exists())
        return link;
    return QStringLiteral("/dev/ttyUSB") + QString::number(n - 1);
}
