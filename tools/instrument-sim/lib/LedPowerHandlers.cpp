#include "lib/CommandRegistry.h"
#include "lib/EchoReply.h"
#include "lib/LedPowers.h"

namespace {

constexpr quint8 kAllLeds = 255;

void setPower(InstrumentState& state, int led, int power)
{
    if (led >= 0 && led < kSimLedCount)
        state.ledPower[static_cast<size_t>(led)] = power;
}

} // namespace

// "L" and "l": the power of one LED in the low or high bank, or with "L" 255 of
// every LED. Each is echoed; an index beyond its bank changes nothing.
void registerLedPowerHandlers(CommandRegistry& registry)
{
    registry.add('L', [](const SimCommand& c, InstrumentState& state) {
        const int split = simLedBankSplit(simHardwareGeneration(state.serialNumber));
        if (c.a == kAllLeds)
            state.ledPower.fill(c.b);
        else if (c.a < split)
            setPower(state, c.a, c.b);
        return echoReply(c);
    });
    registry.add('l', [](const SimCommand& c, InstrumentState& state) {
        setPower(state, simLedBankSplit(simHardwareGeneration(state.serialNumber)) + c.a, c.b);
        return echoReply(c);
    });
}
