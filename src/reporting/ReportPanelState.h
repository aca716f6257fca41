#pragma once

#include <QString>
#include <QStringList>
#include <array>

// What the report panel Frm_report shows and which of its controls are
// enabled, with the joint-report state the window keeps beside it. A window
// binds its panel's controls to this struct, so the panel's configurations are
// set by plain functions.
struct ReportPanelState {
    bool visible = false;                          // Frm_report
    QString title = QStringLiteral("Report:");     // lbl_reportexport
    int selectedOutput = 0;                        // Option_output: Rows, Array, MapPlot, .bmp
    std::array<bool, 4> outputEnabled{true, true, true, true};
    bool intRefEnabled = true;                     // combo_intref
    int intRefIndex = 1;                           // "No", "Apply", "Update"
    bool blankEnabled = true;                      // chk_blank
    QStringList binItems{QStringLiteral("ScanTime"), QStringLiteral("15"),  QStringLiteral("30"),
                         QStringLiteral("60"),       QStringLiteral("120"), QStringLiteral("240"),
                         QStringLiteral("480"),      QStringLiteral("1440")}; // Combo_reportbin
    QString binText = QStringLiteral("ScanTime");
    QString binsizeCaption = QStringLiteral("Binsize");    // label_binsize
    QString generateCaption = QStringLiteral("Generate");  // cmd_generatereport

    bool jointReportMode = false;
    QString jointFileName; // the joint table's name in reports/default_project
};
