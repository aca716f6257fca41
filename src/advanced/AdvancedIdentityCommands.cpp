#include "advanced/AdvancedIdentityCommands.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"
#include "link/commands/TemperatureCommand.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

namespace advanced {

namespace {

const QColor kLightOffColour(255, 255, 255);
const QColor kLightOnColour(0, 255, 0);
// Sensor 2 readings with a high byte from here on are not taken.
constexpr int kSensor2HighLimit = 16;

QString numberText(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), systemDecimalSeparator());
    return text;
}

} // namespace

int identityReplyValue(const QByteArray& reply)
{
    const int high = reply.size() > 1 ? static_cast<quint8>(reply.at(1)) : 0;
    const int low = reply.size() > 2 ? static_cast<quint8>(reply.at(2)) : 0;
    return high * 256 + low;
}

std::optional<int> queryIdentity(LinkContext& ctx, char letter)
{
    if (isDummyMode(ctx.globals))
        return std::nullopt;
    flushBeforeSend(ctx);
    const CommandFrame frame = *makeCommandFrame(letter, 0, 0);
    ctx.console.setCommText(sendingText(frame));
    ctx.comm.CommWrite(ctx.globals.commPort, frame.toByteArray());
    const ShortReply reply = readShortReply(ctx);
    const int value = reply.isEmpty() ? 0 : identityReplyValue(reply);
    ctx.console.setCommText(reply.isEmpty() ? replyDisplayText(reply)
                                            : QStringLiteral("in:") + replyDisplayText(reply));
    ctx.console.setStatus(QStringLiteral("Serial Number = SN") + QString::number(value));
    return value;
}

bool putCamera(LinkContext& ctx)
{
    if (isDummyMode(ctx.globals) || !requirePortOpen(ctx))
        return false;
    flushBeforeSend(ctx);
    const CommandFrame frame = *makeCommandFrame('C', 0, kPutCameraArgument);
    return sendForEchoReply(ctx, frame, EchoOptions::accepting(QStringLiteral("C"))).accepted;
}

int cameraFromBox(const QString& txt_cam)
{
    static const QStringList cameras{"0", "1", "2", "3", "4", "5"};
    const int index = cameras.indexOf(txt_cam);
    return index < 0 ? kNoCamera : index;
}

bool selectCamera(LinkContext& ctx, const QString& txt_cam)
{
    // The port test ends the selection: nothing is sent to a closed port.
    if (isDummyMode(ctx.globals) || !requirePortOpen(ctx))
        return false;
    flushBeforeSend(ctx);
    const int camera = cameraFromBox(txt_cam);
    const CommandFrame frame = *makeCommandFrame('C', camera, 0);
    ctx.console.setCommText(QStringLiteral("sending [255,67,%1,0,%2]").arg(camera).arg(frame.check()));

    EchoOptions options;
    options.way = WriteWay::Array;
    options.read.awaited = 1;
    options.display = [](const QByteArray& reply) {
        return reply.isEmpty() ? replyDisplayText(reply)
                               : QString::number(static_cast<quint8>(reply.at(0))) + QStringLiteral(" <- Camera");
    };
    options.accepts = [&txt_cam](const QString& text) { return !text.isEmpty() && QString(text.at(0)) == txt_cam; };
    return sendForEchoReply(ctx, frame, options).accepted;
}

BlueLight sendBlueLight(LinkContext& ctx, const QString& txt_blue)
{
    BlueLight result;
    result.txt_blue = txt_blue;
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return result;
    }
    flushBeforeSend(ctx);
    const double level = static_cast<double>(roundHalfEven(textValue(txt_blue)));
    if (level < 0 || level > 255)
        return result;
    int v = static_cast<int>(level);
    result.colour = v == 0 ? kLightOffColour : kLightOnColour;
    if (v > kMaxBlueLevel) {
        v = kMaxBlueLevel;
        result.txt_blue = QString::number(kMaxBlueLevel);
    }
    const CommandFrame frame = *makeTemperatureCommand(TemperatureSubCommand::BlueLightLevel, v);
    ctx.comm.CommWrite(ctx.globals.commPort, frame.toByteArray());
    result.sent = true;
    ctx.console.setCommText(replyDisplayText(readShortReply(ctx)));
    return result;
}

std::optional<double> measureSensor2(LinkContext& ctx)
{
    if (!requirePortOpen(ctx))
        return std::nullopt;
    ctx.comm.CommFlush(ctx.globals.commPort);
    const CommandFrame frame = *makeTemperatureCommand(TemperatureSubCommand::Sensor2Query, 0);
    ctx.comm.CommWrite(ctx.globals.commPort, frame.toByteArray());
    const ShortReply reply = readShortReply(ctx);
    ctx.console.setCommText(QStringLiteral("received: ") +
                            (reply.isEmpty() ? QStringLiteral("-1") : replyDisplayText(reply)));
    if (reply.size() < 3 || static_cast<quint8>(reply.at(1)) >= kSensor2HighLimit)
        return std::nullopt;
    const double t2 = (static_cast<quint8>(reply.at(1)) * 256 + static_cast<quint8>(reply.at(2))) / 16.0;
    ctx.console.setStatus(numberText(t2));
    return t2;
}

} // namespace advanced
