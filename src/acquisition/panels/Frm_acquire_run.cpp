// The main window's run control: "Start" / "STOP" / "Play" / "New", the
// confirmation panel, the run's folder and files, arming the run and stopping it.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "acquisition/panels/frm_confirmacq.h"
#include "acquisition/run/CameraRunSetup.h"
#include "acquisition/run/RunLoop.h"
#include "acquisition/run/RunMapView.h"
#include "acquisition/run/RunStart.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "calibration/InternalReferenceFactors.h"
#include "calibration/InternalReferenceRuns.h"
#include "calibration/panels/frm_calibrate.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/LightPulse.h"
#include "link/commands/TemperatureSenders.h"
#include "plate/files/FormatFiles.h"
#include "plate/files/LedFiles.h"
#include "plate/files/LedPowerFiles.h"
#include "plate/files/WellSpecFile.h"
#include "projects/panels/Frame_project.h"
#include "projects/panels/frame_group.h"
#include "ui/PictureBox.h"
#include "ui/ShapeControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kRunTickMs = 200;
constexpr int kTemperatureTickMs = 1000;
constexpr int kCommandGapMs = 10;

} // namespace

void Frm_acquire::buildRunControls()
{
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true); // each tick arms the next
    Timer2->setInterval(kRunTickMs);
    connect(Timer2, &QTimer::timeout, this, &Frm_acquire::Timer2_Timer);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(kTemperatureTickMs);

    connect(frameMenu, &Frame_menu::cmdPlayClicked, this, &Frm_acquire::cmdPlay_Click);
    connect(frameMenu->txtlapse, &QLineEdit::textChanged, this, &Frm_acquire::txtlapse_Change);
    connect(confirmPanel, &frm_confirmacq::playClicked, this, &Frm_acquire::cmd_playacq_Click);
    connect(confirmPanel, &frm_confirmacq::cancelClicked, this, &Frm_acquire::cmd_cancelacq_Click);
    connect(confirmPanel, &frm_confirmacq::internalReferenceClicked, this, &Frm_acquire::chk_internalref_Click);
    // A calibration that took the window leaves no timer running.
    connect(this, &Frm_acquire::runStopped, this, [this] {
        frameMenu->cmdPlay->setText(QStringLiteral("Start"));
        Timer2->stop();
        Timer3->stop();
    });
}

int Frm_acquire::sampleCount() const
{
    return runLoop_ ? runLoop_->sampleCount() : 0;
}

void Frm_acquire::cmdPlay_Click()
{
    const RunPhase::PlayAction action = RunPhase::playAction(state.phase.phase());
    if (action == RunPhase::PlayAction::Nothing)
        return;
    if (action == RunPhase::PlayAction::ClearEndedRun) {
        cmd_cancelacq_Click();
        frameProject->cmb_project_Click();
        return;
    }
    state.abortRequested = false;
    // The checks gate a new run only: STOP and abort always work.
    if (action == RunPhase::PlayAction::OpenConfirmation) {
        if (const auto refusal = runBoxesRefusal(frameMenu->txtlapse->text(), frameMenu->cmb_well->currentText())) {
            ctx_.prompts.message(refusal->message);
            (refusal->focus == RunStartFocus::Lapse ? static_cast<QWidget*>(frameMenu->txtlapse)
                                                    : frameMenu->cmb_well)
                ->setFocus();
            return;
        }
        autocalibrationPanel->hide();
        state.blankRun = false;
        if (const auto refusal = runInstrumentRefusal(ctx_.globals.dummyMode, ctx_.globals.portOpen,
                                                      ctx_.folder.unitFolder(ctx_.globals.serialNumber))) {
            ctx_.prompts.message(refusal->message);
            return;
        }
    }
    Timer2->stop();
    Timer3->stop();

    if (action == RunPhase::PlayAction::AbortCalibration) {
        state.abortRequested = true;
        state.phase.apply(RunPhase::Event::Stop);
        SendPeltierOff(link(), linkState);
        SendLightPulse(link(), 0, pulse.pulseSecondsLeft);
        frameMenu->chk_temp->setText(QStringLiteral("Temperature"));
        frameMenu->Shape_temp->setFillColour(kLampOff);
        showRunPhase();
        rebuildPlateAfterStop();
    } else if (action == RunPhase::PlayAction::StopRun) {
        state.abortRequested = true;
        StopAcquisition();
        rebuildPlateAfterStop();
    } else {
        openRunConfirmation();
    }
}

