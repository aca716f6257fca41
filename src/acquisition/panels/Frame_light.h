#pragma once

#include "acquisition/temperature/LightSchedule.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Prompts;
class TemperatureLink;
struct LightIndicator;

// What the window holds that the light button acts on, taken at the click.
struct LightButtonContext {
    bool portOpen;
    int runState;
    double elapsedSeconds; // of the run going on
    TemperatureLink& link;
    PulseState& pulse;
    Prompts& prompts;
};

// The window supplies the context and owns Timer3, which times a hand pulse.
class LightPanelHost {
public:
    virtual ~LightPanelHost() = default;
    virtual LightButtonContext lightButtonContext() = 0;
    virtual void enableTimer3() = 0;
};

// The light-pulse settings in the command column: the hand pulse button, the
// schedule switch, the four boxes of the schedule and the light indicator.
class Frame_light : public QWidget {
    Q_OBJECT
public:
    explicit Frame_light(LightPanelHost& host, QWidget* parent = nullptr);

    QPushButton* cmd_light = nullptr;
    QCheckBox* Chk_lenabled = nullptr;
    QFrame* Shape_light = nullptr;
    QLineEdit* txt_pulseoff = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txt_pulseon = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txt_pulsetimes = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txt_power = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* Shape4 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label4 = nullptr;

    void cmd_light_Click();

    // The boxes as typed, and the boxes written back (the button's corrections).
    LightBoxes lightBoxes() const;
    void showLightBoxes(const LightBoxes& boxes);
    // Chk_lenabled's caption and Shape_light's fill for the last level sent.
    void showLightIndicator(const LightIndicator& indicator);

private:
    LightPanelHost& host_;
};
