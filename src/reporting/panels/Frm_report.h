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
class QGroupBox;
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

    QFrame* Shape6 = nullptr; // outline of the title
    QLabel* Label40 = nullptr;
    QLabel* lbl_reportexport = nullptr; // the saved-data page's name for Label40
    std::array<QRadioButton*, 4> Option_output{};
    QCheckBox* chk_movingavrg = nullptr;
    QLineEdit* txt_welltype = nullptr;
    QLabel* label_binsize = nullptr;
    QComboBox* Combo_reportbin = nullptr;
    QLabel* Label42 = nullptr;
    QGroupBox* Frame10 = nullptr;
    QLabel* Label41 = nullptr;
    QComboBox* Combo_reportfile = nullptr;
    QLabel* Label36 = nullptr;
    QComboBox* Combo_reportdivider = nullptr;
    QLabel* lblintref = nullptr;
    QComboBox* combo_intref = nullptr;
    QFrame* Line4 = nullptr;
    QCheckBox* chk_noise = nullptr;
    QCheckBox* chk_blank = nullptr;
    QPushButton* cmd_generatereport = nullptr;
    QPushButton* Cmd_closereport = nullptr;

private:
    ReportServices services_;
};
