#include "flash/FlashReaderRun.h"
#include "flash/FlashReaders.h"

#include "core/Fields.h"

#include <array>

namespace {

const FlashReaderTexts kTexts{
    QStringLiteral("Well Format Calibration not found at VELDO memory"),
    QStringLiteral("Error reading Well Format Calibration from VELDO equipment memory"),
};

constexpr int kRecordBytes = 4;

// What each bank-0 section becomes, in the order of wellFormatSections().
struct FormatFile {
    const char* caption; // the second column's caption
    int records;
};
constexpr std::array<FormatFile, 6> kFormatFiles{{
    {"column", 6},
    {"row", 6},
    {"col", 6},
    {"row", 6},
    {"col", 12},
    {"row", 12},
}};

QStringList formatFileLines(const QString& name, const FormatFile& file, const QByteArray& data)
{
    QStringList lines{quoted(name + QStringLiteral(" format")),
                      QStringList{quoted(QStringLiteral("camera")), quoted(QLatin1String(file.caption)),
                                  quoted(QStringLiteral("start")), quoted(QStringLiteral("end"))}
                          .join(QLatin1Char(','))};
    for (int k = 0; k < file.records; ++k) {
        QStringList fields;
        for (int i = 0; i < kRecordBytes; ++i)
            fields << QString::number(static_cast<quint8>(data.at(k * kRecordBytes + i)));
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

} // namespace

qint16 ReadWellFormatFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& folderName,
                               FlashPageTally* tally)
{
    FlashReaderRun run(ctx, folder, unitFolderFromName(folderName), kTexts, tally);
    const std::vector<FlashSection>& sections = wellFormatSections();
    for (size_t i = 0; i < sections.size(); ++i) {
        const std::optional<QByteArray> joined = run.read(sections[i]);
        if (!joined)
            continue;
        const QString name = QString::fromLatin1(sections[i].name);
        if (!run.write(name + QStringLiteral(".dat"),
                       formatFileLines(name, kFormatFiles[i], flashSectionData(*joined))))
            return run.stop();
    }
    return run.finish();
}
