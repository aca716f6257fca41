#include "advanced/AdvancedPageControls.h"

#include "core/ProgramFolder.h"

#include <QDir>

QStringList advancedLedListItems()
{
    QStringList items;
    for (int i = 0; i <= 15; ++i)
        items << QString::number(i);
    return items;
}

QString advancedCameraSpeed(int hardwareGeneration)
{
    return hardwareGeneration > 1 ? QStringLiteral("8") : QStringLiteral("7");
}

QString fullFrameCaption(bool videoMode)
{
    return videoMode ? QStringLiteral("Video_frame") : QStringLiteral("Full_frame");
}

bool ensureBmpExportFolder(const ProgramFolder& folder)
{
    const QString path = folder.path(QStringLiteral("bmp_exp"));
    return QDir(path).exists() || QDir().mkpath(path);
}
