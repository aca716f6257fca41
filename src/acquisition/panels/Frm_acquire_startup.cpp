// The main window's start-up and closing: the instrument, the folders and files
// start-up makes and reads, every list's first contents, and the drives off at the end.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/Shutdown.h"
#include "acquisition/StartupInstall.h"
#include "acquisition/StartupLink.h"
#include "acquisition/StartupLists.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/BlankLabels.h"
#include "calibration/BlankStore.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "link/commands/TemperatureSenders.h"
#include "link/protocol/LinkContext.h"
#include "picture/PictureCanvas.h"
#include "plate/files/CamConf.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/FormatFiles.h"
#include "plate/files/TempFactorFile.h"
#include "plate/files/WellSpecFile.h"
#include "plate/geometry/CameraLayout.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/panels/Frame_select.h"
#include "projects/GroupCombo.h"
#include "projects/GroupMenuCaptions.h"
#include "projects/LastProject.h"
#include "projects/ProjectSetup.h"
#include "projects/WellGroupFile.h"
#include "projects/panels/Frame_project.h"
#include "projects/panels/frame_group.h"
#include "reporting/ReportPanelActions.h"
#include "reporting/panels/Frm_report.h"
#include "ui/DesignedPlaces.h"
#include "ui/PictureBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The flash panel's progress picture; at start-up nobody looks at it.
constexpr int kFlashProgressWidth = 160;
constexpr int kFlashProgressHeight = 24;
constexpr int kIdleFanLevel = 128;
constexpr int kReadOnlyTarget = 0;
// The part of the set mask start-up clears, as x and y.
constexpr int kMaskClearLastPixel = 191;
constexpr int kMaskClearLastLine = 143;

void fillBox(QComboBox* box, const QStringList& items, const QString& shown)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    const int index = static_cast<int>(items.indexOf(shown));
    if (index >= 0)
        box->setCurrentIndex(index);
    else
        box->setCurrentText(shown);
}

void hideNamed(QWidget* window, const char* name)
{
    // Panels that come with later work are hidden once they are there.
    if (auto* panel = window->findChild<QWidget*>(QLatin1String(name)))
        panel->hide();
}

} // namespace

