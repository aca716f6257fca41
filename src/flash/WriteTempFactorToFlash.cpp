#include "flash/FlashWriters.h"

#include "core/Clock.h"

void WriteTempFactorToFlash(FlashSendContext& ctx)
{
    if (!flashPortReady(ctx.link))
        return;
    // Bank 1's header names the blank title with the date of writing.
    writeFlashHeaderPage(ctx.link, kFactorBank, kBlankTitle, flashDateLine(ctx.link.clock.now()));
    writeFlashDataPage(ctx, tempFactorSection(), PackTempFactorBytes(ctx.pack()), false);
}
