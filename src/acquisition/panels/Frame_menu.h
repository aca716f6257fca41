#pragma once

#include "acquisition/PlateFormatChoice.h"

#include <QWidget>

class QComboBox;
class QLabel;

// The command column: the plate format box cmb_well and the blank in use
// (label_blank, lbl_blanktime, lbl_blankname). The run, temperature and light
// controls join it with their issues.
class Frame_menu : public QWidget {
    Q_OBJECT
public:
    Frame_menu(FormatControls& controls, FormatChoiceHost& host, QWidget* parent = nullptr);

    QLabel* Label_microformat = nullptr;
    QComboBox* cmb_well = nullptr;
    QLabel* label_blank = nullptr;
    QLabel* lbl_blanktime = nullptr;
    QLabel* lbl_blankname = nullptr;

    void cmb_well_Click();
    // Its controls from the format controls' texts.
    void showFormatControls();

private:
    FormatControls& controls_;
    FormatChoiceHost& host_;
};
