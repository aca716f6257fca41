#include "advanced/AdvancedLedPower.h"

#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/protocol/SendSteps.h"

EchoReply SendAllLedsPowerFromBox(LinkContext& ctx, const QString& txt_led)
{
    if (!requirePortOpen(ctx))
        return {};
    const std::optional<std::int16_t> power = toInt16Strict(txt_led);
    if (!power) {
        ctx.prompts.message(QStringLiteral("error"));
        return {};
    }
    return SendAllLedsPower(ctx, *power);
}

void SendOneLedPowerAdvanced(LinkContext& ctx, QString& txt_led, int led, int power)
{
    const double typed = textValue(txt_led);
    if (typed > kMaxLedPower)
        txt_led = QString::number(kMaxLedPower);
    else if (typed < 0)
        txt_led = QStringLiteral("0");
    sendOneLedPowerUnclamped(ctx, led, power);
}
