#include "advanced/AdvancedLedControls.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/commands/CameraValues.h"
#include "link/commands/LedPowerCommands.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

namespace advanced {

namespace {

const QString kErrorText = QStringLiteral("error");
constexpr int kAfterReplyMs = 5;
constexpr int kBetweenBanksMs = 200;
constexpr int kAfterBanksMs = 100;

struct Bank {
    char letter;
    int count;
    const char* caption;
};

// One frame a byte at a time; false as soon as the port closed or a stop was asked.
bool sendByteByByte(LinkContext& ctx, const CommandFrame& frame, const bool& stopRequested)
{
    for (const quint8 byte : frame.bytes) {
        ctx.clock.processEvents();
        if (!ctx.globals.portOpen || stopRequested)
            return false;
        ctx.comm.CommWrite(ctx.globals.commPort, QByteArray(1, static_cast<char>(byte)));
        ctx.clock.sleepMs(1);
    }
    return true;
}

} // namespace

void sendLedFrequency(LinkContext& ctx, const QString& txt_frqled)
{
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return;
    }
    flushBeforeSend(ctx);
    const std::optional<CommandFrame> frame = makeCommandFrame('s', roundedBoxValue(txt_frqled), 0);
    if (!frame) {
        ctx.prompts.message(kErrorText);
        return;
    }
    writeFrame(ctx, *frame, WriteWay::Whole);
    ctx.console.setCommText(replyDisplayText(readShortReply(ctx)));
}

void sendNextLed(LinkContext& ctx, QString& txt_valueled, const QString& txt_value)
{
    const int led = roundedBoxValue(txt_valueled);
    if (SendLedPowerRetry(ctx, led, roundedBoxValue(txt_value)).sends > 0)
        txt_valueled = QString::number(led + 1);
}

LedBanks applyBanks(int hardwareGeneration)
{
    constexpr int kLedCount = 416;
    if (hardwareGeneration == 2) {
        const int split = ledBankSplit(hardwareGeneration);
        return {split, kLedCount - split};
    }
    return {208, 208};
}

int applyLedPower(LinkContext& ctx, QString& txt_led, const bool& stopRequested,
                  const std::function<void()>& betweenLeds)
{
    if (isDummyMode(ctx.globals) || !requirePortOpen(ctx))
        return 0;
    flushBeforeSend(ctx);
    const double typed = textValue(txt_led);
    if (typed > kMaxLedPower)
        txt_led = QString::number(kMaxLedPower);
    else if (typed < 0)
        txt_led = QStringLiteral("0");

    const LedBanks banks = applyBanks(ctx.globals.hardwareGeneration);
    int sent = 0;
    for (const Bank& bank : {Bank{'L', banks.lowCount, "LED0("}, Bank{'l', banks.highCount, "LED1("}}) {
        if (bank.letter == 'l') {
            ctx.clock.sleepMs(kBetweenBanksMs);
            ctx.clock.processEvents();
            ctx.clock.sleepMs(kAfterBanksMs);
        }
        for (int n = 0; n < bank.count; ++n) {
            ctx.console.setCommText(QLatin1String(bank.caption) + QString::number(n) + QLatin1Char(')'));
            const std::optional<CommandFrame> frame = makeCommandFrame(bank.letter, n, roundedBoxValue(txt_led));
            if (!frame) {
                ctx.prompts.message(kErrorText);
                return sent;
            }
            if (!sendByteByByte(ctx, *frame, stopRequested))
                return sent;
            ++sent;
            ctx.console.setCommText(replyDisplayText(readShortReply(ctx)));
            ctx.clock.sleepMs(kAfterReplyMs);
            if (betweenLeds)
                betweenLeds();
        }
    }
    return sent;
}

} // namespace advanced
