#include "RecordingTemperatureLink.h"
#include "RunPhaseSteps.h"
#include "acquisition/temperature/LightSchedule.h"
#include "acquisition/temperature/PeltierTable.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "acquisition/temperature/TemperatureLink.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Rig {
    RecordingLink link;
    FakeClock clock;
    RunPhase phase;
    TemperatureControl control{link, clock, phase};
    Rig()
    {
        control.tempControlOn = true;
        control.view.setPointText = "30";
    }
};

TEST(PeltierTable, ErrorBandsAndColumnsIdleAndInRun)
{
    struct Case { double e; int stable; int run; PeltierAction action; int power; };
    const Case cases[] = {
        {-3.01, 0, 0, PeltierAction::Heat, 220},  {-3, 0, 0, PeltierAction::Heat, 160},
        {-1, 20, 0, PeltierAction::Heat, 200},    {-0.5, 40, 0, PeltierAction::Heat, 160},
        {-0.49, 60, 0, PeltierAction::HoldHeat, 240}, {0, 0, 0, PeltierAction::HoldHeat, 100},
        {0.5, 0, 0, PeltierAction::HoldCool, 150},  {0.51, 0, 0, PeltierAction::Cool, 150},
        {1, 59, 0, PeltierAction::Cool, 240},     {1.5, 0, 0, PeltierAction::Cool, 230},
        {3, 19, 0, PeltierAction::Cool, 235},     {3.1, 0, 0, PeltierAction::Cool, 240},
        // in a run the columns change at 10, 20 and 30 steps
        {-5, 10, 1, PeltierAction::Heat, 240},    {-5, 30, 1, PeltierAction::Heat, 245},
        {1.2, 19, 1, PeltierAction::Cool, 237},   {3.1, 29, 1, PeltierAction::Cool, 245},
    };
    for (const Case& c : cases) {
        const PeltierChoice got = choosePeltier(c.e, c.stable, c.run);
        EXPECT_EQ(got, (PeltierChoice{c.action, c.power})) << c.e << " " << c.stable << " " << c.run;
    }
}

TEST(RegulateTemperature, HeatsFromFarBelowAndRaisesPowerAfterStillSteps)
{
    Rig r;
    r.link.reading = 20;
    r.control.stableReference = 20;
    EXPECT_DOUBLE_EQ(r.control.RegulateTemperature(30), 20);
    // fresh reading at first: read with the set-point, wait 200 ms
    EXPECT_EQ(r.link.sent, (std::vector<QString>{"read 30", "heat 220"}));
    EXPECT_EQ(r.clock.elapsedMs(), 200);
    EXPECT_EQ(r.control.view.caption, "Temp=20.0°C");
    EXPECT_EQ(r.control.view.lamp, kLampHeating);
    r.control.stableCount = 20;
    r.link.sent.clear();
    r.control.RegulateTemperature(30);
    // the stored reading serves: no read; 240 asked (the sender sends 230)
    EXPECT_EQ(r.link.sent, (std::vector<QString>{"heat 240"}));
    EXPECT_EQ(r.control.stableCount, 21);
}

TEST(RegulateTemperature, TheLastCommandsReplyIsTheStoredReading)
{
    Rig r;
    r.link.reading = 20;
    r.control.RegulateTemperature(30); // a fresh read of 20; heating starts
    r.link.sent.clear();
    r.link.replied = 29.5; // the heat command's reply carried the stage's new reading
    EXPECT_DOUBLE_EQ(r.control.RegulateTemperature(30), 29.5);
    EXPECT_EQ(r.control.view.caption, "Temp=29.5°C");
    EXPECT_EQ(r.link.sent.front().left(4), "heat"); // no separate read
}

TEST(RegulateTemperature, HoldRowsDependOnLastDirection)
{
    Rig r;
    r.control.view.setPointText = "37";
    r.control.lastTemperature = 37.3;
    r.control.coolingActive = true;
    r.control.RegulateTemperature(37);
    EXPECT_EQ(r.link.sent.back(), "cool 150");
    r.control.coolingActive = false;
    r.control.heatingActive = true;
    r.control.stableCount = 5;
    r.control.stableReference = 0;
    r.control.RegulateTemperature(37);
    EXPECT_EQ(r.link.sent.back(), "off");
    EXPECT_FALSE(r.control.heatingActive);
    EXPECT_EQ(r.control.view.lamp, kLampHolding);
}

TEST(RegulateTemperature, SetPointBoxKeptWithin20And37)
{
    for (const auto& [typed, kept] : {std::pair{"40", "37"}, std::pair{"12", "20"}}) {
        Rig r;
        r.control.view.setPointText = typed;
        r.control.lastTemperature = 30;
        r.control.RegulateTemperature(30);
        EXPECT_EQ(r.control.view.setPointText, kept);
    }
}

TEST(RegulateTemperature, CheckReadingOf55SwitchesOffOutsideAndInRun)
{
    for (int run : {0, 1}) {
        Rig r;
        if (run == 1)
            bringToPhase(r.phase, RunPhase::Phase::Running);
        r.control.view.boxTicked = true;
        r.link.reading = 55;
        r.control.lastTemperature = 55; // stored reading out of range: read again at once
        r.control.RegulateTemperature(30);
        EXPECT_EQ(r.link.sent.front(), "read 30");
        EXPECT_EQ(r.link.sent.back(), "off");
        EXPECT_FALSE(r.control.tempControlOn);
        EXPECT_FALSE(r.control.view.boxTicked);
        if (run == 0) {
            EXPECT_EQ(r.control.view.caption, "Temperature");
            EXPECT_EQ(r.control.view.lamp, kLampOff);
        } else {
            EXPECT_EQ(r.control.view.caption, "OUTSPEC![55°C]");
        }
    }
}

