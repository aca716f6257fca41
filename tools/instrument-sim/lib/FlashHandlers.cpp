#include "lib/CommandRegistry.h"
#include "lib/EchoReply.h"

namespace {

constexpr quint8 kPageReadBase = 0xF0; // A of a page read: 0xF0 plus the bank

// "F", A and B as sent, the 96 bytes of the page, then their XOR.
QByteArray pageReply(const SimCommand& c, const QByteArray& page)
{
    QByteArray reply;
    reply += 'F';
    reply += static_cast<char>(c.a);
    reply += static_cast<char>(c.b);
    reply += page;
    char check = 0;
    for (const char byte : page)
        check = static_cast<char>(check ^ byte);
    reply += check;
    return reply;
}

} // namespace

// Flash memory: "f" puts a byte into the page buffer and echoes it; "F" with a
// bank commits the buffer and answers one byte; "F" with 0xF0 plus a bank reads
// a page back. Unframed, "F" with 240 plus a bank answers the page's bytes alone.
// Commands naming no address, bank or page of the memory go unanswered.
void registerFlashHandlers(CommandRegistry& registry)
{
    registry.add('f', [](const SimCommand& c, InstrumentState& state) {
        return state.flash.setBufferByte(c.a, c.b) ? echoReply(c) : QByteArray();
    });
    registry.add('F', [](const SimCommand& c, InstrumentState& state) {
        if (c.a >= kPageReadBase) {
            const QByteArray page = state.flash.page(c.a - kPageReadBase, c.b);
            return page.isEmpty() ? QByteArray() : pageReply(c, page);
        }
        return state.flash.commit(c.a, c.b) ? QByteArray("F") : QByteArray();
    });
    registry.addUnframed('F', [](const SimCommand& c, InstrumentState& state) {
        return c.a >= kPageReadBase ? state.flash.page(c.a - kPageReadBase, c.b) : QByteArray();
    });
}
