#include "acquisition/temperature/SendersTemperatureLink.h"

#include "link/commands/LightPulse.h"
#include "link/commands/TemperatureSenders.h"
#include "link/protocol/LinkState.h"

double SendersTemperatureLink::readTemperature(int targetCode)
{
    return SendTemperatureTarget(ctx_, state_, targetCode);
}

double SendersTemperatureLink::lastReading() const
{
    return state_.lastTemperature;
}

void SendersTemperatureLink::peltierHeat(int power) { SendPeltierHeat(ctx_, state_, power, false); }

void SendersTemperatureLink::peltierCool(int power) { SendPeltierCool(ctx_, state_, power, false); }

void SendersTemperatureLink::peltierOff() { SendPeltierOff(ctx_, state_); }

void SendersTemperatureLink::fanLevel(int level) { SendFanLevel(ctx_, level); }

void SendersTemperatureLink::lightPulse(int level)
{
    const std::optional<LightIndicator> shown = SendLightPulse(ctx_, level, pulseSecondsLeft_);
    if (shown && onLightIndicator)
        onLightIndicator(*shown);
}
