#include "core/FreeSpace.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

qint64 SystemFreeSpace::freeBytes(const QString& folder) const
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return -1;
        path = parent;
    }
    const QStorageInfo disk(path);
    return disk.isValid() ? disk.bytesAvailable() : -1;
}
