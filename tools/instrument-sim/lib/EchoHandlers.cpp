#include "lib/CommandRegistry.h"
#include "lib/EchoReply.h"

// Commands the instrument confirms by echoing letter, A and B. Families that
// give one of them a meaning register it again after these.
void registerEchoHandlers(CommandRegistry& registry)
{
    for (const char letter : {'G', 'E', 'S', 'y', 'Y', 'x', 'X', 'L', 'l'}) {
        registry.add(letter, [](const SimCommand& c, InstrumentState&) { return echoReply(c); });
    }
}
