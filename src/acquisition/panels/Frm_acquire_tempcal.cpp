// The main window's side of the two-point temperature calibration: its menu
// command, the panel's buttons and the factors the regulation then applies.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/temperature/CalibrationReading.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/TemperatureCalibration.h"
#include "calibration/panels/frmtempcal.h"
#include "core/Console.h"

#include <QPushButton>
#include <QTimer>

void Frm_acquire::buildTemperatureCalibration()
{
    tempCalibration_ = std::make_unique<TemperatureCalibration>(ctx_.globals, ctx_.folder, tempFactors_, *console_,
                                                                ctx_.prompts);
    frmtempcal& panel = *tempCalibrationPanel;
    connect(panel.cmd_sett1, &QPushButton::clicked, this, [this] { cmd_sett1_Click(); });
    connect(panel.cmd_set2, &QPushButton::clicked, this, [this] { cmd_set2_Click(); });
    connect(panel.cmd_closetmpcal, &QPushButton::clicked, this, [this] { cmd_closetmpcal_Click(); });
    connect(panel.cmd_canceltemp, &QPushButton::clicked, this, [this] {
        if (tempCalibration_->cancel())
            applyTemperatureFactors(); // the file's factors again
        tempCalibrationPanel->showView(tempCalibration_->view);
    });
}

void Frm_acquire::applyTemperatureFactors()
{
    formTempOffset = tempFactors_.offset;
    formTempSlope = tempFactors_.slope;
    temperature_->calibration = {tempFactors_.slope, tempFactors_.offset};
}

void Frm_acquire::mncalibratetemp_Click()
{
    // The factors in force are the ones start-up read (or the last calibration saved).
    tempFactors_ = TempCalibration{formTempOffset, formTempSlope};
    const bool opened = tempCalibration_->open(state.runState);
    // The read-outs are the last regulation step's texts (empty before the first), which
    // the points are taken from, never the boxes' design texts.
    tempCalibrationPanel->showReadings(temperature_->view.sensorText, temperature_->view.currentText);
    tempCalibrationPanel->showView(tempCalibration_->view);
    if (opened) {
        applyTemperatureFactors(); // the points are taken against the default line
        tempCalibrationPanel->raise();
        temperature_->view.timerEnabled = true;
        Timer3->start();
    }
}

void Frm_acquire::cmd_sett1_Click()
{
    tempCalibrationPanel->readInto(tempCalibration_->view);
    tempCalibration_->setTemp1(temperature_->view.currentText, calibrationSensorValue(*temperature_));
    tempCalibrationPanel->showView(tempCalibration_->view);
}

void Frm_acquire::cmd_set2_Click()
{
    tempCalibrationPanel->readInto(tempCalibration_->view);
    tempCalibration_->setTemp2(temperature_->view.currentText, calibrationSensorValue(*temperature_));
    tempCalibrationPanel->showView(tempCalibration_->view);
}

void Frm_acquire::cmd_closetmpcal_Click()
{
    if (tempCalibration_->save())
        applyTemperatureFactors();
    tempCalibrationPanel->showView(tempCalibration_->view);
}