TEST(RegulateTemperature, ReadOnlyWithSetPointZero)
{
    Rig r;
    r.control.analogController = true;
    r.link.reading = 100;
    r.control.RegulateTemperature(0);
    EXPECT_EQ(r.link.sent, (std::vector<QString>{"read 177"}));
    EXPECT_EQ(r.control.view.sensorText, "156.9");
}

TEST(TemperatureCycle, StepsAcrossTwoItemsThenSwitchesOff)
{
    Rig r;
    r.control.tempControlOn = false;
    r.control.view.cycleMenuChecked = true;
    r.control.view.cycleTempText = "25";
    r.control.view.cycleMinutesText = "30";
    r.control.addCycleItem();
    r.control.view.cycleTempText = "5";
    r.control.view.cycleMinutesText = "15";
    r.control.addCycleItem();
    r.control.view.cycleItems.insert(1, "T33"); // no ";": skipped, not fatal
    r.control.view.cycleItems.removeAt(1);
    EXPECT_EQ(r.control.view.cycleItems, (QStringList{"T25;30", "T5;15"}));
    r.control.tempBoxChanged(true, [](const QString& q) { return q == "Start temperature cycle?"; }, {});
    EXPECT_EQ(r.control.view.setPointText, "25");
    EXPECT_TRUE(r.control.view.timerEnabled);
    PulseState pulse;
    LightBoxes light;
    r.link.reading = 25;
    r.clock.advance(10 * 60000);
    ASSERT_TRUE(r.control.Timer3Tick(pulse, light));
    EXPECT_EQ(r.control.view.cycleMinutesText, "20.0");
    // each regulating tick waits 700 ms of its own
    r.clock.advance(20 * 60000 - 2000);
    r.control.Timer3Tick(pulse, light);
    EXPECT_EQ(r.control.view.cycleTempText, "25"); // not above 30 minutes yet
    r.clock.advance(2000);
    r.control.Timer3Tick(pulse, light);
    EXPECT_EQ(r.control.view.cycleTempText, "5");
    EXPECT_EQ(r.control.view.cycleSelected, 1);
    EXPECT_EQ(r.control.view.setPointText, "20"); // 5 corrected by the regulation
    r.control.Timer3Tick(pulse, light);
    EXPECT_EQ(r.control.view.cycleMinutesText, "15.0");
    r.clock.advance(16 * 60000);
    r.link.sent.clear();
    EXPECT_FALSE(r.control.Timer3Tick(pulse, light));
    EXPECT_EQ(r.link.sent, (std::vector<QString>{"off", "fan 128"}));
    EXPECT_FALSE(r.control.view.boxTicked);
}

TEST(LightSchedule, BoundariesAreInclusive)
{
    LightBoxes b;
    b.enabled = true;
    for (const auto& [t, on] : {std::pair{0.0, false}, {899.9, false}, {900.0, true},
                               {1800.0, true}, {1800.1, false}})
        EXPECT_EQ(scheduledPulseEnd(b, t).has_value(), on) << t;
    EXPECT_EQ(scheduledPulseEnd(b, 900), 1800);
    b.enabled = false;
    EXPECT_FALSE(scheduledPulseEnd(b, 1000));
}

TEST(LightSchedule, EvaluationSwitchesAndReportsPreviousPower)
{
    RecordingLink link;
    FakeClock clock;
    PulseState pulse;
    LightBoxes b;
    b.enabled = true;
    EXPECT_EQ(LightAtEvaluation(pulse, b, 100, link, clock), 0);
    EXPECT_EQ(link.sent.back(), "light 0");
    EXPECT_EQ(LightAtEvaluation(pulse, b, 900, link, clock), 0);
    EXPECT_EQ(link.sent.back(), "light 6");
    EXPECT_EQ(LightAtEvaluation(pulse, b, 1000, link, clock), 2);
    EXPECT_EQ(pulse.pulseSecondsLeft, 800);
}

TEST(LightPulse, HandPulseCountedDownEndsWithLevelZeroDespiteTextSetPoint)
{
    Rig r;
    r.control.view.setPointText = "abc";
    PulseState pulse;
    LightBoxes b; // on "15" is corrected to "10"
    EXPECT_EQ(LightButton(pulse, b, 0, 0, r.link), LightClick::Started);
    EXPECT_EQ(b.pulseOn, "10");
    EXPECT_EQ(r.link.sent.back(), "light 6");
    r.control.view.timerEnabled = true;
    for (int tick = 1; tick < 600; ++tick)
        r.control.Timer3Tick(pulse, b);
    EXPECT_TRUE(pulse.pulseOn);
    EXPECT_EQ(r.link.sent.back(), "light 6");
    // control stays on, so the timer stays armed although no tick regulates
    EXPECT_TRUE(r.control.Timer3Tick(pulse, b));
    EXPECT_EQ(r.link.sent.size(), 601u);
    EXPECT_EQ(r.link.sent.back(), "light 0");
    EXPECT_FALSE(pulse.pulseOn);
    EXPECT_EQ(lightLevelFor(0), 8);
}

} // namespace
