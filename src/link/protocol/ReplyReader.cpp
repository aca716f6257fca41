#include "link/protocol/ReplyReader.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/ReplyText.h"

ShortReply readShortReply(LinkContext& ctx, const ShortReplyOptions& options)
{
    ShortReply reply;
    int countdown = options.countdown;
    QByteArray chunk;
    while (reply.size() < options.awaited && countdown > 0) {
        if (ctx.comm.CommRead(ctx.globals.commPort, chunk, options.readSize) < 1) {
            ctx.clock.sleepMs(options.emptyPauseMs);
            if (options.eventsWhileWaiting)
                ctx.clock.processEvents();
        } else {
            reply += chunk;
            countdown = options.countdown;
        }
        --countdown;
    }
    return reply;
}

EchoReply sendForEchoReply(LinkContext& outer, const CommandFrame& frame, const EchoOptions& options)
{
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return {};
    LinkContext& ctx = exchange.context();
    const std::function<QString(const QByteArray&)> display =
        options.display ? options.display : replyDisplayText;
    const std::function<bool(const QString&)> accepts =
        options.accepts ? options.accepts : [&options](const QString& text) {
            return !text.isEmpty() && options.acceptedLetters.contains(text.at(0));
        };
    EchoReply result;
    while (result.sends < kEchoSends) {
        writeFrame(ctx, frame, options.way, options.bytePauseMs);
        result.bytes = readShortReply(ctx, options.read);
        result.display = display(result.bytes);
        ++result.sends;
        if (options.showEveryTry)
            ctx.console.setCommText(result.display);
        // "Empty" begins with "E", so a missing reply must not pass for the echo of "E".
        if (!result.bytes.isEmpty() && accepts(result.display)) {
            result.accepted = true;
            break;
        }
        ctx.clock.sleepMs(kEchoRetryPauseMs);
    }
    ctx.console.setCommText(result.display);
    return result;
}

NumberReply sendForNumberReply(LinkContext& outer, const CommandFrame& frame)
{
    NumberReply result;
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return result;
    LinkContext& ctx = exchange.context();
    ctx.comm.CommWrite(ctx.globals.commPort, frame.toByteArray());
    result.bytes = readShortReply(ctx);
    result.value = numberReplyValue(result.bytes);
    result.display = result.bytes.isEmpty() ? replyDisplayText(result.bytes)
                                            : QStringLiteral("in:") + replyDisplayText(result.bytes);
    ctx.console.setCommText(result.display);
    return result;
}
