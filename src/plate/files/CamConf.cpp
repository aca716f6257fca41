#include "plate/files/CamConf.h"

#include "core/TextFile.h"

QString camConfPath(const ProgramFolder& folder, int serialNumber)
{
    return folder.path(ProgramFolder::unitFolderName(serialNumber) + QStringLiteral("/camconf.dat"));
}

CameraFlags ReadCamConf(const QString& path)
{
    QString line;
    if (const auto lines = readTextFile(path); lines && !lines->isEmpty())
        line = lines->first();
    CameraFlags enabled{};
    for (int i = 0; i < kCameraCount; ++i)
        enabled[i] = !(line.size() > i && line.at(i) == QLatin1Char('0'));
    return enabled;
}

bool WriteCamConf(const QString& path, const CameraFlags& cameraEnabled)
{
    QString line;
    for (bool enabled : cameraEnabled)
        line += enabled ? QLatin1Char('1') : QLatin1Char('0');
    return writeTextFile(path, {line});
}
