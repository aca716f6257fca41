#include "projects/SubpjInfo.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QFile>

namespace {
const QString kTimeKey = QStringLiteral("acq_time=");
const QString kFormatKey = QStringLiteral("plate_format=");
} // namespace

std::optional<SubpjInfo> readSubpjFile(const QString& runFolder)
{
    if (runFolder.isEmpty())
        return std::nullopt;
    const std::optional<QStringList> lines = readTextFile(resolvePathIgnoringCase(runFolder + QStringLiteral("/subpj.dat")));
    if (!lines)
        return std::nullopt;
    SubpjInfo info;
    if (lines->size() > 0)
        info.acquisitionName = lines->at(0);
    if (lines->size() > 1) {
        const QString& line = lines->at(1);
        // The key may stand anywhere; the value is read from where it would follow a leading key.
        if (line.size() > 1 && line.contains(kTimeKey)) {
            const std::optional<std::int16_t> minutes = toInt16Strict(line.mid(kTimeKey.size()));
            if (!minutes)
                return std::nullopt;
            info.acquisitionMinutes = QString::number(*minutes);
        }
    }
    if (lines->size() > 2) {
        const QString& line = lines->at(2);
        if (line.size() > 1 && line.contains(kFormatKey))
            info.plateFormat = line.mid(kFormatKey.size());
    }
    return info;
}

QString ReadSubpjInfo(const QString& runFolder)
{
    const std::optional<SubpjInfo> info = readSubpjFile(runFolder);
    return info ? info->plateFormat : QString();
}

QString ReadSubpjInfoBlankList(const QString& runFolder)
{
    const std::optional<SubpjInfo> info = readSubpjFile(runFolder);
    return info ? info->acquisitionName : QString();
}

QString ReadSubpjInfoBlankLoad(const QString& runFolder)
{
    const std::optional<SubpjInfo> info = readSubpjFile(runFolder);
    return info ? info->acquisitionMinutes : QString();
}

QString ReadSubpjFirstLine(const QString& runFolder)
{
    if (runFolder.isEmpty())
        return QString();
    QFile file(resolvePathIgnoringCase(runFolder + QStringLiteral("/subpj.dat")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Only the first line: a list of many runs reads one line of each.
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line);
}
