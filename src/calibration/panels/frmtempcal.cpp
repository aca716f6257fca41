#include "calibration/panels/frmtempcal.h"

#include "calibration/TemperatureCalibration.h"
#include "ui/DesignedPlaces.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmtempcal::frmtempcal(QWidget* parent) : QGroupBox(QStringLiteral("Temperature Calibration"), parent)
{
    setObjectName(QStringLiteral("frmtempcal"));
    designedSize(this, 4935, 4695);

    lblTemperature = designed(new QLabel(QStringLiteral("Current  Temp(°C):"), this), "lblTemperature", 240, 480, 2295, 375);
    setPointSize(lblTemperature, 9.75);
    txt_current = designed(new QLineEdit(QStringLiteral("22.5"), this), "txt_current", 2640, 420, 1335, 435);
    setPointSize(txt_current, 9.75, true);
    txt_current->setReadOnly(true);

    Frame3 = designed(new QGroupBox(this), "Frame3", 120, 960, 4575, 2175);
    Label6 = designed(new QLabel(QStringLiteral("Calibration T°"), Frame3), "Label6", 240, 240, 2295, 375);
    txt_temp1 = designed(new QLineEdit(QStringLiteral("22"), Frame3), "txt_temp1", 240, 720, 1335, 495);
    setPointSize(txt_temp1, 11.25);
    cmd_sett1 = designed(new QPushButton(QStringLiteral("SET Temp1"), Frame3), "cmd_sett1", 2040, 720, 2055, 495);
    txt_temp2 = designed(new QLineEdit(QStringLiteral("35"), Frame3), "txt_temp2", 240, 1440, 1335, 495);
    setPointSize(txt_temp2, 11.25);
    cmd_set2 = designed(new QPushButton(QStringLiteral("SET Temp2"), Frame3), "cmd_set2", 2040, 1440, 2055, 495);

    Label10 = designed(new QLabel(QStringLiteral("Digital_read:"), this), "Label10", 240, 3360, 1575, 375);
    Txt_sensortemp = designed(new QLineEdit(QStringLiteral("22.5"), this), "Txt_sensortemp", 2040, 3360, 1335, 375);
    Txt_sensortemp->setReadOnly(true); // the points take the reading, not a typed text

    cmd_closetmpcal = designed(new QPushButton(QStringLiteral("Save"), this), "cmd_closetmpcal", 240, 3960, 2055, 615);
    cmd_canceltemp = designed(new QPushButton(QStringLiteral("Cancel"), this), "cmd_canceltemp", 2640, 3960, 2055, 615);
    hide(); // the temperature calibration menu shows it
}

void frmtempcal::readInto(TemperatureCalibrationView& view) const
{
    view.temp1Text = txt_temp1->text();
    view.temp2Text = txt_temp2->text();
}

void frmtempcal::showView(const TemperatureCalibrationView& view)
{
    txt_temp1->setText(view.temp1Text);
    txt_temp2->setText(view.temp2Text);
    txt_temp1->setEnabled(view.temp1Enabled);
    cmd_sett1->setEnabled(view.temp1Enabled);
    txt_temp2->setEnabled(view.temp2Enabled);
    cmd_set2->setEnabled(view.temp2Enabled);
    cmd_closetmpcal->setEnabled(view.saveEnabled);
    setVisible(view.visible);
}

void frmtempcal::showReadings(const QString& sensorText, const QString& currentText)
{
    Txt_sensortemp->setText(sensorText);
    txt_current->setText(currentText);
}
