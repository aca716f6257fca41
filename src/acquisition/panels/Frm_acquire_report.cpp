// The report panel's place on the main window, kept apart from the layout.
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "reporting/panels/Frm_report.h"

#include <QComboBox>

QWidget* Frm_acquire::buildReportPanel(QWidget* parent)
{
    reportPanel = new Frm_report({ctx_.folder, ctx_.clock, ctx_.prompts, ctx_.opener, ctx_.mapPlot}, parent);
    reportPanel->runFolder = &ctx_.globals.runFolder;
    reportPanel->serialNumber = &ctx_.globals.serialNumber;
    reportPanel->fillLists();
    return reportPanel;
}

void Frm_acquire::cmdreport_Click()
{
    reportPanel->cmdreport_Click(frameMenu->cmb_well->currentText(), ctx_.globals.groups);
}
