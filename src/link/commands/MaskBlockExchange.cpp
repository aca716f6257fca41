#include "link/commands/MaskBlockExchange.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "link/commands/UnframedCommands.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"

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

} // namespace

MaskBlockAnswer sendMaskBlock(LinkContext& ctx, int camera, int firstLine, const QByteArray& data)
{
    MaskBlockAnswer answer;
    const QByteArray headerBytes = makeUnframedCommand(kMaskBlockLetter, camera, firstLine)->toByteArray();
    ctx.console.setCommText(QStringLiteral("snd:") + QString::fromLatin1(headerBytes));
    writeAndPause(ctx, headerBytes);
    const QByteArray headerAnswer = readAnswer(ctx);
    if (headerAnswer.isEmpty()) {
        answer.failure = QStringLiteral("Empty/No response Headline") + QString::number(firstLine);
        return answer;
    }
    QString shown = QStringLiteral("rcv(") + QString::number(firstLine) + QStringLiteral("):") + decimalRunText(headerAnswer);
    ctx.console.setCommText(shown);
    ctx.clock.processEvents();

    writeAndPause(ctx, data);
    answer.dataAnswer = readAnswer(ctx);
    shown += QLatin1Char('/');
    if (answer.dataAnswer.isEmpty()) {
        answer.failure = shown + QStringLiteral("Empty/No response flashline") + QString::number(firstLine);
        return answer;
    }
    shown += decimalRunText(answer.dataAnswer);
    ctx.console.setCommText(shown);
    ctx.console.setLenRx(QStringLiteral("Len(Rx) = ") + QString::number(answer.dataAnswer.size()),
                         ctx.console.lenRxColour());

    ctx.comm.CommFlush(ctx.globals.commPort);
    ctx.clock.sleepMs(kAfterFlushMs);
    ctx.clock.processEvents();
    ctx.clock.sleepMs(kBlockRestMs);
    ctx.clock.processEvents();
    ctx.clock.sleepMs(kBlockRestMs);
    answer.sent = true;
    return answer;
}
