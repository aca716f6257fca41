#pragma once

#include "acquisition/temperature/TemperatureControl.h"
#include "core/NumberText.h"

// The sensor value a temperature calibration point takes. The analog controller
// gives a raw reading, and the stored factors act on that raw reading, so the
// point takes it as the last regulation step read it; the shown text is that
// reading already converted with the default factors. A digital controller
// reads degrees: the point takes the degrees shown.
inline double calibrationSensorValue(const TemperatureControl& control)
{
    const bool analog = control.hardwareGeneration < 2 && control.analogController;
    return analog ? control.lastTemperature : textValue(withDecimalPoint(control.view.sensorText));
}
