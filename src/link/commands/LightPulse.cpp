#include "link/commands/LightPulse.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ExchangeScope.h"
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
    ExchangeScope exchange(ctx);
    if (exchange.refused())
        return std::nullopt;
    LinkContext& held = exchange.context();
    flushBeforeSend(held);
    const LightIndicator indicator = lightIndicatorFor(level, pulseSecondsLeft);
    writeFrame(held, *frame, WriteWay::Whole);
    held.console.setCommText(replyDisplayText(readShortReply(held)));
    return indicator;
}
