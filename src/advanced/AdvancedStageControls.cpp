#include "advanced/AdvancedStageControls.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/commands/CameraValues.h"
#include "link/commands/TemperatureCommand.h"
#include "link/commands/TemperatureSenders.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

#include <algorithm>

namespace advanced {

namespace {

const QColor kOnColour(0, 255, 0);
const QColor kOffColour(255, 255, 255);
const QColor kCoolColour(0, 0, 255);
const QColor kHeatColour(255, 0, 0);
constexpr int kStagePauseMs = 500;
constexpr int kFanFullLevel = 255;
constexpr int kByteTop = 255;

bool portRefused(LinkContext& ctx)
{
    if (ctx.globals.portOpen)
        return false;
    ctx.prompts.message(kPortNotOpenText);
    return true;
}

void forceDigitalOnGeneration2(const Globals& globals, AdvancedStage& stage)
{
    if (globals.hardwareGeneration == 2)
        stage.digitalController = true;
}

ShortReply exchange(LinkContext& ctx, const CommandFrame& frame, WriteWay way)
{
    writeFrame(ctx, frame, way);
    return readShortReply(ctx);
}

// A shown reply of the direction or drive tells the controller kind.
void learnController(const Globals& globals, AdvancedStage& stage, const ShortReply& reply)
{
    if (!reply.isEmpty())
        stage.digitalController = reply.at(0) == 'T';
    forceDigitalOnGeneration2(globals, stage);
}

} // namespace

int stageTargetCode(const AdvancedStage& stage)
{
    if (stage.digitalController)
        return stage.coolMode ? kDigitalCoolCode : kDigitalHeatCode;
    return stage.coolMode ? kAnalogCoolCode : kAnalogHeatCode;
}

std::optional<double> SendTemperatureTargetAdvanced(LinkContext& ctx, AdvancedStage& stage, int& target)
{
    if (!requirePortOpen(ctx))
        return std::nullopt;
    target = std::clamp(target, 0, kByteTop);
    ctx.comm.CommFlush(ctx.globals.commPort); // no pause before the target
    const ShortReply reply =
        exchange(ctx, *makeTemperatureCommand(TemperatureSubCommand::TemperatureTarget, target), WriteWay::Array);

    // A reply that brings no value is no reading, never a temperature of 0.
    double reading = -1;
    if (!reply.isEmpty()) {
        const bool whole = reply.size() >= 3;
        const double n = whole ? static_cast<quint8>(reply.at(1)) * 256.0 + static_cast<quint8>(reply.at(2)) : 0;
        if (reply.at(0) == 'T') {
            stage.digitalController = true;
            if (whole)
                reading = n / 16.0;
        } else if (reply.at(0) == 't' && ctx.globals.hardwareGeneration == 1) {
            stage.digitalController = false;
            if (whole)
                reading = n / 64.0 / 20.0;
        }
    }
    forceDigitalOnGeneration2(ctx.globals, stage);
    return reading;
}

int SendFanPwm(LinkContext& ctx, int level) { return SendFanLevel(ctx, level); }

QString shownTemperature(const Globals& globals, const AdvancedStage& stage, double reading)
{
    if (reading == -1)
        return QStringLiteral("--");
    const double degrees = stage.digitalController ? reading : reading * globals.tempSlope + globals.tempOffset;
    return formatNumber(degrees, QStringLiteral("0.0"));
}

void togglePeltier(LinkContext& ctx, AdvancedStage& stage, const AdvancedStageBoxes& boxes)
{
    if (portRefused(ctx))
        return;
    SendFanPwm(ctx, kFanFullLevel);
    flushBeforeSend(ctx);
    const int drive = stage.peltierOn ? 0 : roundedBoxValue(boxes.txt_peltierpwm);
    const std::optional<CommandFrame> frame = makeTemperatureCommand(TemperatureSubCommand::PeltierDrive, drive);
    if (!frame)
        return; // a level beyond a byte: the drive stays as it was
    stage.peltierOn = !stage.peltierOn;
    stage.peltierColour = stage.peltierOn ? kOnColour : kOffColour;
    const ShortReply reply = exchange(ctx, *frame, WriteWay::Array);
    ctx.console.setCommText(replyDisplayText(reply));
    learnController(ctx.globals, stage, reply);
}

void toggleFan(LinkContext& ctx, AdvancedStage& stage, AdvancedStageBoxes& boxes)
{
    if (portRefused(ctx))
        return;
    flushBeforeSend(ctx);
    if (textValue(boxes.txt_fanpwm) > kByteTop)
        boxes.txt_fanpwm = QString::number(kByteTop);
    const int level = stage.fanOn ? 0 : roundedBoxValue(boxes.txt_fanpwm);
    const std::optional<CommandFrame> frame = makeTemperatureCommand(TemperatureSubCommand::FanLevel, level);
    if (!frame)
        return;
    stage.fanOn = !stage.fanOn;
    stage.fanColour = stage.fanOn ? kOnColour : kOffColour;
    ctx.console.setCommText(replyDisplayText(exchange(ctx, *frame, WriteWay::Array)));
}

void toggleCoolHeat(LinkContext& ctx, AdvancedStage& stage, const AdvancedStageBoxes& boxes)
{
    if (portRefused(ctx))
        return;
    const bool driveWasOn = stage.peltierOn;
    forceDigitalOnGeneration2(ctx.globals, stage);
    // The analog controller changes direction only with its drive off.
    if (!stage.digitalController && driveWasOn) {
        togglePeltier(ctx, stage, boxes);
        ctx.clock.sleepMs(kStagePauseMs);
    }
    flushBeforeSend(ctx);
    stage.coolMode = !stage.coolMode;
    stage.coolHeatColour = stage.coolMode ? kCoolColour : kHeatColour;
    const int direction = stage.coolMode ? kPeltierCoolDirection : kPeltierHeatDirection;
    const ShortReply reply =
        exchange(ctx, *makeTemperatureCommand(TemperatureSubCommand::PeltierDirection, direction), WriteWay::Array);
    ctx.console.setCommText(replyDisplayText(reply));
    learnController(ctx.globals, stage, reply);

    int code = stageTargetCode(stage);
    ctx.clock.sleepMs(kStagePauseMs);
    SendTemperatureTargetAdvanced(ctx, stage, code);

    forceDigitalOnGeneration2(ctx.globals, stage);
    if (!stage.digitalController && driveWasOn) {
        ctx.clock.sleepMs(kStagePauseMs);
        togglePeltier(ctx, stage, boxes);
    }
}

void measureStageTemperature(LinkContext& ctx, AdvancedStage& stage)
{
    int readOnly = 0;
    const std::optional<double> reading = SendTemperatureTargetAdvanced(ctx, stage, readOnly);
    forceDigitalOnGeneration2(ctx.globals, stage);
    if (reading) // a closed port keeps its message in the status line
        ctx.console.setStatus(shownTemperature(ctx.globals, stage, *reading));
}

void peltierTimerTick(LinkContext& ctx, AdvancedStage& stage, const AdvancedStageBoxes& boxes)
{
    forceDigitalOnGeneration2(ctx.globals, stage);
    int code = stageTargetCode(stage);
    const std::optional<double> reading = SendTemperatureTargetAdvanced(ctx, stage, code);
    if (!reading)
        return;
    ctx.clock.sleepMs(kStagePauseMs);
    ctx.console.setStatus(shownTemperature(ctx.globals, stage, *reading));
    const std::optional<CommandFrame> frame =
        makeTemperatureCommand(TemperatureSubCommand::PeltierDrive, roundedBoxValue(boxes.txt_peltierpwm));
    if (!frame)
        return;
    ctx.console.setCommText(replyDisplayText(exchange(ctx, *frame, WriteWay::Whole)));
}

} // namespace advanced
