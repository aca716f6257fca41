#include "flash/FlashTransfers.h"

#include "core/BusyScope.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "flash/FlashReaders.h"
#include "flash/FlashWriters.h"
#include "picture/PictureCanvas.h"

namespace {

const char* const kLabels[kFlashSectionItems] = {"->Well Format", "->Led XY", "->Temp Factor", "->Internal Ref",
                                                 "->Blank"};

void startProgress(PictureCanvas& progress)
{
    progress.clear();
    progress.setScale(0, 0, 100, 100);
}

void finishProgress(PictureCanvas& progress)
{
    progress.clear();
    progress.print(QStringLiteral("Done"));
}

// Each ticked item announced and run in order, the picture cleared between items.
template <typename Run>
void runTicked(PictureCanvas& progress, const FlashSectionTicks& ticked, Run run)
{
    startProgress(progress);
    for (int item = 0; item < kFlashSectionItems; ++item) {
        if (item > 0)
            progress.clear();
        if (!ticked[static_cast<size_t>(item)])
            continue;
        progress.print(QLatin1String(kLabels[item]));
        run(item);
    }
    finishProgress(progress);
}

} // namespace

FlashAction SendFlashSections(FlashSendContext& ctx, const FlashSectionTicks& ticked)
{
    const BusyScope busy(ctx.link.globals.flashBusy);
    if (!busy.owned())
        return FlashAction::Busy;
    if (!flashPortReady(ctx.link))
        return FlashAction::PortClosed;
    runTicked(ctx.progress, ticked, [&ctx](int item) {
        switch (item) {
        case 0: WriteWellFormatToFlash(ctx); break;
        case 1: WriteLedXyToFlash(ctx); break;
        case 2: WriteTempFactorToFlash(ctx); break;
        case 3: WriteIntFactorToFlash(ctx); break;
        default: WriteBlankToFlash(ctx); break;
        }
    });
    return FlashAction::Done;
}

FlashAction ReceiveFlashSections(FlashSendContext& ctx, const FlashSectionTicks& ticked)
{
    const BusyScope busy(ctx.link.globals.flashBusy);
    if (!busy.owned())
        return FlashAction::Busy;
    const int serial = ctx.link.globals.serialNumber;
    const QString unitFolder = ProgramFolder::unitFolderName(serial);
    // Without a serial number the suffix is empty and the last two go to config as well.
    const QString suffix = serial >= 1 ? QStringLiteral("SN") + QString::number(serial) : QString();
    if (!flashPortReady(ctx.link))
        return FlashAction::PortClosed;
    runTicked(ctx.progress, ticked, [&](int item) {
        switch (item) {
        case 0: ReadWellFormatFromFlash(ctx.link, ctx.folder, unitFolder); break;
        case 1: ReadLedXyFromFlash(ctx.link, ctx.folder, ctx.progress, unitFolder); break;
        case 2: ReadTempFactorFromFlash(ctx.link, ctx.folder, unitFolder); break;
        case 3: ReadIntFactorFromFlash(ctx.link, ctx.folder, suffix); break;
        default: ReadBlankFromFlash(ctx.link, ctx.folder, suffix); break;
        }
    });
    return FlashAction::Done;
}

FlashAction RecalcInternalFactors(const FlashPackContext& ctx)
{
    const BusyScope busy(ctx.globals.flashBusy);
    if (!busy.owned())
        return FlashAction::Busy;
    if (ctx.prompts.question(QStringLiteral("Recalculate and replace internal factor files?"),
                             PromptButtons::YesNoCancel)
        != PromptAnswer::Yes)
        return FlashAction::Declined;
    for (const QString& format : {QStringLiteral("w6"), QStringLiteral("p35"), QStringLiteral("w24")})
        PackIntFactorBytes(ctx, format);
    ctx.prompts.message(QStringLiteral("done"));
    return FlashAction::Done;
}
