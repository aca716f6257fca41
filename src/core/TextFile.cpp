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

bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The last buffered bytes are flushed here: commit() does not report a
    // failure to flush them, and would put a cut file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeTextFile(const QString& path, const QStringList& lines)
{
    return writeFileBytes(path, encode(lines));
}

bool appendTextFile(const QString& path, const QStringList& lines)
{
    // Unbuffered, so a failed write is known here and leaves nothing to be
    // written later. Lines go whole or not at all: a full disk cuts none in
    // the middle, and what was there before stays readable.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 before = file.size();
    const QByteArray bytes = encode(lines);
    if (file.write(bytes) == bytes.size())
        return true;
    file.resize(before);
    return false;
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
