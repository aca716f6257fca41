#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
struct TemperatureCalibrationView;

// "Temperature Calibration": the two reference points, the read-outs the
// regulation step writes, Save and Cancel. The window wires the buttons to
// TemperatureCalibration and copies its view in with show().
class frmtempcal : public QGroupBox {
    Q_OBJECT
public:
    explicit frmtempcal(QWidget* parent = nullptr);

    QLabel* lblTemperature = nullptr;
    QLineEdit* txt_current = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txt_temp1 = nullptr;
    QPushButton* cmd_sett1 = nullptr;
    QLineEdit* txt_temp2 = nullptr;
    QPushButton* cmd_set2 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Txt_sensortemp = nullptr;
    QPushButton* cmd_closetmpcal = nullptr;
    QPushButton* cmd_canceltemp = nullptr;

    // The typed reference temperatures go into the view before a button acts on it.
    void readInto(TemperatureCalibrationView& view) const;
    void showView(const TemperatureCalibrationView& view);
    // What the regulation step wrote.
    void showReadings(const QString& sensorText, const QString& currentText);
};
