#include "plate/files/LedTables.h"

namespace {
bool isLed(int led) { return led >= 0 && led < kLedCount; }
} // namespace

LedEntry LedTable::entry(int led) const
{
    if (!isLed(led))
        return {};
    const auto i = static_cast<size_t>(led);
    return {ledCamera[i], ledColcam[i], ledFilcam[i], ledX1[i], ledX2[i], ledY1[i], ledY2[i], ledPower[i]};
}

void LedTable::setEntry(int led, const LedEntry& e)
{
    if (!isLed(led))
        return;
    const auto i = static_cast<size_t>(led);
    ledCamera[i] = e.camera;
    ledColcam[i] = e.colcam;
    ledFilcam[i] = e.filcam;
    ledX1[i] = e.x1;
    ledX2[i] = e.x2;
    ledY1[i] = e.y1;
    ledY2[i] = e.y2;
    ledPower[i] = e.power;
}