void Frm_acquire::showRunPhase()
{
    const RunPhase::Phase phase = state.phase.phase();
    frameMenu->showRunPhase(phase);
    // The group column while idle; the live picture in its place from the
    // confirmation on, and still after a run's end until "New".
    if (phase == RunPhase::Phase::Idle) {
        frameGroup->show();
        Picact2->hide();
    } else if (phase == RunPhase::Phase::Confirming || phase == RunPhase::Phase::Running) {
        frameGroup->hide();
        Picact2->show();
    }
}

void Frm_acquire::rebuildPlateAfterStop()
{
    // A run that drew live values keeps them on screen.
    if (sampleCount() > 1)
        return;
    state.plateFormat = frameMenu->cmb_well->currentText();
    const PlateFormat format = resolvePlateFormat(state.plateFormat);
    platePicture->DrawPlateLayout(format);
    ReadWellSpecFile(ctx_.folder, state.plateFormat, geometry);
    RedrawAllWells();
}

void Frm_acquire::openRunConfirmation()
{
    platePicture->DrawPlateLayout(resolvePlateFormat(state.plateFormat));
    frameMenu->txtlapse->setText(panelLapseText(frameMenu->txtlapse->text()));

    frm_confirmacq& panel = *confirmPanel;
    if (panel.chk_internalref->isChecked()) {
        panel.chk_internalref->setChecked(false);
        chk_internalref_Click();
    }
    panel.txt_acqname->setText(kAcquisitionPlaceholder);
    panel.txt_acqname->setReadOnly(false);
    panel.txt_pjname->setText(state.projectName);
    panel.txt_pjname->setReadOnly(false);
    for (PictureBox* picture : {Picact2, Picrealtime}) {
        picture->fitCanvas();
        picture->canvas().clear();
        picture->update();
    }

    panel.chk_internalref->setEnabled(true);
    if (formatNeedsInternalReference(state.plateFormat) &&
        !HasInternalReferenceRun(ctx_.folder, ctx_.globals.serialNumber, state.plateFormat)) {
        panel.chk_internalref->show();
        panel.chk_internalref->setChecked(true);
        chk_internalref_Click();
        panel.chk_internalref->setEnabled(false);
        ctx_.prompts.message(kReferenceMandatory);
    }

    panel.show();
    panel.raise();
    state.phase.apply(RunPhase::Event::OpenConfirmation);
    showRunPhase();
    panel.txt_acqname->setFocus();
}

void Frm_acquire::chk_internalref_Click()
{
    frm_confirmacq& panel = *confirmPanel;
    const bool reference = panel.chk_internalref->isChecked();
    if (reference) {
        panel.txt_pjname->setText(referenceProjectName(ctx_.globals.serialNumber));
        panel.txt_acqname->setText(referenceAcquisitionName(state.plateFormat));
    }
    panel.txt_pjname->setReadOnly(reference);
    panel.txt_acqname->setReadOnly(reference);
}

void Frm_acquire::cmd_playacq_Click()
{
    const bool reference = confirmPanel->chk_internalref->isChecked();
    // Asked before anything is made, so a declined reference leaves no empty run behind.
    if (reference && ctx_.prompts.question(kReferenceQuestion, PromptButtons::YesNoCancel) != PromptAnswer::Yes)
        return;

    const QString format = frameMenu->cmb_well->currentText();
    const QString lapse = frameMenu->txtlapse->text();
    const RunConfirmation confirmation{confirmPanel->txt_pjname->text(),
                                       confirmPanel->txt_acqname->text(),
                                       lapse,
                                       format,
                                       frameMenu->txttemp->currentText(),
                                       ctx_.globals.serialNumber,
                                       ctx_.globals.groups,
                                       state.cameraEnabled,
                                       lastRunStamp};
    const CreatedRun created = createRunFolder(ctx_.folder, ctx_.clock, ctx_.prompts, confirmation, runBlank);
    if (!created.created)
        return; // it said why; the panel stays open
    runProjectFolder = created.projectFolder;
    runName = created.runName;
    lastRunStamp = created.stamp;
    ctx_.globals.runFolder = created.runFolder;

    if (reference) {
        run.intRefFactor.fill(1.0);
    } else {
        run.intRefFactor = LoadInternalReferenceFactors({ctx_.folder, ctx_.clock, ctx_.prompts, 0}, created.runFolder,
                                                        format, ctx_.globals.serialNumber, 0)
                               .table;
    }
    confirmPanel->hide();
    StartAcquisitionRun();
}

