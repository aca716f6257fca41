#include "acquisition/temperature/TemperatureControl.h"

#include "acquisition/run/RunPhase.h"
#include "acquisition/temperature/BoxNumbers.h"
#include "acquisition/temperature/LightSchedule.h"
#include "acquisition/temperature/PeltierTable.h"
#include "acquisition/temperature/TemperatureLink.h"
#include "core/Clock.h"

#include <cmath>

namespace {

constexpr int kWaitBeforeStepMs = 500;
constexpr int kWaitAfterReadMs = 200;
constexpr int kCommandGapMs = 10;
constexpr int kFanFull = 255;
constexpr int kFanIdle = 128;

bool outOfRange(double checkTemperature)
{
    return checkTemperature >= 51 || checkTemperature <= 8;
}

QString oneDecimal(double v) { return QString::number(v, 'f', 1); }

// Splits "T25;30" at its own ";"; none when the item has no ";".
std::optional<std::pair<QString, QString>> splitCycleItem(const QString& item)
{
    const qsizetype s = item.indexOf(';');
    if (s < 0)
        return std::nullopt;
    return std::make_pair(item.mid(1, s - 1), item.mid(s + 1));
}

} // namespace

TemperatureControl::TemperatureControl(TemperatureLink& link, Clock& clock, const RunPhase& phase)
    : link_(link), clock_(clock), phase_(phase)
{
}

int TemperatureControl::runState() const
{
    return phase_.runState();
}

int TemperatureControl::targetCode(int setPoint, bool analog)
{
    if (!analog)
        return setPoint > 0 ? setPoint : 45;
    return setPoint > 0 ? setPoint * 16 / 256 : 177;
}

double TemperatureControl::RegulateTemperature(int setPoint)
{
    const bool analog = hardwareGeneration >= 2 ? false : analogController;
    const auto check = [&](double r) { return analog ? r * 1.732 - 16.34 : r; };
    const auto stage = [&](double r) {
        return analog ? r * calibration.slope + calibration.offset : r;
    };

    // The reply of the last heat, cool or off command carried the stage's reading.
    if (const double replied = link_.lastReading(); replied != 0)
        lastTemperature = replied;
    const bool reuse = lastTemperature != 0 && tempControlOn && !regulationRestart && setPoint != 0;
    double reading = lastTemperature;
    if (!reuse) {
        regulationRestart = false;
        reading = link_.readTemperature(targetCode(setPoint, analog));
        lastTemperature = reading;
        clock_.sleepMs(kWaitAfterReadMs);
    } else if (outOfRange(check(reading))) {
        reading = link_.readTemperature(targetCode(setPoint, analog));
        lastTemperature = reading;
    }
    const double checkT = check(reading);
    const double stageT = stage(reading);

    view.sensorText = oneDecimal(checkT);
    view.currentText = oneDecimal(stageT);
    view.caption = "Temp=" + oneDecimal(stageT) + "°C";

    if (setPoint <= 0 || !tempControlOn)
        return stageT;

    double sp = boxNumber(view.setPointText).value_or(0);
    if (sp > 37) {
        view.setPointText = "37";
        sp = 37;
    } else if (sp < 20) {
        view.setPointText = "20";
        sp = 20;
    }
    const double e = stageT - sp;

    if (outOfRange(checkT)) {
        view.caption = "OUTSPEC![" + QString::number(std::nearbyint(stageT), 'f', 0) + "°C]";
        view.lamp = kLampOutOfRange;
        view.boxTicked = false;
        tempBoxChanged(false, {}, {});
        link_.peltierOff();
        if (runState() > 0)
            view.caption = "OUTSPEC![" + QString::number(std::nearbyint(stageT), 'f', 0) + "°C]";
    } else {
        const PeltierChoice c = choosePeltier(e, stableCount, runState());
        const auto off = [&] {
            stableCount = 0;
            link_.peltierOff();
            heatingActive = coolingActive = false;
        };
        switch (c.action) {
        case PeltierAction::Heat:
            link_.peltierHeat(c.power);
            heatingActive = true;
            coolingActive = false;
            break;
        case PeltierAction::Cool:
            link_.peltierCool(c.power);
            coolingActive = true;
            heatingActive = false;
            break;
        case PeltierAction::HoldHeat:
            if (heatingActive) {
                link_.peltierHeat(c.power);
                coolingActive = false;
            } else {
                off();
            }
            break;
        case PeltierAction::HoldCool:
            if (coolingActive) {
                link_.peltierCool(c.power);
                heatingActive = false;
            } else {
                off();
            }
            break;
        }
        setLamp();
    }

    if (std::abs(stableReference - stageT) >= 0.8) {
        stableReference = stageT;
        stableCount = 0;
    } else if (stableCount < 100) {
        stableCount += runState() == 1 ? 3 : 1;
    }
    return stageT;
}

void TemperatureControl::setLamp()
{
    view.lamp = heatingActive ? kLampHeating : coolingActive ? kLampCooling : kLampHolding;
}

