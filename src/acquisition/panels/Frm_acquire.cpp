#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "acquisition/run/RunLoop.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/TemperatureCalibration.h"
#include "calibration/CameraWindowButton.h"
#include "calibration/panels/Frame_calibration.h"
#include "core/Console.h"
#include "flash/PixelMaskUpload.h"
#include "link/port/ModCOMM.h"
#include "calibration/WellPositionCalibration.h"
#include "link/protocol/LinkContext.h"
#include "plate/geometry/CameraLayout.h"
#include "plate/panels/Frame_select.h"
#include "plate/pixelsets/PixelSetSelection.h"
#include "projects/panels/Frame_project.h"
#include "ui/PictureBox.h"
#include "ui/ProgramScreen.h"
#include "ui/WidgetConsole.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The window's first size, before start-up or the user changes it: 12000 x 9000 twips.
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;

} // namespace

Frm_acquire::Frm_acquire(AppContext context, QWidget* parent)
    : QMainWindow(parent), ctx_(std::move(context))
{
    setObjectName(QStringLiteral("Frm_acquire"));
    setWindowTitle(QStringLiteral("Acquisition Page"));
    // Every control without a size of its own is drawn at 8.25 pt sans-serif.
    setFont(programSansFont());

    // No layout manager: the layout rule places every control by name.
    QWidget* central = buildWindowLevel();
    console_ = std::make_unique<WidgetConsole>(txt_status, txt_in, lbl_lenrx);
    temperatureLink_ = std::make_unique<SendersTemperatureLink>(link(), linkState, pulse.pulseSecondsLeft);
    temperature_ = std::make_unique<TemperatureControl>(*temperatureLink_, ctx_.clock, state.phase);
    buildMainArea(central);

    // Command column, and the well calibration column with "Close" in its place.
    frameMenu = new Frame_menu(formatControls, *this, central);
    buildWellCalibration(central);
    frameCalibration = new Frame_calibration(central);
    frameCalibration->hide();
    connect(frameMenu, &Frame_menu::cmdreportClicked, this, &Frm_acquire::cmdreport_Click);
    // The boxes config.txt and pjsetup.dat keep are the ones on screen.
    connect(frameMenu->txtlapse, &QLineEdit::textEdited, this, [this](const QString& text) { configBoxes.txtlapse = text; });
    connect(frameMenu->txttemp, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { configBoxes.txttemp = text; });

    platePicture->currentGroup = [this] { return frameProject->currentGroup(); };
    connect(platePicture, &PlatePicturePanel::plateSizeDrawn, frameCalibration, &Frame_calibration::showPlateSize);
    connect(platePicture, &PlatePicturePanel::groupListChanged, this, [this](const GroupComboList& list) {
        formatControls.combogrup = list;
        frameProject->showGroupList(list);
    });

    fillFormatLists(formatControls, state.plateFormat);
    showFormatControls();

    framePicture = std::make_unique<FramePicture>(platePicture->Picact->canvas(), cameraBoxes, frameImage);
    // The masks live as long as the window; nothing changes the files behind its back.
    LoadFlashPixelMasks(cameraPixelMask, ctx_.folder);
    frameSelect = new Frame_select(FrameSelectContext{ctx_.folder, ctx_.prompts, *console_, frameImage,
                                                      cameraBoxes.txt_cam, platePicture->Picact,
                                                      [this](PixelMask& mask) { sendAppliedMask(mask); },
                                                      ctx_.globals.flashBusy,
                                                      [this] { return framePicture->showsFrame(); }},
                                   central);
    frameSelect->hide();

    lbl_lenrx->raise();
    txt_in->raise();
    buildHiddenPanels(central);
    buildRunControls();
    buildTemperatureControls(central);
    buildTemperatureCalibration();
    setCentralWidget(central);
    buildMenus();
    resize(kDesignWidth, kDesignHeight);
    LayoutMainWindow();
    buildBlankControls();
}

Frm_acquire::~Frm_acquire()
{
    ctx_.comm.setPortLostHandler({}); // it shows in this window's status line
}

LinkContext& Frm_acquire::link()
{
    if (!link_)
        link_ = std::make_unique<LinkContext>(LinkContext{ctx_.globals, ctx_.comm, ctx_.clock, *console_, ctx_.prompts});
    return *link_;
}

void Frm_acquire::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

FormatChoiceContext Frm_acquire::formatChoiceContext()
{
    // The calibration column's plate box is read at the moment of the choice.
    formatControls.cmb_formatplate = frameCalibration->cmb_formatplate->currentText();
    return FormatChoiceContext{ctx_.globals, ctx_.folder, ctx_.prompts, state, geometry,
                               [this](const PlateFormat& format) { platePicture->DrawPlateLayout(format); },
                               [this](int well) { platePicture->DrawWellGroupOverlay(well); }};
}

void Frm_acquire::showFormatControls()
{
    frameMenu->showFormatControls();
    frameMenu->txtlapse->setText(configBoxes.txtlapse);
    frameMenu->txttemp->setEditText(configBoxes.txttemp);
    frameCalibration->showFormatBox(formatControls.cmb_formatplate_items, formatControls.cmb_formatplate);
    frameProject->showGroupList(formatControls.combogrup);
    frameProject->showGroupMenu(formatControls.mnopciongrup);
}

FrameWindow Frm_acquire::frameWindow()
{
    return mainWindowFrames(cameraBoxes, frameImage, *framePicture, state.abortRequested);
}

void Frm_acquire::sendAppliedMask(PixelMask& mask)
{
    UploadPixelMask(link(), ctx_.folder, mask, kAppliedPixelMask);
}

void Frm_acquire::cmd_default_Click()
{
    applyDefaultCameraWindow(cameraBoxes, ctx_.globals.hardwareGeneration);
}
