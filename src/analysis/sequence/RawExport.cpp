#include "analysis/sequence/RawExport.h"

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace {
constexpr int kBlocks = 12;
constexpr int kWrittenBlocks = 10;
const QByteArray kSeparator = ",,,";
const QByteArray kCrLf = "\r\n";
} // namespace

QString rawExportFolder(const QString& runFolder) { return QDir(runFolder).filePath(QStringLiteral("bmp_last")); }

RawExportResult exportRawSamples(const QString& runFolder)
{
    const QString source = resolvePathIgnoringCase(QDir(runFolder).absoluteFilePath(QStringLiteral("lastread00.csv")));
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
        return RawExportResult::NoSource;
    const QString folder = rawExportFolder(runFolder);
    if (!makeFolder(folder))
        return RawExportResult::WriteFailed;

    std::array<QByteArray, kBlocks> blocks;
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        qsizetype at = line.indexOf(kSeparator);
        for (int k = 0; at >= 0 && k < kBlocks; ++k) {
            const qsizetype start = at + kSeparator.size();
            const qsizetype next = line.indexOf(kSeparator, start);
            blocks[size_t(k)] += kCrLf + line.mid(start, next < 0 ? -1 : next - start);
            at = next;
        }
    }

    QByteArray bytes;
    for (int k = 0; k < kWrittenBlocks; ++k)
        bytes += blocks[size_t(k)] + kCrLf + kCrLf + kCrLf;
    return writeFileBytes(resolvePathIgnoringCase(QDir(folder).absoluteFilePath(QStringLiteral("1.csv"))), bytes)
               ? RawExportResult::Written
               : RawExportResult::WriteFailed;
}
