#include "link/search/SerialNumberQuery.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/SendSteps.h"

namespace {

// The number is high times 256 plus low in 16 signed bits: a high byte of 128
// or more overflows it.
bool decodable(const QByteArray& reply) { return reply.size() >= 3 && static_cast<uchar>(reply.at(1)) < 128; }

} // namespace

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

    if (reply.bytes.isEmpty())
        return result;
    if (!decodable(reply.bytes)) {
        ctx.prompts.message(QStringLiteral("error"));
        result.value = 0;
        result.undecodable = true;
        return result;
    }
    result.value = reply.value;
    return result;
}

bool isInstrumentSerialNumber(const SerialNumberQuery& query)
{
    return !query.undecodable && query.value >= 0 && query.value <= 255;
}
