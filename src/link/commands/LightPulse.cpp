#include "link/commands/LightPulse.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"
#include "link/commands/TemperatureCommand.h"

LightIndicator lightIndicatorFor(int level, int pulseSecondsLeft)
{
    if (level != 0)
        return {QString::number(pulseSecondsLeft), QColor(0, 0, 255)};
    return {QStringLiteral("Pulse"), QColor(255, 255, 255)};
}

std::optional<LightIndicator> SendLightPulse(LinkContext& ctx, int level, int pulseSecondsLeft)
{
    // Checked first, so that the indicator never shows a light that was not sent.
    const std::optional<CommandFrame> frame = makeTemperatureCommand(TemperatureSubCommand::BlueLightLevel, level);
    if (!frame)
        return std::nullopt;
    flushBeforeSend(ctx);
    const LightIndicator indicator = lightIndicatorFor(level, pulseSecondsLeft);
    writeFrame(ctx, *frame, WriteWay::Whole);
    ctx.console.setCommText(replyDisplayText(readShortReply(ctx)));
    return indicator;
}
