#include "flash/FlashWriters.h"

void WriteBlankToFlash(FlashSendContext& ctx)
{
    if (!flashPortReady(ctx.link))
        return;
    writeFlashHeaderPage(ctx.link, kBlankBank, kBlankTitle);
    for (const QString& format : {QStringLiteral("w6"), QStringLiteral("p35"), QStringLiteral("w24")}) {
        const std::optional<int> lapse = ReadBlankAcqLapse(ctx.pack(), format);
        if (!lapse) {
            // The lapse reader's failure value names the page in the report.
            reportFlashWriteError(ctx.link, flashNameLine(*blankSection(format, 0), 0));
            continue;
        }
        const FlashSection section = *blankSection(format, *lapse);
        if (!flashNameLineFits(section)) {
            reportFlashWriteError(ctx.link, flashNameLine(section, 0));
            continue;
        }
        writeFlashDataPage(ctx, section, PackBlankBytes(ctx.pack(), format));
    }
}
