#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Clock;
class RunPhase;
class TemperatureLink;
struct PulseState;
struct LightBoxes;

// What the temperature panel shows; the panel copies it into its controls.
struct TemperatureView {
    QString caption = "Temperature";    // chk_temp
    bool boxTicked = false;             // chk_temp
    QColor lamp = QColor(255, 255, 255); // Shape_temp
    QString sensorText;                 // Txt_sensortemp
    QString currentText;                // txt_current
    QString setPointText = "20";        // txttemp
    bool addClrVisible = true;          // cmd_add_tcycle, cmd_clr_tcycle
    bool timerEnabled = false;          // Timer3
    bool cycleMenuChecked = false;      // mn_tcycle, also shows Frame_tcycle
    QStringList cycleItems;             // List_temp_cycle
    int cycleSelected = -1;
    QString cycleTempText = "20";       // txt_tcycle
    QString cycleMinutesText = "60";    // txt_tcycle_min
    QString status;                     // txt_status
};

inline const QColor kLampHeating{255, 0, 0};
inline const QColor kLampCooling{0, 0, 255};
inline const QColor kLampHolding{255, 255, 0};
inline const QColor kLampOutOfRange{0, 0, 0};
inline const QColor kLampOff{255, 255, 255};

struct StageCalibration {
    double slope = 1;  // formTempSlope
    double offset = 0; // formTempOffset
};

// The stage's closed loop, the temperature cycle and the one-second timer.
class TemperatureControl {
public:
    // `phase` is the window's run phase: the step regulates as during a run only while it runs.
    TemperatureControl(TemperatureLink& link, Clock& clock, const RunPhase& phase);

    TemperatureView view;
    bool analogController = false;
    int hardwareGeneration = 1;
    StageCalibration calibration;
    double lastTemperature = 0; // the reading of the last temperature command's reply

    bool tempControlOn = false;
    bool regulationRestart = false;
    int stableCount = 0;
    double stableReference = 0;
    bool heatingActive = false;
    bool coolingActive = false;
    int cycleStepIndex = 0;
    QDateTime cycleStepStart;

    // Returns the stage temperature (or the unusable reading).
    double RegulateTemperature(int setPoint);

    // chk_temp_Click after the box changed to `ticked`; ask poses a Yes/No question.
    void tempBoxChanged(bool ticked, const std::function<bool(const QString&)>& ask,
                        const std::function<void(const QString&)>& tell);
    void setPointChosen();                 // txttemp_Click
    void addCycleItem();                   // cmd_add_tcycle_Click
    void clearCycle();                     // cmd_clr_tcycle_Click
    void toggleCycleMenu();                // mn_tcycle_Click

    // A run ended by itself. With the box ticked and control on, the stage goes
    // on being regulated as by a confirmed pre-heat (Timer3, from a fresh
    // reading); otherwise it is switched off and the box shows "Temperature",
    // as a stop leaves it. Gives whether control goes on. Sends no fan level.
    bool settleAfterRun();

    // Timer3_Timer; returns whether the timer stays armed.
    bool Timer3Tick(PulseState& pulse, const LightBoxes& light);

    // Targets sent with a read.
    static int targetCode(int setPoint, bool analog);

private:
    void switchOff();
    void loadCycleItem(int index);
    void setLamp();

    int runState() const;

    TemperatureLink& link_;
    Clock& clock_;
    const RunPhase& phase_;
};
