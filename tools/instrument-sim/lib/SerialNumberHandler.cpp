#include "lib/CommandRegistry.h"

namespace {

QByteArray numberReply(char letter, int value)
{
    QByteArray reply;
    reply += letter;
    reply += static_cast<char>((value >> 8) & 0xFF);
    reply += static_cast<char>(value & 0xFF);
    return reply;
}

} // namespace

// "N": the serial number as letter, high byte, low byte.
void registerSerialNumberHandler(CommandRegistry& registry)
{
    registry.add('N', [](const SimCommand&, InstrumentState& state) { return numberReply('N', state.serialNumber); });
    // "I": the identifier, the same way.
    registry.add('I', [](const SimCommand&, InstrumentState& state) { return numberReply('I', state.instrumentId); });
}
