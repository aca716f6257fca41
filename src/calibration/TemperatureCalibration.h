#pragma once

#include "calibration/CalibrationMessages.h"
#include "plate/files/TempFactorFile.h"

#include <QString>

class Console;
class Prompts;
class ProgramFolder;
struct Globals;

// What the temperature calibration panel (frmtempcal) shows.
struct TemperatureCalibrationView {
    bool visible = false;
    QString temp1Text = QStringLiteral("22"); // txt_temp1
    QString temp2Text = QStringLiteral("35"); // txt_temp2
    bool temp1Enabled = true;                 // txt_temp1, cmd_sett1
    bool temp2Enabled = false;                // txt_temp2, cmd_set2
    bool saveEnabled = false;                 // cmd_closetmpcal
};

inline const QString kTempCalibrationInRun = QStringLiteral("Temperature Calibration not possible in playMode");

// The two-point calibration of the stage's temperature sensor, as the panel's
// buttons drive it. `inForce` is the main window's copy of the factors that the
// regulation step applies (formTempOffset, formTempSlope).
class TemperatureCalibration {
public:
    TemperatureCalibration(Globals& globals, const ProgramFolder& folder, TempCalibration& inForce, Console& console,
                           Prompts& prompts);

    TemperatureCalibrationView view;

    // mncalibratetemp_Click; true when the panel opened (the temperature timer is then enabled).
    bool open(int runState);
    // cmd_sett1_Click / cmd_set2_Click with the texts the regulation step wrote
    // and the sensor value it read (the scale the default factors act on).
    void setTemp1(const QString& currentText, double sensorValue);
    void setTemp2(const QString& currentText, double sensorValue);
    // cmd_closetmpcal_Click; false when tempfactor.dat could not be written (the panel stays open).
    bool save();
    // cmd_canceltemp_Click; true when the panel closed.
    bool cancel();

private:
    Globals& globals_;
    const ProgramFolder& folder_;
    TempCalibration& inForce_;
    Console& console_;
    Prompts& prompts_;
    double r1_ = 0;
    double t1_ = 0;
};