bool Frm_acquire::Form_Load()
{
    // Idle, the real instrument, no light pulse or regulation.
    state.phase.apply(RunPhase::Event::Stop);
    ctx_.globals.dummyMode = 0;
    state.blankRun = false;
    pulse.pulseOn = false;
    temperature().tempControlOn = false;
    ctx_.globals.runFolder = ctx_.folder.root();

    // The main frames and the communication line stay hidden until start-up is through.
    frame_main->hide();
    frameMenu->hide();
    lblrx->hide();
    lbl_lenrx->hide();
    txt_in->hide();

    // The search for the instrument; it shows the window before its first probe.
    configBoxes.cmb_well = formatControls.cmb_well;
    // A close or a termination signal while it waits stops start-up at its next step.
    PortSearchContext search{link(), linkState, ctx_.folder, configBoxes, cameraBoxes, [this] { show(); },
                             [this] { return closing_; }};
    // A run cannot go on without its instrument: it ends as STOP ends it, once.
    startLink(search, [this] {
        if (state.phase.is(RunPhase::Phase::Running))
            StopAcquisition();
    });

    if (closing_)
        return false;

    // The program's folders, then a new instrument's calibration from its flash.
    // Closing while the flash is read closes the port: the install stops
    // unfinished and the next start reads the flash again.
    makeStartupFolders(ctx_.folder, ctx_.globals, linkState);
    PictureCanvas flashProgress(kFlashProgressWidth, kFlashProgressHeight);
    installNewInstrument(link(), ctx_.folder, linkState, flashProgress);
    if (closing_)
        return false;

    // What the search found: the status line and the instrument label.
    console_->setStatus(startupLinkStatus(ctx_.globals, linkState));
    const SerialLabel serialLabel = serialLabelFor(linkState.offlineMode, ctx_.globals.serialNumber);
    QFont labelFont = lbl_myserial->font();
    labelFont.setPointSize(serialLabel.pointSize);
    lbl_myserial->setFont(labelFont);
    lbl_myserial->setText(serialLabel.caption);
    growToText(lbl_myserial);
    lbl_myserial->show();

    // What the serial number says of the hardware.
    ctx_.globals.applySerialNumber(ctx_.globals.serialNumber);
    linkState.analogController = serialNumberBand(ctx_.globals.serialNumber).analogController;
    temperature().hardwareGeneration = ctx_.globals.hardwareGeneration;
    temperature().analogController = linkState.analogController;

    // The set-point list. Choosing the set-point resets what the regulation remembers.
    configBoxes.txttemp = setPointItems().constFirst();
    fillBox(frameMenu->txttemp, setPointItems(), configBoxes.txttemp);
    temperature().view.setPointText = configBoxes.txttemp;
    temperature().setPointChosen();

    // The internal-reference choices of the report panel.
    fillBox(reportPanel->combo_intref, internalReferenceItems(), QStringLiteral("Apply"));

    // The default project, made when missing.
    makeDefaultProject(ctx_.folder);

    // The cameras in use, as the unit's camconf.dat records them.
    state.cameraEnabled = ReadCamConf(camConfPath(ctx_.folder, ctx_.globals.serialNumber));
    showCameraFlags();

    // The project last used on this instrument.
    const QString lastProject =
        lastProjectOrDefault(ctx_.folder, ctx_.prompts, ReadLastProject(ctx_.folder, ctx_.globals.serialNumber));
    // Filling the box selects the project, which sets projectName; a box that
    // fell back to the default project keeps that one.
    state.projectName = lastProject;
    frameProject->fillProjects(lastProject);

    // The light panel stays closed.
    if (frameMenu->Frame_light)
        frameMenu->Frame_light->hide();

    // The plate format: the format box's text, or "w6" while it holds none.
    const QString shownFormat = formatControls.cmb_well.isEmpty() ? QStringLiteral("w6") : formatControls.cmb_well;
    const PlateFormat format = resolvePlateFormat(shownFormat);
    state.plateFormat = shownFormat;
    state.plateRows = format.rows;
    state.plateColumns = format.columns;
    formatControls.cmb_well = shownFormat;
    formatControls.cmb_formatplate = shownFormat;

    // The format's well table.
    ReadWellSpecFile(ctx_.folder, state.plateFormat, geometry);

    // The group column in place of the report panel.
    reportPanel->hide();
    frameGroup->show();
    Picact2->hide();

    // The blank measurement in use for the format.
    formatControls.label_blank = QStringLiteral("Using blank [") + state.plateFormat + QStringLiteral("]:");
    state.blankInUse = ReadBlankFileHeader(ctx_.folder, ctx_.globals.serialNumber, state.plateFormat);
    const BlankLabels blankLabels = ShowBlankLabels(state.blankInUse);
    formatControls.lbl_blanktime = blankLabels.lbl_blanktime;
    formatControls.lbl_blankname = blankLabels.lbl_blankname;

    // The group menu's captions for the plate's rows and columns.
    formatControls.mnopciongrup = BuildGroupMenuCaptions(state.plateRows, state.plateColumns);

    // The project's well groups.
    LoadWellGroups(ctx_.folder, state.projectName, ctx_.globals.groups);
    formatControls.combogrup = RefreshGroupCombo(ctx_.globals.groups, 0);

    // The report's time bins.
    fillBox(reportPanel->Combo_reportbin, reportBinItems(), QStringLiteral("ScanTime"));

    // The "Close" of the well calibration; the format lists emptied.
    cmd_menu->hide();
    formatControls.cmb_well_items.clear();
    formatControls.cmb_formatplate_items.clear();
    formatControls.cmb_well = state.plateFormat;
    formatControls.cmb_formatplate = state.plateFormat;

    // The shared default files, written where missing.
    WriteMissingSharedDefaults(ctx_.folder);

    // The formats offered for runs and for the well calibration.
    fillFormatLists(formatControls, state.plateFormat);
    showFormatControls();

    // The blank panel stays closed.
    hideNamed(this, "frameblank");

    // The pixel-set row and column lists.
    fillBox(frameSelect->cmb_set1, pixelSetRowItems(), pixelSetRowItems().constFirst());
    fillBox(frameSelect->cmb_set2, pixelSetColumnItems(), pixelSetColumnItems().constFirst());

    // The report's file kinds and dividers.
    fillBox(reportPanel->Combo_reportfile, reportFileItems(), reportFileItems().constFirst());
    fillBox(reportPanel->Combo_reportdivider, reportDividerItems(), GetListSeparator());

    // The stage's temperature calibration.
    const TempCalibration factors = ReadTempFactor(ctx_.folder, ctx_.globals, *console_, ctx_.prompts);
    formTempOffset = factors.offset;
    formTempSlope = factors.slope;
    temperature().calibration = StageCalibration{formTempSlope, formTempOffset};

    // The plate picture's scale; the window may paint while the rest runs.
    platePicture->Picact->canvas().setScale(0, 0, 500, 2048);
    ctx_.clock.processEvents();
    if (closing_)
        return false;

    // Every pixel-set mask cleared.
    for (int camera = 0; camera < kCameraCount; ++camera)
        for (int x = 0; x <= kMaskClearLastPixel; ++x)
            for (int y = 0; y <= kMaskClearLastLine; ++y)
                frameSelect->selection.setPixelMask.set(camera, x, y, false);

    // The column, row and well tables of the unit folder.
    ReadWellFormatFiles(ctx_.folder, ctx_.globals.serialNumber, state.plateFormat, geometry);

    // The default camera window and the run drawing's colour scale.
    cmd_default_Click();
    colourTable = BuildColourTable();

    // The window shown at its layout.
    show();
    LayoutMainWindow();
    ctx_.clock.sleepMs(1);

    // From here on the run format is the project's.
    frameProject->cmb_project_Click();

    // The live picture cleared.
    PictureCanvas& realtime = Picrealtime->canvas();
    realtime.clear();
    realtime.setScale(0, 0, 100, 100);
    Picrealtime->update();
    realtime.clear();

    // The main frames shown.
    frame_main->show();
    frameMenu->show();

    // The fan at its idle level and one reading, only with the real instrument.
    linkState.lastTemperature = 0;
    temperature().lastTemperature = 0;
    if (!linkState.offlineMode && ctx_.globals.dummyMode == 0) {
        SendFanLevel(link(), kIdleFanLevel);
        SendTemperatureTarget(link(), linkState, kReadOnlyTarget);
        temperature().lastTemperature = linkState.lastTemperature;
    }
    return !closing_;
}

void Frm_acquire::Form_Unload()
{
    if (closing_)
        return;
    closing_ = true;
    configBoxes.cmb_well = frameMenu->cmb_well->currentText();
    ShutdownContext shutdown{link(), linkState, ctx_.folder, configBoxes, cameraBoxes, state.projectName};
    shutDown(shutdown);
    // Closing the main window ends the program: no other window stays.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}
