#include "advanced/AdvancedCameraCommands.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/port/ModCOMM.h"
#include "link/commands/CameraValues.h"
#include "link/commands/CameraWindowSend.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

namespace {

constexpr int kPassEndMs = 10;

// "sending y;0;142": the letter, A and B as the page shows a frame.
QString sendingValuesText(const QString& letterPart, int value)
{
    return QStringLiteral("sending ") + letterPart + QStringLiteral("0;") + QString::number(value);
}

// The line letters keep their own try loop: every one of the three passes
// ends with a pause, also after the echo was accepted, so it cannot be the
// shared echo exchange.
bool sendLineLetter(LinkContext& ctx, const CommandFrame& frame)
{
    ShortReplyOptions read;
    read.emptyPauseMs = 10;
    const QChar letter = QLatin1Char(static_cast<char>(frame.letter()));
    bool accepted = false;
    QString display;
    for (int pass = 0; pass < kEchoSends; ++pass) {
        if (!accepted) {
            writeFrame(ctx, frame, WriteWay::Array);
            const ShortReply reply = readShortReply(ctx, read);
            display = replyDisplayText(reply);
            accepted = !reply.isEmpty() && display.startsWith(letter);
            if (!accepted)
                ctx.clock.sleepMs(kEchoRetryPauseMs);
        }
        ctx.clock.sleepMs(kPassEndMs);
    }
    ctx.console.setCommText(display);
    return accepted;
}

bool sendPixelLetter(LinkContext& ctx, const CommandFrame& frame, int emptyPauseMs)
{
    EchoOptions options = EchoOptions::accepting(QString(QLatin1Char(static_cast<char>(frame.letter()))));
    options.way = WriteWay::Array;
    options.read.emptyPauseMs = emptyPauseMs;
    return sendForEchoReply(ctx, frame, options).accepted;
}

// A short reply whose first byte may take longer than the others to come.
ShortReply readGainReply(LinkContext& ctx)
{
    const ShortReplyOptions later;
    ShortReply reply;
    QByteArray chunk;
    int countdown = advanced::kGainFirstCountdown;
    while (reply.size() < later.awaited && countdown > 0) {
        if (ctx.comm.CommRead(ctx.globals.commPort, chunk, 1) < 1) {
            ctx.clock.sleepMs(later.emptyPauseMs);
        } else {
            reply += chunk;
            countdown = later.countdown;
        }
        --countdown;
    }
    return reply;
}

} // namespace

CameraSend SendCameraSpeedLogged(LinkContext& ctx, int speed)
{
    return sendSpeedCommand(ctx, speed, WriteWay::Array, [](const CommandFrame& frame) {
        return sendingValuesText(QStringLiteral("S;"), frame.b());
    });
}

CameraSend SendExposureChecked(LinkContext& ctx, int exposure)
{
    return sendCameraWord(ctx, 'E', exposure, WriteWay::Array);
}

CameraSend SendWindowYCommandsAdvanced(LinkContext& ctx, int first, int last)
{
    return sendWindowRange(ctx, 'y', 'Y', first, last, [](LinkContext& c, char letter, int value) {
        flushBeforeSend(c);
        c.console.setCommText(sendingValuesText(QString(QLatin1Char(letter)) + QLatin1Char(';'), value));
        return sendLineLetter(c, *makeCommandFrame(letter, 0, value));
    });
}

CameraSend SendWindowXCommandsAdvanced(LinkContext& ctx, int first, int last)
{
    return sendWindowRange(ctx, 'x', 'X', first, last, [](LinkContext& c, char letter, int value) {
        // The page shows no ";" after the "X", and waits less after an empty read of it.
        const bool lastPixel = letter == 'X';
        flushBeforeSend(c);
        c.console.setCommText(sendingValuesText(QString::fromLatin1(lastPixel ? "X" : "x;"), value));
        return sendPixelLetter(c, *makeCommandFrame(letter, 0, value), lastPixel ? 1 : 10);
    });
}

namespace advanced {

CameraSend sendGainBox(LinkContext& ctx, const QString& txt_gain)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!requirePortOpen(ctx))
        return CameraSend::PortClosed;
    flushBeforeSend(ctx);
    const std::optional<CommandFrame> frame = makeWordFrame('G', roundedBoxValue(txt_gain));
    if (!frame) {
        ctx.prompts.message(QStringLiteral("error"));
        return CameraSend::BadValue;
    }
    QString shown;
    for (int send = 0; send < kEchoSends; ++send) {
        writeFrame(ctx, *frame, WriteWay::Array);
        const ShortReply reply = readGainReply(ctx);
        shown = replyDisplayText(reply);
        if (!reply.isEmpty() && (reply.at(0) == 'G' || reply.at(0) == 'g')) {
            ctx.console.setCommText(shown);
            return CameraSend::Accepted;
        }
        ctx.clock.sleepMs(kEchoRetryPauseMs);
    }
    ctx.console.setCommText(shown);
    return CameraSend::NoEcho;
}

CameraSend sendSpeedBox(const CameraBoxes& boxes, LinkContext& ctx)
{
    return SendCameraSpeedLogged(ctx, roundedBoxValue(boxes.txt_speed));
}

CameraSend sendExposureBox(const CameraBoxes& boxes, LinkContext& ctx)
{
    return SendExposureChecked(ctx, roundedBoxValue(boxes.txt_exposure));
}

CameraSend sendWindowBoxes(CameraBoxes& boxes, LinkContext& ctx)
{
    return sendWindowFromBoxes(boxes, ctx, {SendWindowYCommandsAdvanced, SendWindowXCommandsAdvanced});
}

} // namespace advanced
