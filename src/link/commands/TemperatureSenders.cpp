#include "link/commands/TemperatureSenders.h"

#include "link/protocol/LinkState.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"
#include "link/commands/TemperatureCommand.h"
#include "link/commands/TemperatureReply.h"

#include <algorithm>

namespace {

// The analog controller needs its direction settled before the drive level comes.
constexpr int kDirectionSettleMs = 100;

// Temperature commands go on the wire as one byte array.
ShortReply exchange(LinkContext& ctx, TemperatureSubCommand sub, int value)
{
    const std::optional<CommandFrame> frame = makeTemperatureCommand(sub, value);
    if (!frame)
        return {};
    ExchangeScope held(ctx);
    if (held.refused())
        return {};
    writeFrame(held.context(), *frame, WriteWay::Array);
    return readShortReply(held.context());
}

// The reply to a heat, cool or off command: its reading (or 0) becomes the
// last temperature and its display goes into txt_in.
int takeDriveReply(LinkContext& ctx, LinkState& state, const ShortReply& reply)
{
    if (reply.isEmpty()) {
        ctx.console.setCommText(replyDisplayText(reply));
        return -1;
    }
    if (reply.size() < 3)
        return -1; // cannot be decoded: nothing shown, nothing kept
    state.lastTemperature = ParseTemperatureReply(reply, ctx.globals.hardwareGeneration);
    ctx.console.setCommText(replyDisplayText(reply));
    return 1;
}

void forceDigitalOnGeneration2(const Globals& globals, LinkState& state)
{
    if (globals.hardwareGeneration == 2)
        state.analogController = false;
}

// What differs between heating and cooling.
struct DriveKind {
    int direction;
    TemperatureSubCommand digitalCommand;
    int maxPower;
    const char* analogText;
    const char* digitalText;
};

constexpr DriveKind kHeat{kPeltierHeatDirection, TemperatureSubCommand::HeatPower, kMaxHeatPower, "heat_an:",
                          "heat_dig:"};
constexpr DriveKind kCool{kPeltierCoolDirection, TemperatureSubCommand::CoolPower, kMaxCoolPower, "cool_an:",
                          "cool_dig:"};

// The heat or cool sequence once the port is known open. The status line
// shows the power as given; what is sent is clamped to the kind's maximum.
int drive(LinkContext& ctx, LinkState& state, const DriveKind& kind, int power, bool showCommValues)
{
    // A negative power cannot travel in a byte: refuse before the direction goes out.
    if (power < 0)
        return -1;
    const int sent = std::min(power, kind.maxPower);
    flushBeforeSend(ctx);
    forceDigitalOnGeneration2(ctx.globals, state);

    ShortReply reply;
    if (state.analogController) {
        exchange(ctx, TemperatureSubCommand::PeltierDirection, kind.direction);
        ctx.clock.sleepMs(kDirectionSettleMs);
        ctx.console.setStatus(QLatin1String(kind.analogText) + QString::number(power));
        reply = exchange(ctx, TemperatureSubCommand::PeltierDrive, sent);
    } else {
        if (showCommValues)
            ctx.console.setStatus(QLatin1String(kind.digitalText) + QString::number(power));
        reply = exchange(ctx, kind.digitalCommand, sent);
    }
    return takeDriveReply(ctx, state, reply);
}

} // namespace

double SendTemperatureTarget(LinkContext& ctx, LinkState& state, int value)
{
    if (!requirePortOpen(ctx))
        return 0;
    ctx.comm.CommFlush(ctx.globals.commPort); // no pause before the target
    value = std::clamp(value, 0, 255);
    const ShortReply bytes = exchange(ctx, TemperatureSubCommand::TemperatureTarget, value);

    double result = 0;
    if (bytes.isEmpty()) {
        result = -1;
    } else if (const std::optional<TemperatureReply> reply = decodeTemperatureReply(bytes)) {
        const bool analog = reply->isAnalog() && ctx.globals.hardwareGeneration == 1;
        if (reply->isDigital() || analog) {
            if (reply->valid()) {
                state.lastTemperature = reply->value();
                result = reply->value();
            } else {
                result = -1;
            }
            state.analogController = analog;
        }
    }
    forceDigitalOnGeneration2(ctx.globals, state);
    return result;
}

int SendPeltierHeat(LinkContext& ctx, LinkState& state, int power, bool showCommValues)
{
    power = std::min(power, kMaxHeatPower);
    if (!requirePortOpen(ctx))
        return -1;
    return drive(ctx, state, kHeat, power, showCommValues);
}

int SendPeltierCool(LinkContext& ctx, LinkState& state, int power, bool showCommValues)
{
    if (!requirePortOpen(ctx))
        return -1;
    return drive(ctx, state, kCool, power, showCommValues);
}

int SendPeltierOff(LinkContext& ctx, LinkState& state)
{
    if (!requirePortOpen(ctx))
        return -1;
    flushBeforeSend(ctx);
    return takeDriveReply(ctx, state, exchange(ctx, TemperatureSubCommand::PeltierDrive, 0));
}

int SendFanLevel(LinkContext& ctx, int level)
{
    if (!makeTemperatureCommand(TemperatureSubCommand::FanLevel, level))
        return -1;
    exchange(ctx, TemperatureSubCommand::FanLevel, level);
    return 1;
}
