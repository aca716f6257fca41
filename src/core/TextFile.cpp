#include "core/TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace {
QByteArray encode(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}
} // namespace

bool writeTextFile(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encode(lines);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool appendTextFile(const QString& path, const QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = encode(lines);
    return file.write(bytes) == bytes.size();
}

std::optional<QStringList> readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines;
    const QByteArray all = file.readAll();
    if (all.isEmpty())
        return lines;
    const QList<QByteArray> raw = all.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw.at(i);
        if (i == raw.size() - 1 && line.isEmpty())
            break; // the line end after the last line
        if (line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromLatin1(line);
    }
    return lines;
}
