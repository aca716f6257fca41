// The main window's side of projects and groups: the group panel and what the
// project commands work on.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/PlatePicturePanel.h"
#include "calibration/BlankLabels.h"
#include "calibration/BlankStore.h"
#include "core/PageOpener.h"
#include "projects/ProjectSetup.h"
#include "projects/panels/Frame_project.h"
#include "projects/panels/frame_group.h"

QWidget* Frm_acquire::buildGroupPanel(QWidget* parent)
{
    frameGroup = new frame_group(parent);
    frameProject = new Frame_project(*this, frameGroup);
    frameGroup->setProjectPanel(frameProject);
    connect(frameGroup, &frame_group::loadRecordingClicked, this, [this] {
        if (ctx_.pages)
            ctx_.pages->openSavedDataPage(QString());
    });
    return frameGroup;
}

ProjectContext Frm_acquire::projectContext()
{
    return ProjectContext{ctx_.folder,
                          ctx_.prompts,
                          ctx_.clock,
                          ctx_.globals.serialNumber,
                          ctx_.globals.groups,
                          ProjectSetupBoxes{configBoxes.txtlapse, formatControls.cmb_well, configBoxes.txttemp},
                          state.projectName,
                          state.blankRun,
                          state.plateFormat,
                          state.plateRows,
                          state.plateColumns,
                          geometry,
                          [this](const PlateFormat& format) { platePicture->DrawPlateLayout(format); },
                          [this](int well) { platePicture->DrawWellGroupOverlay(well); }};
}

void Frm_acquire::projectChosen(const ProjectSelection& selection)
{
    formatControls.cmb_well_index = static_cast<int>(formatControls.cmb_well_items.indexOf(formatControls.cmb_well));
    if (selection.cmb_formatplate)
        formatControls.cmb_formatplate = *selection.cmb_formatplate;
    if (selection.mnopciongrup)
        formatControls.mnopciongrup = *selection.mnopciongrup;
    formatControls.combogrup = selection.combogrup;
    formatControls.label_blank = QStringLiteral("Using blank [") + state.plateFormat + QStringLiteral("]:");
    state.blankInUse = ReadBlankFileHeader(ctx_.folder, ctx_.globals.serialNumber, state.plateFormat);
    const BlankLabels labels = ShowBlankLabels(state.blankInUse);
    formatControls.lbl_blanktime = labels.lbl_blanktime;
    formatControls.lbl_blankname = labels.lbl_blankname;
    showFormatControls();
}

void Frm_acquire::groupListChanged(const GroupComboList& list)
{
    formatControls.combogrup = list;
    frameProject->showGroupList(list);
}
