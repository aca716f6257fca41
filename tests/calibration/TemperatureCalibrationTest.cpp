#include "calibration/TemperatureCalibration.h"
#include "calibration/TemperatureFit.h"
#include "core/Globals.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct FitCase {
    const char* name;
    double r1, t1, r2, t2, present;
    bool inRange;
    QStringList message;
};

// Lines through (20, t20) and (37, t37) give DELTA20 = 18.3 - t20 and DELTA37 = 47.744 - t37.
TEST(TemperatureFit, LineChecksAndMessages)
{
    const FitCase cases[] = {
        {"worked example", 20, 20, 32, 38, 32, true,
         {"Parameters:", "[m=1.50];[b=-10.00]", "DELTA20=-1.70", "DELTA37=2.24"}},
        {"too steep at 37", 20, 20, 32, 32, 32, false,
         {"Temperature Calibration Out of Range!", " Verify measurement values", "DELTA20=-1.7", "DELTA37=10.74"}},
        {"on the default line", 20, 18.3, 30, 35.62, 25, true,
         {"Parameters:", "[m=1.73];[b=-16.34]", "DELTA20=0.00", "DELTA37=0.00"}},
        {"DELTA20 of -5.5 is past what the loader keeps", 20, 23.8, 37, 47.744, 20, false,
         {"Temperature Calibration Out of Range!", " Verify measurement values", "DELTA20=-5.5", "DELTA37=0"}},
        {"DELTA20 of -4.9 is kept", 20, 23.2, 37, 47.744, 20, true,
         {"Parameters:", "[m=1.44];[b=-5.68]", "DELTA20=-4.90", "DELTA37=0.00"}},
        // Fitted -4.996, but the two-decimal factors that would be stored read -5.03 at 20.
        {"stored factors past the loader's limit", 20, 23.296, 37, 47.744, 20, false,
         {"Temperature Calibration Out of Range!", " Verify measurement values", "DELTA20=-5", "DELTA37=0"}},
        // m 1.5, b -10 against the default line: apart by 0.232 R - 6.34.
        {"present value 87 is 13.84 off", 20, 20, 32, 38, 87, true,
         {"Parameters:", "[m=1.50];[b=-10.00]", "DELTA20=-1.70", "DELTA37=2.24"}},
        {"present value 100 is 16.86 off", 20, 20, 32, 38, 100, false,
         {"Temperature Calibration Out of Range!", " Verify measurement values", "DELTA20=-1.7", "DELTA37=2.24"}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fit = FitTemperatureCalibration(c.r1, c.t1, c.r2, c.t2, c.present);
        ASSERT_TRUE(fit.has_value());
        EXPECT_EQ(fit->inRange, c.inRange);
        EXPECT_EQ(temperatureFitMessage(*fit), c.message);
    }
    EXPECT_FALSE(FitTemperatureCalibration(25, 20, 25, 30, 25).has_value()) << "equal sensor values give no line";
}

class TemperatureCalibrationPanel : public ::testing::Test {
protected:
    TemperatureCalibrationPanel() { globals.portOpen = true; }

    void openAt(double storedOffset, double storedSlope)
    {
        globals.tempOffset = storedOffset;
        globals.tempSlope = storedSlope;
        inForce = {storedOffset, storedSlope};
        ASSERT_TRUE(cal.open(0));
    }

    QByteArray factorFile() const
    {
        QFile f(program.path("config_SN57/tempfactor.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempProgramFolder program;
    Globals globals = [] {
        Globals g;
        g.serialNumber = 57;
        return g;
    }();
    TempCalibration inForce{-12, 1.6};
    RecordingConsole console;
    ScriptedPrompts prompts;
    TemperatureCalibration cal{globals, program.folder(), inForce, console, prompts};
};

TEST_F(TemperatureCalibrationPanel, RefusedOfflineAndDuringARunWithTheFactorsUntouched)
{
    globals.portOpen = false;
    EXPECT_FALSE(cal.open(0));
    EXPECT_EQ(prompts.messages, QStringList{"Operation not possible in OFFLINE Mode"});

    globals.portOpen = true;
    EXPECT_FALSE(cal.open(1));
    EXPECT_EQ(console.status(), "Temperature Calibration not possible in playMode");
    EXPECT_EQ(inForce, (TempCalibration{-12, 1.6}));
    EXPECT_FALSE(cal.view.visible);

    globals.portOpen = false;
    globals.dummyMode = 1;
    EXPECT_TRUE(cal.open(0)) << "dummy mode needs no port";
}

TEST_F(TemperatureCalibrationPanel, OpeningCalibratesAgainstTheDefaultsFromTheFirstPoint)
{
    openAt(-12, 1.6);
    EXPECT_EQ(inForce, TempCalibration{});
    EXPECT_DOUBLE_EQ(globals.tempOffset, -16.34);
    EXPECT_DOUBLE_EQ(globals.tempSlope, 1.732);
    EXPECT_TRUE(cal.view.visible);
    EXPECT_TRUE(cal.view.temp1Enabled);
    EXPECT_FALSE(cal.view.temp2Enabled);
    EXPECT_FALSE(cal.view.saveEnabled);
}

TEST_F(TemperatureCalibrationPanel, FirstReferenceBounds)
{
    struct Row {
        const char* typed;
        bool taken;
    } rows[] = {{"15", true}, {"40", true}, {"14.9", false}, {"40.1", false}, {"abc", false}, {"20,5", true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        prompts.messages.clear();
        openAt(-16.34, 1.732);
        cal.view.temp1Text = r.typed;
        cal.setTemp1("22.5", 25);
        EXPECT_EQ(cal.view.temp2Enabled, r.taken);
        EXPECT_EQ(cal.view.temp1Enabled, !r.taken);
        if (!r.taken) {
            EXPECT_EQ(prompts.messages, QStringList{"Please, Write a valid number (15 to 40)"});
            EXPECT_EQ(cal.view.temp1Text, "22");
        } else {
            EXPECT_TRUE(prompts.messages.isEmpty());
        }
    }
}

TEST_F(TemperatureCalibrationPanel, SecondReferenceBoundsAndSpread)
{
    struct Row {
        const char* t1;
        const char* t2;
        const char* refusal; // nullptr: a fit was made
        const char* t2After;
    } rows[] = {
        {"20", "8", nullptr, "8"},
        {"20", "51", nullptr, "51"},
        {"20", "7.9", "Valid Values between8-51°C", "35"},
        {"20", "51.1", "Valid Values between8-51°C", "35"},
        {"20", "25", nullptr, "25"},
        {"20", "24.9", "Difference between temperatures must be >5 degrees", "24.9"},
        {"20,5", "15,5", nullptr, "15,5"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.t1) + " then " + r.t2);
        prompts.messages.clear();
        openAt(-16.34, 1.732);
        cal.view.temp1Text = r.t1;
        cal.setTemp1("22.5", 20);
        cal.view.temp2Text = r.t2;
        cal.setTemp2("30.0", 26);
        ASSERT_EQ(prompts.messages.size(), 1);
        if (r.refusal) {
            EXPECT_EQ(prompts.messages.first(), r.refusal);
            EXPECT_FALSE(cal.view.saveEnabled);
        } else {
            EXPECT_TRUE(prompts.messages.first().startsWith("Temperature Calibration Out of Range!") ||
                        prompts.messages.first().startsWith("Parameters:"));
        }
        EXPECT_EQ(cal.view.temp2Text, r.t2After);
        EXPECT_TRUE(cal.view.temp2Enabled) << "the second point can be taken again";
    }
}

TEST_F(TemperatureCalibrationPanel, NoReadingYetRefusesThePoints)
{
    openAt(-16.34, 1.732);
    cal.setTemp1("0.0", 20);
    EXPECT_EQ(prompts.messages, QStringList{"Please, Write a valid number"});
    EXPECT_TRUE(cal.view.temp1Enabled);

    cal.view.temp1Text = "20";
    cal.setTemp1("22.5", 20);
    cal.view.temp2Text = "38";
    prompts.messages.clear();
    cal.setTemp2("-1.0", 32);
    cal.setTemp2("22.5", 20); // the same sensor value as the first point
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(cal.view.saveEnabled);
    EXPECT_EQ(inForce, TempCalibration{});
}

TEST_F(TemperatureCalibrationPanel, AcceptedFitActsAtOnceAndSaveStoresItForTheNextStart)
{
    openAt(-12, 1.6);
    cal.view.temp1Text = "20";
    cal.setTemp1("18.3", 20);
    cal.view.temp2Text = "38";
    cal.setTemp2("39.1", 32);
    EXPECT_EQ(prompts.messages.last(), "Parameters:\r\n[m=1.50];[b=-10.00]\r\nDELTA20=-1.70\r\nDELTA37=2.24");
    EXPECT_EQ(inForce, (TempCalibration{-10, 1.5}));
    ASSERT_TRUE(cal.view.saveEnabled);

    ASSERT_TRUE(cal.save());
    EXPECT_FALSE(cal.view.visible);
    EXPECT_EQ(factorFile(), QByteArray("\"Temperature sensor parameters\"\r\nOFFSET=-10\r\nSLOPE=1.5\r\n"));

    Globals next;
    next.serialNumber = 57;
    RecordingConsole startConsole;
    ScriptedPrompts startPrompts;
    EXPECT_EQ(ReadTempFactor(program.folder(), next, startConsole, startPrompts), (TempCalibration{-10, 1.5}));
    EXPECT_TRUE(startPrompts.messages.isEmpty());
    EXPECT_TRUE(startConsole.status().isEmpty());
}

TEST_F(TemperatureCalibrationPanel, RejectedFitKeepsTheFactorsInForce)
{
    openAt(-16.34, 1.732);
    cal.view.temp1Text = "20";
    cal.setTemp1("18.3", 20);
    cal.view.temp2Text = "38";
    cal.setTemp2("39.1", 32); // accepted: m 1.5, b -10
    cal.view.temp2Text = "32";
    cal.setTemp2("39.1", 32); // m 1, b 0: out of range
    EXPECT_TRUE(prompts.messages.last().startsWith("Temperature Calibration Out of Range!"));
    EXPECT_FALSE(cal.view.saveEnabled);
    EXPECT_EQ(inForce, (TempCalibration{-10, 1.5}));
}

TEST_F(TemperatureCalibrationPanel, CancelAsksThenRestoresTheStoredFactors)
{
    globals.tempOffset = -15;
    globals.tempSlope = 1.7;
    ASSERT_TRUE(QDir().mkpath(program.path("config_SN57")));
    ASSERT_TRUE(WriteTempFactorFile(program.folder(), globals));
    openAt(-15, 1.7);

    prompts.answers = {PromptAnswer::No, PromptAnswer::Yes};
    EXPECT_FALSE(cal.cancel());
    EXPECT_TRUE(cal.view.visible);
    EXPECT_EQ(inForce, TempCalibration{});
    EXPECT_TRUE(cal.cancel());
    EXPECT_EQ(prompts.questions, (QStringList{"Exit without Saving changes?", "Exit without Saving changes?"}));
    EXPECT_FALSE(cal.view.visible);
    EXPECT_EQ(inForce, (TempCalibration{-15, 1.7}));
    EXPECT_DOUBLE_EQ(globals.tempOffset, -15);
}

TEST_F(TemperatureCalibrationPanel, SaveThatCannotWriteKeepsThePanelOpenAndSaysSo)
{
    QFile blocker(program.path("config_SN57"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the unit folder should be
    blocker.close();
    openAt(-16.34, 1.732);
    EXPECT_FALSE(cal.save());
    EXPECT_TRUE(cal.view.visible);
    EXPECT_TRUE(prompts.messages.last().startsWith("Could not write "));
}

} // namespace
