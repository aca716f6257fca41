#pragma once

#include "core/Globals.h"
#include "reporting/ReportChoices.h"
#include "reporting/ReportPanelActions.h"
#include "reporting/ReportPanelState.h"

#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The report panel: how the report of a recorded run (or a joint table) is
// made. Its shown configuration is `state`; the run it reports comes from the window.
class Frm_report : public QFrame {
public:
    Frm_report(ReportServices services, QWidget* parent = nullptr);

    // Fills the lists once, when the window loads.
    void fillLists(const QString& listSeparator = GetListSeparator());
    // Shows `state` in the controls (after a plain function changed it).
    void showState();
    // The controls' choices at this moment.
    ReportChoices choices() const;

    // The run "Generate" reports; set by the window.
    std::function<std::optional<ReportRun>()> currentRun;
    QString* runFolder = nullptr; // the window's runFolder, read by the blank check
    const int* serialNumber = nullptr; // the attached instrument's, when no run is given

    void cmdreport_Click(const QString& plateFormatText, const WellGroupTable& groups);
    void chk_blank_Click();
    void Cmd_closereport_Click();
    void cmd_generatereport_Click();

    ReportPanelState state;
    WellGroupTable reportGroups; // reportWellGroup / reportGroupName

    QLabel* lbl_reportexport = nullptr;
    std::array<QRadioButton*, 4> Option_output{};
    QLabel* label_binsize = nullptr;
    QComboBox* Combo_reportbin = nullptr;
    QComboBox* Combo_reportfile = nullptr;
    QComboBox* Combo_reportdivider = nullptr;
    QCheckBox* chk_noise = nullptr;
    QCheckBox* chk_blank = nullptr;
    QLabel* lblintref = nullptr;
    QComboBox* combo_intref = nullptr;
    QLineEdit* txt_welltype = nullptr;
    QPushButton* cmd_generatereport = nullptr;
    QPushButton* Cmd_closereport = nullptr;

private:
    ReportServices services_;
};
