// The temperature calibration from the main window against a first-generation
// simulated instrument: the panel's readings come from the regulation, the
// saved factors are the ones the regulation then applies.
#include "RunPhaseSteps.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/panels/frmtempcal.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/SimulatedLink.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FrmAcquireTempCal : public SimulatedLinkTest<FakeClock> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(12);
        globals.applySerialNumber(12);
        ASSERT_TRUE(QDir().mkpath(folder.path("config_SN12")));
        connect();
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        window->formTempOffset = -16.34;
        window->formTempSlope = 1.732;
        window->temperature().hardwareGeneration = 1;
        window->temperature().analogController = true;
    }

    // The plate stands at `degrees`; a regulation step reads it and the timer shows it.
    void stageAt(double degrees)
    {
        sim.updateState([degrees](InstrumentState& s) {
            s.stage.temperature = degrees;
            s.stage.ambient = degrees;
        });
        window->temperature().RegulateTemperature(0);
        window->Timer3_Timer();
    }

    frmtempcal& panel() { return *window->tempCalibrationPanel; }

    FakeDesktopOpener opener;
    std::unique_ptr<Frm_acquire> window;
};

TEST_F(FrmAcquireTempCal, TwoPointsSavedBecomeTheFactorsInForce)
{
    window->mncalibratetemp_Click();
    ASSERT_FALSE(panel().isHidden());
    EXPECT_TRUE(window->Timer3->isActive());
    EXPECT_FALSE(panel().cmd_closetmpcal->isEnabled());

    stageAt(25.0);
    EXPECT_EQ(panel().txt_current->text(), window->temperature().view.currentText);
    panel().txt_temp1->setText(QStringLiteral("26"));
    panel().cmd_sett1->click();
    stageAt(35.0);
    panel().txt_temp2->setText(QStringLiteral("36"));
    panel().cmd_set2->click();
    ASSERT_TRUE(panel().cmd_closetmpcal->isEnabled()) << prompts.messages.join(" | ").toStdString();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.first().startsWith("Parameters:")) << prompts.messages.first().toStdString();
    EXPECT_TRUE(prompts.messages.first().contains("[m=1.73];[b=-15.34]")) << prompts.messages.first().toStdString();

    panel().cmd_closetmpcal->click();
    EXPECT_TRUE(panel().isHidden());
    EXPECT_DOUBLE_EQ(window->formTempSlope, 1.73);
    EXPECT_DOUBLE_EQ(window->formTempOffset, -15.34);
    EXPECT_DOUBLE_EQ(window->temperature().calibration.slope, 1.73);
    EXPECT_DOUBLE_EQ(window->temperature().calibration.offset, -15.34);
    EXPECT_TRUE(QFile::exists(folder.path("config_SN12/tempfactor.dat")));
}

// Opened before the regulation has read anything, the read-outs are empty and no point
// is taken (not the boxes' design texts); the sensor box then shows each reading.
TEST_F(FrmAcquireTempCal, ReadoutsShowTheRegulationsReadingsAndNoPointBeforeTheFirst)
{
    window->mncalibratetemp_Click();
    ASSERT_FALSE(panel().isHidden());
    EXPECT_TRUE(panel().Txt_sensortemp->isVisibleTo(&panel()));
    EXPECT_TRUE(panel().Label10->isVisibleTo(&panel()));
    EXPECT_EQ(panel().Txt_sensortemp->text(), "");
    EXPECT_EQ(panel().txt_current->text(), "");
    EXPECT_TRUE(panel().grab().save(QDir::temp().filePath(QStringLiteral("frmtempcal_opened.png"))));
    panel().cmd_sett1->click();
    EXPECT_EQ(prompts.messages, QStringList{"Please, Write a valid number"});
    EXPECT_TRUE(panel().cmd_sett1->isEnabled()) << "no first point";
    EXPECT_FALSE(panel().cmd_set2->isEnabled());

    stageAt(25.0);
    EXPECT_FALSE(window->temperature().view.sensorText.isEmpty());
    EXPECT_EQ(panel().Txt_sensortemp->text(), window->temperature().view.sensorText);
    panel().cmd_sett1->click();
    EXPECT_TRUE(panel().cmd_set2->isEnabled()) << "the first point taken from the reading";
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(FrmAcquireTempCal, RefusedDuringARunAndCancelGoesBackToTheSavedFactors)
{
    ASSERT_TRUE(writeBytes(folder.path("config_SN12/tempfactor.dat"), "\"Temperature sensor parameters\"\r\nOFFSET=-15.5\r\nSLOPE=1.7\r\n"));
    bringToPhase(window->state.phase, RunPhase::Phase::Running);
    window->mncalibratetemp_Click();
    EXPECT_TRUE(panel().isHidden());
    EXPECT_EQ(window->txt_status->text(), "Temperature Calibration not possible in playMode");

    window->state.phase.apply(RunPhase::Event::Stop);
    window->mncalibratetemp_Click();
    ASSERT_FALSE(panel().isHidden());
    EXPECT_DOUBLE_EQ(window->temperature().calibration.slope, 1.732); // points against the default line
    prompts.answers = {PromptAnswer::Yes};
    panel().cmd_canceltemp->click();
    EXPECT_EQ(prompts.questions, QStringList{"Exit without Saving changes?"});
    EXPECT_TRUE(panel().isHidden());
    EXPECT_DOUBLE_EQ(window->formTempSlope, 1.7);
    EXPECT_DOUBLE_EQ(window->temperature().calibration.offset, -15.5);
}

} // namespace
