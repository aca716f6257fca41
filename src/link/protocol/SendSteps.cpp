#include "link/protocol/SendSteps.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ExchangeScope.h"

bool isDummyMode(const Globals& globals) { return globals.dummyMode == 1; }

bool requirePortOpen(LinkContext& ctx)
{
    if (refuseWhileLinkBusy(ctx))
        return false;
    if (ctx.globals.portOpen)
        return true;
    ctx.console.setStatus(kPortNotOpenText);
    return false;
}

void flushBeforeSend(LinkContext& ctx)
{
    ctx.comm.CommFlush(ctx.globals.commPort);
    ctx.clock.sleepMs(1);
}

void writeFrame(LinkContext& ctx, const CommandFrame& frame, WriteWay way, int bytePauseMs)
{
    const int port = ctx.globals.commPort;
    switch (way) {
    case WriteWay::Whole:
        ctx.comm.CommWrite(port, frame.toByteArray());
        break;
    case WriteWay::ByteByByte:
        for (const quint8 byte : frame.bytes) {
            ctx.comm.CommWrite(port, QByteArray(1, static_cast<char>(byte)));
            ctx.clock.sleepMs(bytePauseMs);
        }
        break;
    case WriteWay::Array:
        ctx.comm.CommWriteBytes(port, frame.span());
        break;
    }
}

QString sendingText(const CommandFrame& frame) { return QStringLiteral("sending ") + frame.characters(); }
