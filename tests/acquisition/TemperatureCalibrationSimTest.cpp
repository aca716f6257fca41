#include "acquisition/temperature/CalibrationReading.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/run/RunPhase.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/TemperatureCalibration.h"
#include "link/protocol/LinkState.h"
#include "support/SimulatedLink.h"

#include <QDir>

namespace {

// A first-generation unit answers "t" with the analog controller's raw reading.
class TemperatureCalibrationSim : public SimulatedLinkTest<> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(12);
        globals.serialNumber = 12;
        globals.hardwareGeneration = 1;
        connect();
        control.hardwareGeneration = 1;
        control.analogController = true;
    }

    // The plate stands at `degrees`; one regulation step reads it.
    void stageAt(double degrees)
    {
        sim.updateState([degrees](InstrumentState& s) {
            s.stage.temperature = degrees;
            s.stage.ambient = degrees;
        });
        control.RegulateTemperature(0);
    }

    LinkState linkState;
    int pulseSecondsLeft = 0;
    SendersTemperatureLink link{ctx, linkState, pulseSecondsLeft};
    RunPhase phase;
    TemperatureControl control{link, clock, phase};
    TempCalibration inForce;
    TemperatureCalibration cal{globals, folder.folder(), inForce, console, prompts};
};

TEST_F(TemperatureCalibrationSim, PointsFromRegulationStepsTakeTheRawReadingAndTheSavedFactorsSurviveAStart)
{
    ASSERT_TRUE(QDir().mkpath(folder.path("config_SN12")));
    ASSERT_TRUE(cal.open(0));

    // The thermometer reads 1 degree above what the default factors make of the sensor.
    stageAt(25.0);
    ASSERT_EQ(control.view.sensorText, "25.0");
    ASSERT_NE(calibrationSensorValue(control), 25.0) << "the raw reading, not degrees";
    cal.view.temp1Text = "26";
    cal.setTemp1(control.view.currentText, calibrationSensorValue(control));

    stageAt(35.0);
    cal.view.temp2Text = "36";
    cal.setTemp2(control.view.currentText, calibrationSensorValue(control));
    ASSERT_TRUE(cal.view.saveEnabled) << prompts.messages.join(" | ").toStdString();
    EXPECT_TRUE(prompts.messages.last().startsWith("Parameters:\r\n[m=1.73];[b=-15.34]"))
        << prompts.messages.last().toStdString();

    // The next step shows the stage through the new factors: raw (30 + 16.34) / 1.732
    // = 26.755 reads 26.755 x 1.73 - 15.34 = 30.95, one degree up less the slope's rounding.
    control.calibration = {inForce.slope, inForce.offset};
    stageAt(30.0);
    EXPECT_EQ(control.view.currentText, "30.9");

    ASSERT_TRUE(cal.save());
    Globals next;
    next.serialNumber = 12;
    ScriptedPrompts startPrompts;
    EXPECT_EQ(ReadTempFactor(folder.folder(), next, console, startPrompts), (TempCalibration{-15.34, 1.73}));
}

} // namespace
