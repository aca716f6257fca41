#include "acquisition/temperature/LightSchedule.h"

#include "acquisition/temperature/BoxNumbers.h"
#include "acquisition/temperature/TemperatureLink.h"
#include "core/Clock.h"

namespace {

constexpr int kSwitchPauseMs = 10;

void sendPowerLevel(const LightBoxes& boxes, TemperatureLink& link)
{
    const std::optional<int> power = boxInteger(boxes.power);
    if (power && *power >= 0 && *power <= 7)
        link.lightPulse(lightLevelFor(*power));
}

} // namespace

void correctLightBoxes(LightBoxes& boxes)
{
    const double power = boxNumber(boxes.power).value_or(0);
    if (power <= 0)
        boxes.power = "1";
    else if (power > 7)
        boxes.power = "7";
    const double on = boxNumber(boxes.pulseOn).value_or(0);
    if (on > 10)
        boxes.pulseOn = "10";
    else if (on <= 0)
        boxes.pulseOn = "1";
    const double off = boxNumber(boxes.pulseOff).value_or(0);
    if (off < 0)
        boxes.pulseOff = "0";
    else if (off > 9999)
        boxes.pulseOff = "9999";
}

std::optional<int> scheduledPulseEnd(const LightBoxes& boxes, double elapsedSeconds)
{
    if (!boxes.enabled)
        return std::nullopt;
    const int n = boxInteger(boxes.pulseTimes).value_or(0);
    const double on = boxNumber(boxes.pulseOn).value_or(0);
    const double off = boxNumber(boxes.pulseOff).value_or(0);
    std::optional<int> end;
    for (int j = 1; j <= n; ++j) {
        const double from = ((on + off) * (j - 1) + off) * 60;
        const double to = (on + off) * j * 60;
        if (elapsedSeconds >= from && elapsedSeconds <= to)
            end = roundHalfEven(to);
    }
    return end;
}

int LightAtEvaluation(PulseState& pulse, const LightBoxes& boxes, double elapsedSeconds,
                      TemperatureLink& link, Clock& clock)
{
    const int csvPower = pulse.pulseOn ? boxInteger(boxes.power).value_or(0) : 0;
    if (const std::optional<int> end = scheduledPulseEnd(boxes, elapsedSeconds)) {
        pulse.pulseOn = true;
        pulse.pulseEndSeconds = *end;
    }
    if (pulse.pulseOn) {
        pulse.pulseSecondsLeft = roundHalfEven(pulse.pulseEndSeconds - elapsedSeconds);
        if (pulse.pulseSecondsLeft > 0) {
            sendPowerLevel(boxes, link);
        } else {
            pulse.pulseOn = false;
            link.lightPulse(0);
        }
        clock.sleepMs(kSwitchPauseMs);
    } else {
        link.lightPulse(0);
    }
    return csvPower;
}

void CountDownPulse(PulseState& pulse, const LightBoxes& boxes, TemperatureLink& link)
{
    if (!pulse.pulseOn)
        return;
    --pulse.pulseSecondsLeft;
    if (pulse.pulseSecondsLeft > 0) {
        sendPowerLevel(boxes, link);
    } else {
        pulse.pulseOn = false;
        link.lightPulse(0);
    }
}

LightClick LightButton(PulseState& pulse, LightBoxes& boxes, int runState, double elapsedSeconds,
                       TemperatureLink& link)
{
    correctLightBoxes(boxes);
    const int onSeconds = roundHalfEven(boxNumber(boxes.pulseOn).value_or(1) * 60);
    if (runState != 1) {
        if (pulse.pulseOn) {
            pulse.pulseOn = false;
            link.lightPulse(0);
            return LightClick::Stopped;
        }
        pulse.pulseOn = true;
        pulse.pulseEndSeconds = onSeconds;
        pulse.pulseSecondsLeft = onSeconds;
        link.lightPulse(lightLevelFor(boxInteger(boxes.power).value_or(1)));
        return LightClick::Started;
    }
    if (elapsedSeconds <= 0)
        return LightClick::NothingDone;
    if (pulse.pulseOn) {
        pulse.pulseOn = false;
        return LightClick::Stopped;
    }
    pulse.pulseEndSeconds =
        roundHalfEven(boxNumber(boxes.pulseOn).value_or(1) * 60 + elapsedSeconds);
    pulse.pulseOn = true;
    return LightClick::Started;
}
