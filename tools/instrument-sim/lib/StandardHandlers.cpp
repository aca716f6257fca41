#include "lib/CommandRegistry.h"

// Each command family lives in its own file; adding one is a file and a line here.
void registerSerialNumberHandler(CommandRegistry& registry);
void registerEchoHandlers(CommandRegistry& registry);

void registerStandardHandlers(CommandRegistry& registry)
{
    registerEchoHandlers(registry);
    registerSerialNumberHandler(registry);
}
