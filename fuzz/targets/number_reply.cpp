// The number reply decoder and the reply display texts.
#include "FuzzFolder.h"

#include "link/protocol/ReplyText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray reply = inputBytes(data, size);
    const qint32 value = numberReplyValue(reply);
    check(reply.size() < 3 ? value == -1 : (value >= 0 && value <= 65535), "number out of its two bytes");
    (void)replyDisplayText(reply);
    (void)decimalRunText(reply);
    return 0;
}
