#include "link/commands/UnframedCommands.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"
#include "link/protocol/CommandFrame.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/SendSteps.h"

#include <QColor>

namespace {

constexpr int kFlashLineReplyBytes = 96;
constexpr int kWellRowsReplyBytes = 378;
constexpr int kWellColumnsReplyBytes = 381;
constexpr int kFlashLineBase = 240; // A of a flash line read: 240 plus the camera
constexpr int kCameraNone = 6;
constexpr int kAllLeds = 255;

// Cameras 0 to 5 stand for themselves; anything else means no camera.
int cameraByte(int camera) { return camera >= 0 && camera <= 5 ? camera : kCameraNone; }

// Empties the port, pauses 1 ms, then writes the three bytes at once.
bool sendUnframed(LinkContext& ctx, const UnframedCommand& command)
{
    flushBeforeSend(ctx);
    const QByteArray bytes = command.toByteArray();
    return ctx.comm.CommWrite(ctx.globals.commPort, bytes) == bytes.size();
}

// The short-reply loop, each poll asking for the whole reply.
QByteArray readUnframedReply(LinkContext& ctx, int size)
{
    ShortReplyOptions options;
    options.awaited = size;
    options.readSize = size;
    return readShortReply(ctx, options);
}

// A raw sender: the port guard, the value check, one write.
int sendRaw(LinkContext& ctx, char letter, int a, int b)
{
    if (!ctx.globals.portOpen)
        return -1;
    const std::optional<UnframedCommand> command = makeUnframedCommand(letter, a, b);
    if (!command)
        return -1;
    return sendUnframed(ctx, *command) ? 0 : -1;
}

int sendRawWord(LinkContext& ctx, char letter, int value)
{
    if (value < 0)
        return -1;
    const WordBytes w = splitWord(value);
    return sendRaw(ctx, letter, w.high, w.low);
}

// "Camera[", the first byte, "]:", then the following bytes taken in pairs as
// 16-bit values, each followed by "; "; a byte left without a partner is not shown.
QString wellPositionDisplay(const QByteArray& reply)
{
    if (reply.isEmpty())
        return QStringLiteral("Empty");
    QString text = QStringLiteral("Camera[") + QString::number(static_cast<uchar>(reply.at(0))) + QStringLiteral("]:");
    for (qsizetype i = 1; i + 1 < reply.size(); i += 2) {
        const int value = static_cast<uchar>(reply.at(i)) * 256 + static_cast<uchar>(reply.at(i + 1));
        text += QString::number(value) + QStringLiteral("; ");
    }
    return text;
}

QByteArray readWellPositions(LinkContext& ctx, int camera, char which, int size)
{
    if (!ctx.globals.portOpen)
        return {};
    const UnframedCommand command = *makeUnframedCommand('C', cameraByte(camera), which);
    sendUnframed(ctx, command);
    const QByteArray reply = readUnframedReply(ctx, size);
    ctx.console.setCommText(wellPositionDisplay(reply));
    ctx.console.setLenRx(QStringLiteral("LEN(Rx) = ") + QString::number(reply.size()), Qt::black);
    return reply;
}

} // namespace

QByteArray UnframedCommand::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

std::optional<UnframedCommand> makeUnframedCommand(char letter, int a, int b)
{
    if (a < 0 || a > 255 || b < 0 || b > 255)
        return std::nullopt;
    return UnframedCommand{{static_cast<quint8>(letter), static_cast<quint8>(a), static_cast<quint8>(b)}};
}

void ReadFlashLine(LinkContext& ctx, QString& txt_cam, int line)
{
    const double value = textValue(txt_cam);
    if (value > 5 || value < 0)
        txt_cam = QStringLiteral("0");
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return;
    }
    const int camera = static_cast<int>(roundHalfEven(textValue(txt_cam)));
    const std::optional<UnframedCommand> command = makeUnframedCommand('F', kFlashLineBase + camera, line);
    if (!command) {
        ctx.prompts.message(QStringLiteral("error"));
        return;
    }
    sendUnframed(ctx, *command);
    ctx.clock.sleepMs(10);
    const QByteArray reply = readUnframedReply(ctx, kFlashLineReplyBytes);

    QString text = QStringLiteral("C") + txt_cam + QStringLiteral("L") + QString::number(line) + QLatin1Char(':');
    if (reply.isEmpty())
        text += QStringLiteral("Empty");
    for (const char b : reply)
        text += QString::number(static_cast<uchar>(b)) + QLatin1Char(',');
    ctx.console.setCommText(text);
    ctx.console.setLenRx(QStringLiteral("Len(Rx) = ") + QString::number(reply.size()), Qt::black);
}

QByteArray ReadCameraWellRows(LinkContext& ctx, int camera)
{
    return readWellPositions(ctx, camera, 'Y', kWellRowsReplyBytes);
}

QByteArray ReadCameraWellColumns(LinkContext& ctx, int camera)
{
    return readWellPositions(ctx, camera, 'X', kWellColumnsReplyBytes);
}

int SendGainRaw(LinkContext& ctx, int gain) { return sendRawWord(ctx, 'G', gain); }

int SendExposureRaw(LinkContext& ctx, int exposure) { return sendRawWord(ctx, 'E', exposure); }

int SendLedPowerRaw(LinkContext& ctx, int power)
{
    const int status = sendRaw(ctx, 'L', kAllLeds, power);
    if (status == 0)
        ctx.console.setCommText(QStringLiteral("LED"));
    return status;
}

int SendCameraSelectRaw(LinkContext& ctx, int camera)
{
    if (!ctx.globals.portOpen)
        return -1;
    const bool written = sendUnframed(ctx, *makeUnframedCommand('C', cameraByte(camera), 0));
    const QByteArray reply = readUnframedReply(ctx, 1);
    ctx.console.setCommText(reply.isEmpty() ? QStringLiteral("Empty")
                                            : QStringLiteral("Camera=") + QString::number(static_cast<uchar>(reply.at(0))));
    return written ? 0 : -1;
}
