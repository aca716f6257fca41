#include "lib/CommandRegistry.h"

// "N": the serial number as letter, high byte, low byte.
void registerSerialNumberHandler(CommandRegistry& registry)
{
    registry.add('N', [](const SimCommand&, InstrumentState& state) {
        QByteArray reply;
        reply += 'N';
        reply += static_cast<char>((state.serialNumber >> 8) & 0xFF);
        reply += static_cast<char>(state.serialNumber & 0xFF);
        return reply;
    });
}
