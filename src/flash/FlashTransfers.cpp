#include "flash/FlashTransfers.h"

#include "core/BusyScope.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "flash/FlashReaders.h"
#include "flash/FlashWriters.h"
#include "link/protocol/ExchangeScope.h"
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

// Each ticked item announced and run in order, the picture cleared between
// items. The items are one transfer that holds the link, so no other exchange
// gets between their pages; a window that closes ends it between two items.
template <typename Run>
FlashAction runTicked(FlashSendContext& ctx, const FlashSectionTicks& ticked, Run run)
{
    ExchangeScope transfer(ctx.link);
    if (transfer.refused())
        return FlashAction::Busy;
    FlashSendContext held{transfer.context(), ctx.folder, ctx.progress, ctx.intRefChoice};
    startProgress(ctx.progress);
    for (int item = 0; item < kFlashSectionItems; ++item) {
        if (transfer.stopRequested())
            return FlashAction::Stopped;
        if (item > 0)
            ctx.progress.clear();
        if (!ticked[static_cast<size_t>(item)])
            continue;
        ctx.progress.print(QLatin1String(kLabels[item]));
        run(held, item);
    }
    finishProgress(ctx.progress);
    return FlashAction::Done;
}

} // namespace

FlashAction SendFlashSections(FlashSendContext& ctx, const FlashSectionTicks& ticked)
{
    const BusyScope busy(ctx.link.globals.flashBusy);
    if (!busy.owned())
        return FlashAction::Busy;
    if (!flashPortReady(ctx.link))
        return FlashAction::PortClosed;
    return runTicked(ctx, ticked, [](FlashSendContext& held, int item) {
        switch (item) {
        case 0: WriteWellFormatToFlash(held); break;
        case 1: WriteLedXyToFlash(held); break;
        case 2: WriteTempFactorToFlash(held); break;
        case 3: WriteIntFactorToFlash(held); break;
        default: WriteBlankToFlash(held); break;
        }
    });
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
    return runTicked(ctx, ticked, [&](FlashSendContext& held, int item) {
        switch (item) {
        case 0: ReadWellFormatFromFlash(held.link, held.folder, unitFolder); break;
        case 1: ReadLedXyFromFlash(held.link, held.folder, held.progress, unitFolder); break;
        case 2: ReadTempFactorFromFlash(held.link, held.folder, unitFolder); break;
        case 3: ReadIntFactorFromFlash(held.link, held.folder, suffix); break;
        default: ReadBlankFromFlash(held.link, held.folder, suffix); break;
        }
    });
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
