#include "calibration/BlankStore.h"

#include "plate/geometry/PlateFormat.h"

#include <QFile>

QString blankStoreFilePath(const ProgramFolder& folder, int serialNumber, const QString& code)
{
    return resolvePathIgnoringCase(folder.blankMeasurementFolder(serialNumber) + QStringLiteral("/blank_") + code +
                                   QStringLiteral(".dat"));
}

QString ReadBlankFileHeader(const ProgramFolder& folder, int serialNumber, const QString& code)
{
    if (!isFileNameSafeCode(code))
        return QString();
    QFile file(blankStoreFilePath(folder, serialNumber, code));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line);
}
