#include "lib/CommandRegistry.h"

#include <QtGlobal>

#include <cmath>

// "T": the stage, its fan and the blue light, by sub-command A. Every
// sub-command but the second sensor's query is answered with the stage's
// temperature reading.
namespace {

enum SubCommand : quint8 {
    PeltierDirection = 0,
    PeltierDrive = 1,
    FanLevel = 2,
    HeatPower = 3,
    CoolPower = 4,
    BlueLightLevel = 15,
    Sensor2Query = 240,
};

// The second sensor sits beside the stage and reads the air around it:
// "T", then the ambient temperature in sixteenths of a degree, high byte first.
QByteArray sensor2Reading(const StageState& stage)
{
    const int sixteenths = qBound(0, static_cast<int>(std::lround(stage.ambient * 16.0)), 0xFFFF);
    QByteArray reply;
    reply += 'T';
    reply += static_cast<char>((sixteenths >> 8) & 0xFF);
    reply += static_cast<char>(sixteenths & 0xFF);
    return reply;
}

void apply(const SimCommand& c, StageState& stage)
{
    switch (c.a) {
    case PeltierDirection:
        stage.cooling = c.b != 0;
        break;
    case PeltierDrive:
        stage.drive = c.b;
        break;
    case FanLevel:
        stage.fanLevel = c.b;
        break;
    case HeatPower:
        stage.cooling = false;
        stage.drive = c.b;
        break;
    case CoolPower:
        stage.cooling = true;
        stage.drive = c.b;
        break;
    case BlueLightLevel:
        stage.lightLevel = c.b;
        break;
    default: // the target and the second sensor only ask for the reading
        break;
    }
}

} // namespace

void registerTemperatureHandler(CommandRegistry& registry)
{
    registry.add('T', [](const SimCommand& c, InstrumentState& state) {
        // The temperature moved under the old drive until now; the new one applies from here.
        advanceStageTo(state.stage, state.now);
        apply(c, state.stage);
        if (c.a == Sensor2Query)
            return sensor2Reading(state.stage);
        return stageReading(state.stage, stageController(state.stage, state.serialNumber));
    });
}
