#include "link/search/SerialNumberQuery.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/SendSteps.h"

SerialNumberQuery QuerySerialNumber(LinkContext& ctx, int port)
{
    SerialNumberQuery result;
    if (isDummyMode(ctx.globals))
        return result;

    // The send steps work on commPort; while probing, that is the port asked for.
    const int portInUse = ctx.globals.commPort;
    ctx.globals.commPort = port;
    flushBeforeSend(ctx);
    const CommandFrame frame = *makeCommandFrame('N', 0, 0);
    ctx.console.setCommText(sendingText(frame));
    const NumberReply reply = sendForNumberReply(ctx, frame);
    ctx.globals.commPort = portInUse;

    result.value = reply.value; // -1 for nothing and for a reply cut short
    return result;
}

bool isInstrumentSerialNumber(const SerialNumberQuery& query) { return query.value >= 0 && query.value <= 255; }
