#pragma once

#include "acquisition/PlateFormatChoice.h"
#include "acquisition/run/RunPhase.h"

#include <QWidget>

class DoubleClickLabel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ShapeControl;

// The command column: acquisition lapse, plate format, temperature set-point and
// its lamp, the blank in use with "Read Blank", the light-pulse settings, "Start"
// and "Report". The window's layout rule places every control; the panel holds
// them and the plate format choice, and tells the window of the other commands.
class Frame_menu : public QWidget {
    Q_OBJECT
public:
    Frame_menu(FormatControls& controls, FormatChoiceHost& host, QWidget* parent = nullptr);

    QLabel* Label_acqlapse = nullptr;
    QLineEdit* txtlapse = nullptr;
    QLabel* Label_minutes = nullptr;
    QLabel* Label_microformat = nullptr;
    QComboBox* cmb_well = nullptr;
    ShapeControl* Line1 = nullptr;
    QCheckBox* chk_temp = nullptr;
    QComboBox* txttemp = nullptr;
    ShapeControl* Shape_temp = nullptr;
    QLabel* Label_grad = nullptr;
    ShapeControl* Shape8 = nullptr;
    QLabel* label_blank = nullptr;
    DoubleClickLabel* lbl_blanktime = nullptr;
    QLabel* lbl_blankname = nullptr;
    QPushButton* cmd_blank = nullptr;
    QWidget* Frame_light = nullptr; // the light-pulse settings, hidden at rest
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdreport = nullptr;

    void cmb_well_Click();
    // Its controls from the format controls' texts.
    void showFormatControls();
    // Puts the light-pulse panel in the column under its name.
    void setLightPanel(QWidget* panel);
    // The Start button's caption and the run boxes' locks as the run's phase
    // wants them; the one place they change.
    void showRunPhase(RunPhase::Phase phase);

signals:
    void cmdPlayClicked();
    void cmdreportClicked();
    void cmdBlankClicked();
    void blankTimeDoubleClicked();
    void chkTempClicked();
    void txttempClicked();

private:
    FormatControls& controls_;
    FormatChoiceHost& host_;
};
