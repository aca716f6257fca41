// The main window's side of the well-position calibration: its menu item, the
// "Close" button, Timer5 and what the calibration changes around its column.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "calibration/WellGridOverlay.h"
#include "calibration/WellPositionCalibration.h"
#include "calibration/panels/Frame_calibration.h"
#include "picture/CameraFrameDrawing.h"
#include "plate/geometry/PlateFormat.h"
#include "ui/PictureBox.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kFirstRedrawMs = 500;
constexpr int kLaterRedrawMs = 250;

} // namespace

// What the calibration changes on the window around its column.
class Frm_acquire::WellCalibrationSide final : public WellCalibrationWindow {
public:
    explicit WellCalibrationSide(Frm_acquire& w) : w_(w) {}
    void stopRunAndCycle() override
    {
        w_.state.phase.apply(RunPhase::Event::Stop);
        w_.frameMenu->showRunPhase(w_.state.phase.phase());
        emit w_.runStopped(); // "Start", Timer2 and Timer3 off
    }
    void clearPlatePicture() override { w_.platePicture->Picact->canvas().clear(); }
    void drawPlate(const QString& format) override
    {
        const PlateFormat f = resolvePlateFormat(format);
        w_.platePicture->DrawPlateLayout(f);
        w_.RedrawAllWells();
    }
    void setMainFormat(const QString& format) override
    {
        w_.formatControls.cmb_well = format;
        w_.showFormatControls();
    }
    void focusMainFormat() override { w_.frameMenu->setFocus(); }
    void drawOverlay() override { w_.drawWellCalibrationOverlay(); }
    void armRedraw() override { w_.Timer5->start(); }
    void disarmRedraw() override { w_.Timer5->stop(); }

private:
    Frm_acquire& w_;
};

void Frm_acquire::buildWellCalibration(QWidget* parent)
{
    cmd_menu = new QPushButton(QStringLiteral("Close"), parent);
    cmd_menu->setObjectName(QStringLiteral("cmd_menu"));
    cmd_menu->hide();
    connect(cmd_menu, &QPushButton::clicked, this, &Frm_acquire::cmd_menu_Click);

    Timer5 = new QTimer(this);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    Timer5->setSingleShot(true);
    Timer5->setInterval(kFirstRedrawMs);
    connect(Timer5, &QTimer::timeout, this, &Frm_acquire::Timer5_Timer);

}

void Frm_acquire::buildWellCalibrationMenu(QMenu* advanced)
{
    QMenu* wellCal = advanced->addMenu(QStringLiteral("Well Format Calibration"));
    wellCal->setObjectName(QStringLiteral("mnwellcal"));
    QAction* calibrate = wellCal->addAction(QStringLiteral("Calibrate position"));
    calibrate->setObjectName(QStringLiteral("mncalibratewell"));
    connect(calibrate, &QAction::triggered, this, &Frm_acquire::mncalibratewell_Click);
}

void Frm_acquire::showWellCalibration()
{
    const bool open = wellCalibration_ && wellCalibration_->view.open;
    frameMenu->setVisible(!open);
    frameCalibration->setVisible(open);
    cmd_menu->setVisible(open);
    if (wellCalibration_)
        frameCalibration->showView(wellCalibration_->view);
}

void Frm_acquire::mncalibratewell_Click()
{
    if (!wellCalibration_) {
        wellSide_ = std::make_unique<WellCalibrationSide>(*this);
        wellCalibration_ = std::make_unique<WellPositionCalibration>(link(), ctx_.folder, frameWindow(), geometry,
                                                                     state.plateFormat, state.abortRequested,
                                                                     *wellSide_);
        frameCalibration->bind(*wellCalibration_);
    }
    wellCalibration_->open(formatControls.cmb_well);
    showWellCalibration();
}

void Frm_acquire::cmd_menu_Click()
{
    if (wellCalibration_)
        wellCalibration_->close();
    showWellCalibration();
}

void Frm_acquire::Timer5_Timer()
{
    Timer5->setInterval(kLaterRedrawMs);
    DrawCameraFrame(platePicture->Picact->canvas(), cameraBoxes, frameImage, 2);
    drawWellCalibrationOverlay();
    platePicture->Picact->update();
}

void Frm_acquire::drawWellCalibrationOverlay()
{
    if (!wellCalibration_)
        return;
    DrawWellGridOverlay(platePicture->Picact->canvas(), geometry, wellCalibration_->currentCamera,
                        int(cameraBoxes.txt_lines.toDouble()), int(cameraBoxes.txt_pix.toDouble()));
    platePicture->Picact->update();
}
