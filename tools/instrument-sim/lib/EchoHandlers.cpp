#include "lib/CommandRegistry.h"

// Commands the instrument confirms by echoing letter, A and B. Families that
// give one of them a meaning register it again after these.
void registerEchoHandlers(CommandRegistry& registry)
{
    for (const char letter : {'G', 'E', 'S', 'y', 'Y', 'x', 'X', 'L', 'l'}) {
        registry.add(letter, [](const SimCommand& c, InstrumentState&) {
            QByteArray reply;
            reply += static_cast<char>(c.letter);
            reply += static_cast<char>(c.a);
            reply += static_cast<char>(c.b);
            return reply;
        });
    }
}
