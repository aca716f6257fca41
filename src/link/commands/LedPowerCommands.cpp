#include "link/commands/LedPowerCommands.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

#include <algorithm>

namespace {

constexpr char kLowBankLetter = 'L';
constexpr char kHighBankLetter = 'l';
constexpr int kAfterReplyPauseMs = 5;
constexpr int kBytePauseMs = 1;

const QString kErrorText = QStringLiteral("error");

// The echo senders share every step but their frame and accepted letters.
EchoReply sendLedEcho(LinkContext& ctx, const std::optional<CommandFrame>& frame, const QString& accepted)
{
    if (!frame) {
        ctx.prompts.message(kErrorText);
        return {};
    }
    return sendForEchoReply(ctx, *frame, EchoOptions::accepting(accepted));
}

} // namespace

int ledBankSplit(int hardwareGeneration)
{
    switch (hardwareGeneration) {
    case 1: return 208;
    case 2: return 192;
    default: return 0;
    }
}

std::optional<CommandFrame> makeLedPowerFrame(int hardwareGeneration, int led, int power)
{
    const int split = ledBankSplit(hardwareGeneration);
    if (led < split)
        return makeCommandFrame(kLowBankLetter, led, power);
    return makeCommandFrame(kHighBankLetter, led - split, power);
}

std::optional<CommandFrame> makeAllLedsPowerFrame(int power)
{
    return makeCommandFrame(kLowBankLetter, kAllLedsIndex, power);
}

void sendOneLedPowerUnclamped(LinkContext& outer, int led, int power)
{
    // Events run between the frame's bytes: nothing they send may get between them.
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return;
    LinkContext& ctx = exchange.context();
    flushBeforeSend(ctx);
    const std::optional<CommandFrame> frame = makeLedPowerFrame(ctx.globals.hardwareGeneration, led, power);
    if (!frame)
        return;
    ctx.console.setCommText(QStringLiteral("LED(") + QString::number(led) + QLatin1Char(')'));
    // Window events run between the bytes; one of them may have closed the port.
    for (const quint8 byte : frame->bytes) {
        ctx.clock.processEvents();
        if (!ctx.globals.portOpen)
            return;
        ctx.comm.CommWrite(ctx.globals.commPort, QByteArray(1, static_cast<char>(byte)));
        ctx.clock.sleepMs(kBytePauseMs);
    }
    ctx.console.setCommText(replyDisplayText(readShortReply(ctx)));
    ctx.clock.sleepMs(kAfterReplyPauseMs);
}

void SendOneLedPower(LinkContext& ctx, int led, int power)
{
    sendOneLedPowerUnclamped(ctx, led, std::clamp(power, 0, kMaxLedPower));
}

EchoReply SendLedPowerRetry(LinkContext& ctx, int led, int power)
{
    if (isDummyMode(ctx.globals) || !requirePortOpen(ctx))
        return {};
    flushBeforeSend(ctx);
    return sendLedEcho(ctx, makeLedPowerFrame(ctx.globals.hardwareGeneration, led, power), QStringLiteral("lL"));
}

EchoReply SendAllLedsPower(LinkContext& ctx, int power)
{
    if (!requirePortOpen(ctx))
        return {};
    flushBeforeSend(ctx);
    return sendLedEcho(ctx, makeAllLedsPowerFrame(power), QStringLiteral("L"));
}
