// The main window's temperature and light controls: the Temperature box and its
// set-point, the light-pulse panel, the temperature cycle and Timer3.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_light.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frame_tcycle.h"
#include "acquisition/run/RunLoop.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/panels/frmtempcal.h"
#include "core/Console.h"
#include "core/Prompts.h"
#include "link/commands/LightPulse.h"
#include "ui/ShapeControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

void Frm_acquire::buildTemperatureControls(QWidget* parent)
{
    frameLight = new Frame_light(*this);
    frameMenu->setLightPanel(frameLight);
    temperatureLink_->onLightIndicator = [this](const LightIndicator& indicator) {
        frameLight->showLightIndicator(indicator);
    };
    frameTcycle = new Frame_tcycle(*temperature_, parent);
    frameTcycle->hide(); // "Enable Temperature cycle" shows it

    connect(Timer3, &QTimer::timeout, this, &Frm_acquire::Timer3_Timer);
    connect(frameMenu, &Frame_menu::chkTempClicked, this, &Frm_acquire::chk_temp_Click);
    connect(frameMenu, &Frame_menu::txttempClicked, this, &Frm_acquire::txttemp_Click);
}

LightButtonContext Frm_acquire::lightButtonContext()
{
    return LightButtonContext{ctx_.globals.portOpen, state.runState, runLoop_ ? runLoop_->elapsedSeconds() : 0,
                              *temperatureLink_, pulse, ctx_.prompts};
}

void Frm_acquire::enableTimer3()
{
    Timer3->start();
}

LightBoxes Frm_acquire::lightBoxes() const
{
    return frameLight->lightBoxes();
}

void Frm_acquire::UnlockPulseInputs()
{
    for (QLineEdit* box : {frameLight->txt_pulseoff, frameLight->txt_pulseon, frameLight->txt_pulsetimes})
        box->setReadOnly(false);
}

void Frm_acquire::chk_temp_Click()
{
    temperature_->view.setPointText = frameMenu->txttemp->currentText();
    temperature_->tempBoxChanged(
        frameMenu->chk_temp->isChecked(),
        [this](const QString& question) { return ctx_.prompts.question(question) == PromptAnswer::Yes; },
        [this](const QString& message) { ctx_.prompts.message(message); });
    showTemperatureView();
}

void Frm_acquire::txttemp_Click()
{
    temperature_->view.setPointText = frameMenu->txttemp->currentText();
    temperature_->setPointChosen();
    showTemperatureView();
}

void Frm_acquire::Timer3_Timer()
{
    if (!temperature_->Timer3Tick(pulse, lightBoxes()))
        temperature_->view.timerEnabled = false;
    showTemperatureView();
}

void Frm_acquire::showTemperatureView()
{
    TemperatureView& view = temperature_->view;
    frameMenu->chk_temp->setText(view.caption);
    frameMenu->chk_temp->setChecked(view.boxTicked);
    frameMenu->Shape_temp->setFillColour(view.lamp);
    // The set-point box is written only when the control changed it (a limit,
    // a cycle item): a repaint during a run must not undo what the user is typing.
    if (view.setPointText != shownSetPoint_ && frameMenu->txttemp->currentText() != view.setPointText)
        frameMenu->txttemp->setEditText(view.setPointText);
    shownSetPoint_ = view.setPointText;
    frameTcycle->showView(view);
    tempCalibrationPanel->showReadings(view.sensorText, view.currentText);
    frameTcycle->setVisible(view.cycleMenuChecked);
    // A status is shown once: a later repaint of the box must not bring it back over newer news.
    if (!view.status.isEmpty()) {
        console_->setStatus(view.status);
        view.status.clear();
    }
    // Timer3 runs only outside runs; the run loop regulates during a run.
    if (view.timerEnabled && state.runState == 0)
        Timer3->start();
    else
        Timer3->stop();
}
