#include "lib/FlashReplyFault.h"

namespace {

constexpr int kPageReadBase = 0xF0; // A of a page read: 0xF0 plus the bank

} // namespace

void garbleFlashPageReplies(CommandRegistry& registry, int bank, int firstLine)
{
    const CommandHandler* current = registry.find('F');
    if (!current)
        return;
    registry.add('F', [sound = *current, bank, firstLine](const SimCommand& c, InstrumentState& state) {
        QByteArray reply = sound(c, state);
        if (c.a == kPageReadBase + bank && c.b == firstLine && !reply.isEmpty())
            reply.back() = static_cast<char>(~reply.back());
        return reply;
    });
}