void TemperatureControl::switchOff()
{
    view.boxTicked = false;
    view.timerEnabled = false;
    tempControlOn = false;
    view.caption = "Temperature";
    link_.peltierOff();
    clock_.sleepMs(kCommandGapMs);
    link_.fanLevel(kFanIdle);
    view.lamp = kLampOff;
    view.addClrVisible = true;
}

void TemperatureControl::loadCycleItem(int index)
{
    view.cycleSelected = index;
    const auto parts = splitCycleItem(view.cycleItems.value(index));
    if (!parts)
        return; // an item without ";" leaves the set-point as it was
    view.cycleTempText = parts->first;
    view.cycleMinutesText = parts->second;
    view.setPointText = view.cycleTempText;
}

void TemperatureControl::tempBoxChanged(bool ticked, const std::function<bool(const QString&)>& ask,
                                        const std::function<void(const QString&)>& tell)
{
    view.boxTicked = ticked;
    regulationRestart = true;
    stableCount = 0;
    heatingActive = coolingActive = false;

    if (runState() > 0) {
        view.timerEnabled = false;
        tempControlOn = ticked;
        if (!ticked)
            view.lamp = kLampOff;
        return;
    }
    if (!ticked) {
        switchOff();
        return;
    }
    const auto declined = [&] {
        switchOff();
        link_.fanLevel(kFanIdle);
        clock_.sleepMs(kCommandGapMs);
        link_.peltierOff();
    };
    if (view.cycleMenuChecked) {
        if (!ask || !ask("Start temperature cycle?")) {
            declined();
            view.cycleMenuChecked = false;
            return;
        }
        cycleStepStart = clock_.now();
        if (view.cycleItems.isEmpty()) {
            if (tell)
                tell("Temperature cycles not defined");
            view.addClrVisible = true;
            return;
        }
        cycleStepIndex = 0;
        loadCycleItem(0);
        tempControlOn = true;
        link_.fanLevel(kFanFull);
        view.addClrVisible = false;
        view.timerEnabled = true;
        return;
    }
    if (!ask || !ask("pre-heat/pre-cool to " + view.setPointText + "?")) {
        declined();
        return;
    }
    tempControlOn = true;
    link_.fanLevel(kFanFull);
    view.timerEnabled = true;
}

bool TemperatureControl::settleAfterRun()
{
    regulationRestart = true;
    stableCount = 0;
    if (view.boxTicked && tempControlOn) {
        view.timerEnabled = true;
        return true;
    }
    // Nothing regulates from here: no drive power may stay on.
    view.boxTicked = false;
    tempControlOn = false;
    view.timerEnabled = false;
    view.caption = "Temperature";
    view.lamp = kLampOff;
    link_.peltierOff();
    return false;
}

void TemperatureControl::setPointChosen()
{
    regulationRestart = true;
    stableCount = 0;
}

void TemperatureControl::addCycleItem()
{
    view.cycleItems.append("T" + view.cycleTempText + ";" + view.cycleMinutesText);
}

void TemperatureControl::clearCycle()
{
    view.cycleItems.clear();
    view.cycleSelected = -1;
}

void TemperatureControl::toggleCycleMenu()
{
    view.cycleMenuChecked = !view.cycleMenuChecked;
}

bool TemperatureControl::Timer3Tick(PulseState& pulse, const LightBoxes& light)
{
    bool regulate = true;
    if (view.cycleMenuChecked && tempControlOn && !view.cycleItems.isEmpty()) {
        view.cycleSelected = cycleStepIndex;
        const auto minutesOf = [&](int index) {
            const auto parts = splitCycleItem(view.cycleItems.value(index));
            return parts ? boxInteger(parts->second).value_or(0) : 0;
        };
        int m = minutesOf(cycleStepIndex);
        const double elapsed = static_cast<double>(cycleStepStart.msecsTo(clock_.now())) / 60000.0;
        if (elapsed > m && cycleStepIndex + 1 < view.cycleItems.size()) {
            ++cycleStepIndex;
            loadCycleItem(cycleStepIndex);
            m = minutesOf(cycleStepIndex);
            cycleStepStart = clock_.now();
            view.cycleMinutesText = QString::number(m);
        } else if (elapsed > m) {
            switchOff();
            regulate = false;
        } else {
            view.cycleMinutesText = QString::number(m - elapsed, 'f', 1);
        }
    }

    if (regulate && tempControlOn) {
        // A box that holds no number skips only the regulation of this tick.
        if (const std::optional<int> sp = boxInteger(view.setPointText)) {
            view.status = "Setting Temp = " + QString::number(*sp) + "[" +
                          clock_.now().time().toString("hh:mm:ss") + "]";
            clock_.processEvents();
            clock_.sleepMs(kWaitBeforeStepMs);
            RegulateTemperature(*sp);
        }
    }

    CountDownPulse(pulse, light, link_);

    if (!tempControlOn && !pulse.pulseOn)
        view.timerEnabled = false;
    return view.timerEnabled;
}
