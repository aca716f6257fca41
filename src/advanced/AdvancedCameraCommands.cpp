#include "advanced/AdvancedCameraCommands.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Prompts.h"
#include "link/CameraValues.h"
#include "link/CameraWindowSend.h"
#include "link/ReplyReader.h"
#include "link/ReplyText.h"
#include "link/SendSteps.h"

namespace {

constexpr int kAfterWindowLetterMs = 100;
constexpr int kPassEndMs = 10;
const QString kErrorText = QStringLiteral("error");

CameraSend outcome(bool accepted) { return accepted ? CameraSend::Accepted : CameraSend::NoEcho; }

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

} // namespace

CameraSend SendCameraSpeedLogged(LinkContext& ctx, int speed)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    flushBeforeSend(ctx);
    if (!cameraByteFits(speed)) {
        ctx.prompts.message(kErrorText);
        return CameraSend::BadValue;
    }
    ctx.console.setCommText(sendingValuesText(QStringLiteral("S;"), speed));
    EchoOptions options = EchoOptions::accepting(QStringLiteral("S"));
    options.way = WriteWay::Array;
    options.showEveryTry = true;
    return outcome(sendForEchoReply(ctx, *makeCommandFrame('S', 0, speed), options).accepted);
}

CameraSend SendExposureChecked(LinkContext& ctx, int exposure)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!requirePortOpen(ctx))
        return CameraSend::PortClosed;
    flushBeforeSend(ctx);
    if (!cameraWordFits(exposure)) {
        ctx.prompts.message(kErrorText);
        return CameraSend::BadValue;
    }
    EchoOptions options = EchoOptions::accepting(QStringLiteral("E"));
    options.way = WriteWay::Array;
    return outcome(sendForEchoReply(ctx, *makeWordFrame('E', exposure), options).accepted);
}

CameraSend SendWindowYCommandsAdvanced(LinkContext& ctx, int first, int last)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!windowRangeFits(first, last))
        return CameraSend::BadValue;
    bool allAccepted = true;
    for (const auto& [letter, value] : {std::pair{'y', first}, std::pair{'Y', last}}) {
        flushBeforeSend(ctx);
        ctx.console.setCommText(sendingValuesText(QString(QLatin1Char(letter)) + QLatin1Char(';'), value));
        allAccepted &= sendLineLetter(ctx, *makeCommandFrame(letter, 0, value));
        ctx.clock.sleepMs(kAfterWindowLetterMs);
    }
    return outcome(allAccepted);
}

CameraSend SendWindowXCommandsAdvanced(LinkContext& ctx, int first, int last)
{
    struct Letter {
        char letter;
        const char* shown; // the page shows no ";" after the "X"
        int value;
        int emptyPauseMs;
    };
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!windowRangeFits(first, last))
        return CameraSend::BadValue;
    bool allAccepted = true;
    for (const Letter& l : {Letter{'x', "x;", first, 10}, Letter{'X', "X", last, 1}}) {
        flushBeforeSend(ctx);
        ctx.console.setCommText(sendingValuesText(QString::fromLatin1(l.shown), l.value));
        allAccepted &= sendPixelLetter(ctx, *makeCommandFrame(l.letter, 0, l.value), l.emptyPauseMs);
        ctx.clock.sleepMs(kAfterWindowLetterMs);
    }
    return outcome(allAccepted);
}

namespace advanced {

CameraSend cmd_camspeed_Click(const CameraBoxes& boxes, LinkContext& ctx)
{
    return SendCameraSpeedLogged(ctx, roundedBoxValue(boxes.txt_speed));
}

CameraSend cmd_exposure_Click(const CameraBoxes& boxes, LinkContext& ctx)
{
    return SendExposureChecked(ctx, roundedBoxValue(boxes.txt_exposure));
}

CameraSend cmd_xy_Click(CameraBoxes& boxes, LinkContext& ctx)
{
    return sendWindowFromBoxes(boxes, ctx, {SendWindowYCommandsAdvanced, SendWindowXCommandsAdvanced});
}

} // namespace advanced
