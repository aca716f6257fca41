#include "flash/FlashReaderRun.h"
#include "flash/FlashReaders.h"

#include "core/Clock.h"
#include "plate/files/LedFiles.h"
#include "picture/PictureCanvas.h"

namespace {

const FlashReaderTexts kTexts{
    QStringLiteral("Light Calibration not found at VELDO memory"),
    QStringLiteral("Error reading Light Calibration from VELDO equipment memory"),
};

constexpr int kPageStepPauseMs = 100;
constexpr int kLedRecordBytes = 4;

LedTable ledRectangles(const QByteArray& data)
{
    auto byteAt = [&data](int i) { return static_cast<int>(static_cast<quint8>(data.at(i))); };
    LedTable table;
    for (int led = 0; led < kLedCount; ++led) {
        const auto n = static_cast<size_t>(led);
        const int at = led * kLedRecordBytes;
        table.ledX1[n] = byteAt(at);
        table.ledX2[n] = byteAt(at + 1);
        table.ledY1[n] = byteAt(at + 2);
        table.ledY2[n] = byteAt(at + 3);
    }
    return table;
}

} // namespace

qint16 ReadLedXyFromFlash(LinkContext& ctx, const ProgramFolder& folder, PictureCanvas& progress,
                          const QString& folderName, FlashPageTally* tally)
{
    FlashReaderRun run(ctx, folder, unitFolderFromName(folderName), kTexts, tally);
    const std::optional<QByteArray> joined = run.read(ledXySection(), [&](LinkContext& held, int firstLine) {
        held.clock.sleepMs(kPageStepPauseMs);
        progress.clear();
        progress.print(QStringLiteral("LEDXY <- ") + QString::number(firstLine / kFlashPageLines));
    });
    if (joined) {
        const LedTable table = ledRectangles(flashSectionData(*joined));
        if (!run.write(QStringLiteral("ledxy.dat"),
                       [&table](const QString& path) { return writeLedXyFile(path, table); }))
            return run.stop();
    }
    return run.finish();
}
