#include "flash/PixelMaskUpload.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/TextFile.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/commands/UnframedCommands.h"
#include "plate/pixelsets/PixelFlagFile.h"
#include "plate/pixelsets/PixelMask.h"

namespace {

constexpr char kMaskBlockLetter = 'F';
constexpr int kAfterWriteMs = 10;
constexpr int kAfterFlushMs = 1;
constexpr int kBlockRestMs = 100;

// One answer byte: up to 10 one-byte reads, 1 ms after each empty one. Any
// further bytes stay queued for the flush at the end of the block.
QByteArray readAnswer(LinkContext& ctx)
{
    ShortReplyOptions options;
    options.awaited = 1;
    return readShortReply(ctx, options);
}

void writeAndPause(LinkContext& ctx, const QByteArray& data)
{
    ctx.comm.CommWrite(ctx.globals.commPort, data);
    ctx.clock.sleepMs(kAfterWriteMs);
    ctx.clock.processEvents();
}

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

qint16 SendPixelMaskToFlash(LinkContext& ctx, const PixelMask& setPixelMask, int camera)
{
    // A mask the grid has no slot for is not sent at all.
    if (camera < 0 || camera >= PixelMask::kSlots) {
        ctx.console.setStatus(QStringLiteral("Error"));
        return -1;
    }
    int activated = 0;
    for (int line = 0; line <= kPixelMaskLastBlockLine; line += kPixelMaskBlockLines) {
        const QByteArray headerBytes = makeUnframedCommand(kMaskBlockLetter, camera, line)->toByteArray();
        ctx.console.setCommText(QStringLiteral("snd:") + QString::fromLatin1(headerBytes));
        writeAndPause(ctx, headerBytes);
        const QByteArray headerAnswer = readAnswer(ctx);
        if (headerAnswer.isEmpty())
            return failBlock(ctx, QStringLiteral("Empty/No response Headline") + QString::number(line));
        QString status = QStringLiteral("rcv(") + QString::number(line) + QStringLiteral("):") + decimalRunText(headerAnswer);
        ctx.console.setCommText(status);
        ctx.clock.processEvents();

        activated += enabledPixels(setPixelMask, camera, line);
        writeAndPause(ctx, PixelMaskBlock(setPixelMask, camera, line));
        const QByteArray dataAnswer = readAnswer(ctx);
        status += QLatin1Char('/');
        if (dataAnswer.isEmpty())
            return failBlock(ctx, status + QStringLiteral("Empty/No response flashline") + QString::number(line));
        status += decimalRunText(dataAnswer);
        ctx.console.setCommText(status);
        ctx.console.setLenRx(QStringLiteral("Len(Rx) = ") + QString::number(dataAnswer.size()),
                             ctx.console.lenRxColour());

        ctx.comm.CommFlush(ctx.globals.commPort);
        ctx.clock.sleepMs(kAfterFlushMs);
        ctx.clock.processEvents();
        ctx.clock.sleepMs(kBlockRestMs);
        ctx.clock.processEvents();
        ctx.clock.sleepMs(kBlockRestMs);
    }
    ctx.prompts.message(QStringLiteral("quantity activated=") + QString::number(activated));
    return 0;
}

void UploadPixelMask(LinkContext& ctx, const ProgramFolder& folder, const PixelMask& setPixelMask, int camera)
{
    WriteFlashMaskFile(folder, setPixelMask, camera);
    SendPixelMaskToFlash(ctx, setPixelMask, camera);
}
