#include "calibration/TemperatureCalibration.h"
#include "calibration/panels/frmtempcal.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The panel's captions, the typed texts reaching the steps, and the enable states coming back.
TEST(TemperatureCalibrationWidget, CaptionsTextsAndStates)
{
    frmtempcal panel;
    EXPECT_EQ(panel.title(), "Temperature Calibration");
    EXPECT_EQ(panel.lblTemperature->text(), "Current  Temp(°C):");
    EXPECT_EQ(panel.Label6->text(), "Calibration T°");
    EXPECT_EQ(panel.Label10->text(), "Digital_read:");
    EXPECT_EQ(panel.cmd_sett1->text(), "SET Temp1");
    EXPECT_EQ(panel.cmd_set2->text(), "SET Temp2");
    EXPECT_EQ(panel.cmd_closetmpcal->text(), "Save");
    EXPECT_EQ(panel.cmd_canceltemp->text(), "Cancel");
    EXPECT_TRUE(panel.isHidden());
    EXPECT_FALSE(panel.Txt_sensortemp->isHidden()) << "the sensor reading is shown with the panel";
    EXPECT_FALSE(panel.Label10->isHidden());
    EXPECT_TRUE(panel.Txt_sensortemp->isReadOnly());

    TemperatureCalibrationView view;
    panel.txt_temp1->setText("21,5");
    panel.readInto(view);
    EXPECT_EQ(view.temp1Text, "21,5");
    EXPECT_EQ(view.temp2Text, "35");

    view.visible = true;
    view.temp1Enabled = false;
    view.temp2Enabled = true;
    view.saveEnabled = true;
    view.temp2Text = "35";
    panel.showView(view);
    panel.showReadings("24.1", "25.3");
    EXPECT_FALSE(panel.isHidden());
    EXPECT_FALSE(panel.cmd_sett1->isEnabled());
    EXPECT_FALSE(panel.txt_temp1->isEnabled());
    EXPECT_TRUE(panel.cmd_set2->isEnabled());
    EXPECT_TRUE(panel.cmd_closetmpcal->isEnabled());
    EXPECT_EQ(panel.txt_current->text(), "25.3");
    EXPECT_EQ(panel.Txt_sensortemp->text(), "24.1");
    EXPECT_TRUE(panel.grab().save(QDir::temp().filePath(QStringLiteral("frmtempcal.png"))));
}

} // namespace