void Frm_acquire::cmd_cancelacq_Click()
{
    confirmPanel->txt_acqname->setText(kAcquisitionPlaceholder);
    confirmPanel->hide();
    state.phase.apply(RunPhase::Event::Stop);
    showRunPhase();
    RedrawAllWells();
    ctx_.clock.processEvents();
    StopAcquisition();
}

void Frm_acquire::txtlapse_Change()
{
    if (const auto limited = typedLapseLimit(frameMenu->txtlapse->text())) {
        ctx_.prompts.message(kLapseLimitMessage);
        frameMenu->txtlapse->setText(*limited);
    }
}

void Frm_acquire::StartAcquisitionRun()
{
    if (!state.phase.apply(RunPhase::Event::Confirm))
        return;
    showRunPhase();
    frameMenu->cmdreport->setEnabled(true);
    SendFanLevel(link(), frameMenu->chk_temp->isChecked() ? 255 : 128);

    const QString format = frameMenu->cmb_well->currentText();
    ReadWellSpecFile(ctx_.folder, format, geometry);
    ReadWellFormatFiles(ctx_.folder, ctx_.globals.serialNumber, format, geometry);
    const CameraSetupInput setup{geometry, ctx_.globals.hardwareGeneration, ctx_.globals.exposureUnit,
                                 frameMenu->txtlapse->text()};
    if (ConfigureCamerasForFormat(setup, run, *console_, ctx_.prompts) <= 0) {
        // It said "Configuration error": the run stops instead of staying armed without a timer.
        StopAcquisition();
        return;
    }
    run.blankRun = state.blankRun;
    for (int well = 0; well < kWellSlots; ++well)
        run.blankValue[size_t(well)] = runBlank.blankValue[size_t(well)];
    run.blankLapse = runBlank.blankLapse;
    setRunMapPixels(runMapView_, run, geometry, resolvePlateFormat(format).rows);

    SendPeltierOff(link(), linkState);
    Timer3->stop();
    ctx_.clock.sleepMs(kCommandGapMs);
    SendLightPulse(link(), 0, pulse.pulseSecondsLeft);
    cameraBoxes.txt_gain = QString::number(ctx_.globals.defaultGain);
    console_->setStatus(QStringLiteral("Starting autoreference round"));
    RunAutoreferenceRound(); // a STOP during the round ends the phase
    if (!state.phase.is(RunPhase::Phase::Running))
        return;

    SendAllLedPowersFromFile(link(), ledPowerFilePath(ctx_.folder, ctx_.globals.serialNumber));
    platePicture->DrawPlateLayout(resolvePlateFormat(state.plateFormat));
    runLoop_ = std::make_unique<RunLoop>(RunLoopParts{run, link(), cameraBoxes, geometry, *temperature_,
                                                      *temperatureLink_, pulse, runSide(), state.phase.runState()});
    const RunLoopStart start{ctx_.globals.runFolder, format, textValue(frameMenu->txtlapse->text()),
                             state.cameraEnabled};
    if (runLoop_->begin(start))
        Timer2->start();
}

void Frm_acquire::StopAcquisition()
{
    state.phase.apply(RunPhase::Event::Stop);
    showRunPhase();
    Timer2->stop();
    Timer3->stop();
    SendPeltierOff(link(), linkState);
    ctx_.clock.sleepMs(kCommandGapMs);
    SendFanLevel(link(), 128);
    ctx_.clock.sleepMs(kCommandGapMs);
    SendLightPulse(link(), 0, pulse.pulseSecondsLeft);
    UnlockPulseInputs();
    TemperatureView& temperatureView = temperature_->view;
    temperatureView.caption = QStringLiteral("Temperature");
    if (temperatureView.boxTicked || frameMenu->chk_temp->isChecked()) {
        temperature_->tempBoxChanged(
            false, [this](const QString& q) { return ctx_.prompts.question(q) == PromptAnswer::Yes; },
            [this](const QString& m) { ctx_.prompts.message(m); });
    }
    temperatureView.lamp = kLampOff;
    showTemperatureView();
    ctx_.clock.sleepMs(kCommandGapMs);
    cameraBoxes.txt_cam = QString::number(kNoCamera);
    // The run is stopped whatever the echo said; the sender shows its own outcome.
    (void)sendCameraBox(cameraBoxes, link());
}
