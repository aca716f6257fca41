#include "flash/PixelMaskUpload.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/TextFile.h"
#include "link/commands/MaskBlockExchange.h"
#include "link/protocol/ExchangeScope.h"
#include "plate/pixelsets/PixelFlagFile.h"
#include "plate/pixelsets/PixelMask.h"

namespace {

qint16 failBlock(LinkContext& ctx, const QString& text)
{
    ctx.console.setCommText(text);
    ctx.console.setStatus(QStringLiteral("Error"));
    return -1;
}

int enabledPixels(const PixelMask& mask, int camera, int firstLine)
{
    int count = 0;
    for (int line = firstLine; line < firstLine + kPixelMaskBlockLines; ++line)
        for (int pixel = 0; pixel < kPixelMaskLineBytes * 8; ++pixel)
            count += mask.enabled(camera, pixel, line) ? 1 : 0;
    return count;
}

} // namespace

qint16 WriteFlashMaskFile(const ProgramFolder& folder, const PixelMask& setPixelMask, int camera)
{
    const bool written = writeTextFile(
        folder.path(flashMaskFileName(camera)),
        pixelFlagFileLines([&](int line, int pixel) { return setPixelMask.enabled(camera, pixel, line); }));
    return written ? 0 : -1;
}

QByteArray PixelMaskBlock(const PixelMask& mask, int camera, int firstLine)
{
    QByteArray block(kPixelMaskBlockBytes, '\0');
    for (int i = 0; i < kPixelMaskBlockLines; ++i) {
        for (int k = 0; k < kPixelMaskLineBytes; ++k) {
            int byte = 0;
            for (int b = 0; b < 8; ++b) {
                if (mask.enabled(camera, 8 * k + b, firstLine + i))
                    byte |= 1 << b;
            }
            block[i * kPixelMaskLineBytes + k] = static_cast<char>(byte);
        }
    }
    return block;
}

qint16 SendPixelMaskToFlash(LinkContext& outer, const PixelMask& setPixelMask, int camera)
{
    // A mask the grid has no slot for is not sent at all.
    if (camera < 0 || camera >= PixelMask::kSlots) {
        outer.console.setStatus(QStringLiteral("Error"));
        return -1;
    }
    // The whole mask is one transfer: no other exchange gets between two blocks.
    ExchangeScope transfer(outer);
    if (transfer.refused())
        return -1;
    LinkContext& ctx = transfer.context();
    int activated = 0;
    for (int line = 0; line <= kPixelMaskLastBlockLine; line += kPixelMaskBlockLines) {
        // The window is closing: the port closes once this returns.
        if (transfer.stopRequested())
            return failBlock(ctx, QStringLiteral("Stopped before line ") + QString::number(line));
        activated += enabledPixels(setPixelMask, camera, line);
        const MaskBlockAnswer answer = sendMaskBlock(ctx, camera, line, PixelMaskBlock(setPixelMask, camera, line));
        if (!answer.sent)
            return failBlock(ctx, answer.failure);
    }
    ctx.prompts.message(QStringLiteral("quantity activated=") + QString::number(activated));
    return 0;
}

void UploadPixelMask(LinkContext& ctx, const ProgramFolder& folder, const PixelMask& setPixelMask, int camera)
{
    WriteFlashMaskFile(folder, setPixelMask, camera);
    SendPixelMaskToFlash(ctx, setPixelMask, camera);
}
