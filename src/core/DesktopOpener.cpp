#include "core/DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool SystemDesktopOpener::open(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
