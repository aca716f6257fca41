// The main window's controls at window level and in its main area, and the layout
// rule applied to them on every resize.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/layout/MainWindowLayout.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/MainWindowLayoutApply.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "acquisition/panels/frm_confirmacq.h"
#include "calibration/panels/frameblank.h"
#include "calibration/panels/frm_calibrate.h"
#include "calibration/panels/frmtempcal.h"
#include "flash/panels/frame_flash.h"
#include "plate/panels/Frame_select.h"
#include "projects/panels/frame_group.h"
#include "projects/panels/frame_offline.h"
#include "reporting/panels/Frm_report.h"
#include "ui/DesignedPlaces.h"
#include "ui/PictureBox.h"
#include "ui/ShapeControl.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

// Designed sizes (twips) the rule leaves alone.
constexpr double kStripLabelHeight = 285;
constexpr double kTimeBoxHeight = 405;
constexpr double kStatusHeight = 315;
constexpr double kCommunicationWidth = 1815;
constexpr double kCommunicationHeight = 1095;
constexpr double kPageBorder = 4; // pixels, as the page rectangle's border width

PictureBox* pictureBox(const char* name, QWidget* parent)
{
    auto* box = new PictureBox(parent, 1, 1);
    box->setObjectName(QLatin1String(name));
    box->setSizedByLayout();
    return box;
}

template <typename W>
W* hiddenControl(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    widget->hide();
    return widget;
}

} // namespace

QWidget* Frm_acquire::buildWindowLevel()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Frm_acquire_client"));

    Shape5 = new ShapeControl("Shape5", central, kPageBorder);
    Shape5->setFillColour(QColor(255, 255, 255));
    Line5 = makeLine("Line5", central, 4);

    lbl_myserial = designed(new QLabel(QStringLiteral("SN10"), central), "lbl_myserial", 0, 0, 0, kStripLabelHeight);
    lbl_myserial->hide(); // start-up shows "SN" and the number, or "Offline"
    lbl_status = designed(new QLabel(QStringLiteral("Status:"), central), "lbl_status", 0, 0, 0, kStripLabelHeight);
    txt_status = designed(new QLineEdit(central), "txt_status", 0, 0, 0, kStatusHeight);
    txt_status->setReadOnly(true);
    txt_timepass = designed(new QLineEdit(QStringLiteral("00:00"), central), "txt_timepass", 0, 0, 0, kTimeBoxHeight);
    setPointSize(txt_timepass, 12);
    txt_timepass->setReadOnly(true);
    lblrx = hiddenControl(new QLabel(QStringLiteral("Rx"), central), "lblrx");

    // Shown and hidden by "Show Communication values".
    lbl_lenrx = hiddenControl(new QLabel(QStringLiteral("Len(Rx) = 0"), central), "lbl_lenrx");
    lbl_lenrx->resize(twipsToPixels(kCommunicationWidth), twipsToPixels(kStripLabelHeight));
    txt_in = hiddenControl(new QPlainTextEdit(central), "txt_in");
    txt_in->setReadOnly(true);
    txt_in->resize(txt_in->width(), twipsToPixels(kCommunicationHeight));
    return central;
}

void Frm_acquire::buildMainArea(QWidget* parent)
{
    frame_main = new QWidget(parent);
    frame_main->setObjectName(QStringLiteral("frame_main"));
    Picturehide = hiddenControl(new PictureBox(frame_main, twipsToPixels(2295), twipsToPixels(855)), "Picturehide");
    new frame_offline(frame_main); // the saved-data page's list; this window never shows it
    Picrealtime = pictureBox("Picrealtime", frame_main);
    Picrealtime->setBorder(true);
    // In place of the group column from the run confirmation until the run ends.
    Picact2 = pictureBox("Picact2", frame_main);
    Picact2->hide();
    platePicture = new PlatePicturePanel(state, ctx_.globals.groups, frame_main);
    buildGroupPanel(frame_main);
}

void Frm_acquire::buildHiddenPanels(QWidget* parent)
{
    // Left from an older design; nothing shows it.
    Frame1 = hiddenControl(new QGroupBox(QStringLiteral("Frame1"), parent), "Frame1");
    designedSize(Frame1, 5175, 1695);
    hiddenControl(new QComboBox(Frame1), "cmb_acqmode");
    hiddenControl(new QComboBox(Frame1), "cmb_mode");
    designed(new QListWidget(Frame1), "lstwell", 120, 600, 2415, 975);
    designed(new QListWidget(Frame1), "lstchannel", 2640, 600, 2415, 975);
    hiddenControl(new QLabel(QStringLiteral("Acquisition:"), Frame1), "Label_acq");
    hiddenControl(new QLabel(QStringLiteral("Analysis mode:"), Frame1), "Label_analysis");

    // The overlays, over everything else, each hidden until its operation shows it.
    buildFlashPanel(parent);
    blankPanel = new frameblank(parent);
    autocalibrationPanel = new frm_calibrate(parent);
    autocalibrationPanel->hide();
    tempCalibrationPanel = new frmtempcal(parent);
    buildReportPanel(parent)->hide();
    confirmPanel = new frm_confirmacq(parent);
    for (QWidget* overlay : std::initializer_list<QWidget*>{flashPanel, blankPanel, autocalibrationPanel, tempCalibrationPanel,
                                                           reportPanel, confirmPanel, frameSelect}) {
        overlay->setAutoFillBackground(true); // opaque over the plate picture
        overlay->raise();
    }
}

void Frm_acquire::LayoutMainWindow()
{
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const MainWindowLayout layout = ::LayoutMainWindow(outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    applyMainWindowLayout(*centralWidget(), layout);
    if (layoutRedrawsPlate(state.runState, !autocalibrationPanel->isHidden(), !frameMenu->isHidden(),
                           !platePicture->Picact->isHidden())) {
        platePicture->Picact->fitCanvas();
        platePicture->DrawPlateLayout(resolvePlateFormat(state.plateFormat));
    }
}

void Frm_acquire::Form_Resize()
{
    LayoutMainWindow();
    if (state.runState == 0)
        RedrawAllWells();
}

void Frm_acquire::RedrawAllWells()
{
    for (int well : redrawAllWellsOrder(state.plateRows, state.plateColumns))
        platePicture->DrawWellGroupOverlay(well);
}

void Frm_acquire::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Frm_acquire::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Minimising and restoring resize the window without a resize event.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}
