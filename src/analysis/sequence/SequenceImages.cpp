#include "analysis/sequence/SequenceImages.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString sequenceImagesFolder(const QString& runFolder, bool threePoint)
{
    return QDir(runFolder).filePath(threePoint ? QStringLiteral("3scans_images") : QStringLiteral("1scans_images"));
}

QString frameImageName(const QString& well, qint32 frame)
{
    return well + QLatin1Char('_') + formatNumber(frame, QStringLiteral("0000")) + QStringLiteral(".bmp");
}

QString indexPlotName(const QString& indexName, const QString& well)
{
    return indexName + QLatin1Char('_') + well.toLower() + QStringLiteral(".bmp");
}

QString existingImage(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || name.isEmpty())
        return QString();
    const QString path = resolvePathIgnoringCase(QDir(folder).absoluteFilePath(name));
    return QFileInfo(path).isFile() ? path : QString();
}

qint32 lastFrameNumber(const QString& folder, const QString& well)
{
    qint32 last = 0;
    const QString resolved = resolvePathIgnoringCase(QDir(folder).absolutePath());
    if (!QFileInfo(resolved).isDir())
        return last;
    for (const QString& name : listFolder(resolved, well + QStringLiteral("_*.bmp"), QDir::Files)) {
        const qsizetype underscore = name.lastIndexOf(QLatin1Char('_'));
        const QString digits = name.mid(underscore + 1, name.size() - 4 - underscore - 1);
        const double v = textValue(digits);
        if (v > last && v <= 2147483647.0)
            last = qint32(v);
    }
    return last;
}
