#include "flash/FlashReaderRun.h"
#include "flash/FlashReaders.h"

#include "core/Fields.h"
#include "plate/geometry/PlateFormat.h"

#include <array>

namespace {

const FlashReaderTexts kTexts{
    QStringLiteral("Blank Calibration not found at VELDO memory"),
    QStringLiteral("Error reading Blank Calibration from VELDO equipment memory"),
};

// The plate format of each section of blankSections(), in its order.
const std::array<const char*, 3> kFormats{"w6", "p35", "w24"};

// The lapse goes into the file as the name line stores it, leading zeros kept.
QStringList blankFileLines(const QString& timeLine, const QByteArray& lapse, int wells, const QByteArray& data)
{
    QStringList lines{timeLine, QStringLiteral("acqlapse=") + QString::fromLatin1(lapse),
                      quoted(QStringLiteral("#well")) + QLatin1Char(',') + quoted(QStringLiteral("Value"))};
    for (int well = 0; well < wells; ++well)
        lines << QString::number(well) + QLatin1Char(',') + QString::number(static_cast<quint8>(data.at(well)));
    return lines;
}

} // namespace

qint16 ReadBlankFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& serialSuffix,
                          FlashPageTally* tally)
{
    FlashReaderRun run(ctx, folder, unitFolderFromSuffix(serialSuffix), kTexts, tally);
    const std::vector<FlashSection>& sections = blankSections();
    for (size_t i = 0; i < sections.size(); ++i) {
        const std::optional<QByteArray> joined = run.read(sections[i]);
        if (!joined)
            continue;
        // A blank page that passed its checks but names no lapse is not one
        // the program wrote: the reader stops before any of its file exists.
        const std::optional<QByteArray> lapse = flashBlankLapse(*joined);
        if (!lapse)
            return run.stop();
        const QString code = QLatin1String(kFormats[i]);
        if (!run.write(QStringLiteral("blank_") + code + QStringLiteral(".dat"),
                       blankFileLines(run.readingTimeLine(), *lapse, plateGrid(code).wells(),
                                      flashSectionData(*joined))))
            return run.stop();
    }
    return run.finish();
}
