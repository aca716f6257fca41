#include "advanced/AdvancedSensorControls.h"

#include "advanced/AdvancedCameraCommands.h"
#include "advanced/AdvancedIdentityCommands.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/commands/CameraValues.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

namespace advanced {

namespace {

constexpr char kSensorLetter = 'c';
constexpr char kSecondPhaseCheckLetter = 'C';

ShortReply sendAndShow(LinkContext& ctx, const CommandFrame& frame)
{
    writeFrame(ctx, frame, WriteWay::Whole);
    const ShortReply reply = readShortReply(ctx);
    ctx.console.setCommText(replyDisplayText(reply));
    return reply;
}

} // namespace

CommandFrame sensorRegisterFrame(int reg, int value, bool secondPhase)
{
    CommandFrame frame = *makeCommandFrame(kSensorLetter, reg, value);
    if (secondPhase)
        frame.bytes[4] = frameCheck(kSecondPhaseCheckLetter, frame.a(), frame.b());
    return frame;
}

SensorWrite writeSensorRegister(LinkContext& ctx, const QString& txt_ov1, const QString& txt_ov2)
{
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return SensorWrite::Refused;
    }
    if (ctx.prompts.question(QStringLiteral("Sure to write ov7670?"), PromptButtons::OkCancel) != PromptAnswer::Ok)
        return SensorWrite::Cancelled;
    const int reg = roundedBoxValue(txt_ov1);
    const int value = roundedBoxValue(txt_ov2);
    if (reg > kMaxSensorRegister) {
        ctx.prompts.message(QStringLiteral("Invalid register number"));
        return SensorWrite::Refused;
    }
    flushBeforeSend(ctx);
    if (!makeCommandFrame(kSensorLetter, reg, value)) {
        ctx.prompts.message(QStringLiteral("error"));
        return SensorWrite::Failed;
    }
    const ShortReply echo = sendAndShow(ctx, sensorRegisterFrame(reg, value, false));
    if (echo.size() < 3) {
        ctx.prompts.message(QStringLiteral("error"));
        return SensorWrite::Failed;
    }
    if (static_cast<quint8>(echo.at(1)) != reg || static_cast<quint8>(echo.at(2)) != value) {
        ctx.prompts.message(QStringLiteral("Error COM"));
        return SensorWrite::Mismatch;
    }
    flushBeforeSend(ctx);
    sendAndShow(ctx, sensorRegisterFrame(reg, value, true));
    return SensorWrite::Written;
}

void sendResetSequence(LinkContext& ctx)
{
    flushBeforeSend(ctx);
    for (int i = 0; i < kResetBytes; ++i) {
        ctx.comm.CommWrite(ctx.globals.commPort, QByteArrayLiteral("Z"));
        ctx.clock.sleepMs(kResetBytePauseMs);
    }
}

void setCameraFromBoxes(LinkContext& ctx, CameraBoxes& boxes)
{
    if (isDummyMode(ctx.globals))
        return;
    // Each step shows its own outcome and the set-up goes on regardless.
    selectCamera(ctx, boxes.txt_cam);
    ctx.clock.sleepMs(kAfterSetupStepMs);
    (void)sendGainBox(ctx, boxes.txt_gain);
    ctx.clock.sleepMs(kAfterSetupStepMs);
    (void)sendExposureBox(boxes, ctx);
    ctx.clock.sleepMs(kAfterSetupStepMs);
    (void)sendSpeedBox(boxes, ctx);
    ctx.clock.sleepMs(kAfterSetupStepMs);
    (void)sendWindowBoxes(boxes, ctx);
    ctx.clock.sleepMs(kAfterSetupStepMs);
}

} // namespace advanced
