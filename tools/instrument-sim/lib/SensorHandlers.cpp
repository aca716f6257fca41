#include "lib/CommandRegistry.h"
#include "lib/EchoReply.h"

// "s" sets the LED frequency; "c" writes a register of the selected camera's
// sensor in two phases, the second framed with the check of "C"; "Z" is one
// byte of the reset sequence, counted and not answered.
void registerSensorHandlers(CommandRegistry& registry)
{
    registry.add('s', [](const SimCommand& c, InstrumentState& state) {
        state.sensor.ledFrequency = c.a;
        return echoReply(c);
    });
    registry.add('c', [](const SimCommand& c, InstrumentState& state) {
        SimSensorSettings& sensor = state.sensor;
        const std::pair<int, int> write{c.a, c.b};
        if (!c.capitalCheck) {
            sensor.announced = write;
        } else if (sensor.announced == write) {
            sensor.registers[{state.camera.selected, c.a}] = c.b;
            sensor.announced.reset();
        }
        return echoReply(c);
    });
    registry.acceptCapitalCheck('c');
    registry.addSingleByte('Z', [](const SimCommand&, InstrumentState& state) {
        ++state.sensor.resetBytes;
        return QByteArray();
    });
}
