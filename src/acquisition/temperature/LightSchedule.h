#pragma once

#include <QString>

#include <optional>

class Clock;
class TemperatureLink;

// The light panel's boxes as typed.
struct LightBoxes {
    bool enabled = false;      // Chk_lenabled
    QString power = "2";       // txt_power
    QString pulseOn = "15";    // txt_pulseon, minutes
    QString pulseOff = "15";   // txt_pulseoff, minutes
    QString pulseTimes = "1";  // txt_pulsetimes
};

struct PulseState {
    bool pulseOn = false;
    int pulseEndSeconds = 0;
    int pulseSecondsLeft = 0;
};

// Level of the blue light for a power; power 0 gives 8, kept as the instrument knows it.
inline int lightLevelFor(int power) { return 8 - power; }

// The button's corrections of power, on and off minutes.
void correctLightBoxes(LightBoxes& boxes);

// End second of the scheduled cycle whose on period holds elapsedSeconds (both
// ends included; the last match wins), or none.
std::optional<int> scheduledPulseEnd(const LightBoxes& boxes, double elapsedSeconds);

// What a run's window evaluation does with the light; returns the power for the
// row of light.csv, taken before the switching.
int LightAtEvaluation(PulseState& pulse, const LightBoxes& boxes, double elapsedSeconds,
                      TemperatureLink& link, Clock& clock);

// One second of a pulse started by hand outside a run (Timer3).
void CountDownPulse(PulseState& pulse, const LightBoxes& boxes, TemperatureLink& link);

enum class LightClick { Started, Stopped, NothingDone };

// cmd_light_Click once the port is known open.
LightClick LightButton(PulseState& pulse, LightBoxes& boxes, int runState, double elapsedSeconds,
                       TemperatureLink& link);
