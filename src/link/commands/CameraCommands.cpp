#include "link/commands/CameraCommands.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Prompts.h"
#include "link/commands/CameraValues.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/SendSteps.h"

namespace {

constexpr int kCameraBytePauseMs = 15;
constexpr int kAfterWindowLetterMs = 100;
const QString kErrorText = QStringLiteral("error");

CameraSend outcome(const EchoReply& reply) { return reply.accepted ? CameraSend::Accepted : CameraSend::NoEcho; }

// The main window shows each window letter's frame and writes it whole.
bool sendWindowLetter(LinkContext& ctx, char letter, int value)
{
    const CommandFrame frame = *makeCommandFrame(letter, 0, value);
    ctx.console.setCommText(sendingText(frame));
    return sendForEchoReply(ctx, frame, EchoOptions::accepting(QString(QLatin1Char(letter)))).accepted;
}

} // namespace

CameraSend sendCameraBox(const CameraBoxes& boxes, LinkContext& ctx)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!requirePortOpen(ctx))
        return CameraSend::PortClosed;
    flushBeforeSend(ctx);
    const int camera = cameraNumberFromText(boxes.txt_cam);
    const CommandFrame frame = *makeCommandFrame('C', camera, 0);
    ctx.console.setCommText(QStringLiteral("sending [255,67,%1,0,%2]:").arg(camera).arg(frame.check()) +
                            frame.characters());

    EchoOptions options;
    options.way = WriteWay::ByteByByte;
    options.bytePauseMs = kCameraBytePauseMs;
    options.read.awaited = 1;
    options.display = [](const QByteArray& reply) {
        return reply.isEmpty() ? QStringLiteral("Empty")
                               : QString::number(static_cast<uchar>(reply.at(0))) + QStringLiteral(" <- Camera");
    };
    // Only the first character is compared: a reply 12 answers camera "1".
    const QString wanted = boxes.txt_cam;
    options.accepts = [wanted](const QString& text) { return text.left(1) == wanted; };
    return outcome(sendForEchoReply(ctx, frame, options));
}

CameraSend SendGain(LinkContext& ctx, int gain) { return sendCameraWord(ctx, 'G', gain); }

CameraSend SendExposure(LinkContext& ctx, int exposure) { return sendCameraWord(ctx, 'E', exposure); }

CameraSend SendCameraSpeed(LinkContext& ctx, int speed)
{
    return sendSpeedCommand(ctx, speed, WriteWay::Whole, sendingText);
}

CameraSend sendCameraSpeedBox(const CameraBoxes& boxes, LinkContext& ctx)
{
    return SendCameraSpeed(ctx, roundedBoxValue(boxes.txt_speed));
}

CameraSend SendWindowYCommands(LinkContext& ctx, int first, int last)
{
    return sendWindowRange(ctx, 'y', 'Y', first, last, sendWindowLetter);
}

CameraSend SendWindowXCommands(LinkContext& ctx, int first, int last)
{
    return sendWindowRange(ctx, 'x', 'X', first, last, sendWindowLetter);
}

CameraSend sendCameraWord(LinkContext& ctx, char letter, int value, WriteWay way)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!requirePortOpen(ctx))
        return CameraSend::PortClosed;
    flushBeforeSend(ctx);
    if (!cameraWordFits(value)) {
        ctx.prompts.message(kErrorText);
        return CameraSend::BadValue;
    }
    EchoOptions options = EchoOptions::accepting(QString(QLatin1Char(letter)));
    options.way = way;
    return outcome(sendForEchoReply(ctx, *makeWordFrame(letter, value), options));
}

CameraSend sendSpeedCommand(LinkContext& ctx, int speed, WriteWay way,
                            const std::function<QString(const CommandFrame&)>& shown)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    flushBeforeSend(ctx);
    if (!cameraByteFits(speed)) {
        ctx.prompts.message(kErrorText);
        return CameraSend::BadValue;
    }
    const CommandFrame frame = *makeCommandFrame('S', 0, speed);
    ctx.console.setCommText(shown(frame));
    EchoOptions options = EchoOptions::accepting(QStringLiteral("S"));
    options.way = way;
    options.showEveryTry = true;
    return outcome(sendForEchoReply(ctx, frame, options));
}

CameraSend sendWindowRange(LinkContext& ctx, char firstLetter, char lastLetter, int first, int last,
                           const WindowLetterSender& sendLetter)
{
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!windowRangeFits(first, last))
        return CameraSend::BadValue;
    bool allAccepted = true;
    for (const auto& [letter, value] : {std::pair{firstLetter, first}, std::pair{lastLetter, last}}) {
        allAccepted &= sendLetter(ctx, letter, value);
        ctx.clock.sleepMs(kAfterWindowLetterMs);
    }
    return allAccepted ? CameraSend::Accepted : CameraSend::NoEcho;
}
