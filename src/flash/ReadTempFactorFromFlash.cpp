#include "flash/FlashReaderRun.h"
#include "flash/FlashReaders.h"

#include "core/Fields.h"
#include "core/NumberText.h"

namespace {

const FlashReaderTexts kTexts{
    QStringLiteral("Temperature Calibration not found at VELDO memory"),
    QStringLiteral("Error reading Temperature Calibration from VELDO equipment memory"),
};

// The value of two data bytes, high first, with two decimals and a point.
QString signedValueText(const QByteArray& data, int at)
{
    const FlashSignedValue value{static_cast<quint8>(data.at(at)), static_cast<quint8>(data.at(at + 1))};
    return formatNumber(value.hundredths() / 100.0, QStringLiteral("0.00"));
}

} // namespace

qint16 ReadTempFactorFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& folderName,
                               FlashPageTally* tally)
{
    FlashReaderRun run(ctx, folder, unitFolderFromName(folderName), kTexts, tally);
    if (const std::optional<QByteArray> joined = run.read(tempFactorSection())) {
        const QByteArray data = flashSectionData(*joined);
        const QStringList lines{quoted(QStringLiteral("Temperature sensor parameters")),
                                QStringLiteral("OFFSET=") + signedValueText(data, 0),
                                QStringLiteral("SLOPE=") + signedValueText(data, 2)};
        if (!run.write(QStringLiteral("tempfactor.dat"), lines))
            return run.stop();
    }
    return run.finish();
}
