// The main window as the run loop sees it: what a tick shows, draws and ends.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "acquisition/run/LiveFrameDrawing.h"
#include "acquisition/run/RunLoop.h"
#include "acquisition/run/RunLoopHost.h"
#include "acquisition/run/RunMapView.h"
#include "calibration/panels/Frame_calibration.h"
#include "link/commands/LightPulse.h"
#include "plate/pictures/WellValueMap.h"
#include "plate/pictures/WindowStrip.h"
#include "projects/panels/frame_group.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class Frm_acquire::RunWindowSide final : public RunLoopHost {
public:
    explicit RunWindowSide(Frm_acquire& w) : w_(w) {}

    LightBoxes lightBoxes() const override { return w_.lightBoxes(); }
    bool saveRawData() const override { return w_.chk_saveraw && w_.chk_saveraw->isChecked(); }

    void showElapsedTime(const QString& text) override { w_.txt_timepass->setText(text); }
    void showCameraBoxes() override {} // the camera set-up boxes are never on screen
    void showCameraButtons(int currentCamera) override { w_.showCameraButtons(currentCamera); }

    void drawMaskedImageWithWellGrid(int camera, int window, const QByteArray& frame, const QByteArray& difference,
                                     int mode) override
    {
        DrawMaskedImageWithWellGrid({w_.Picact2->canvas(), w_.cameraBoxes, w_.geometry, w_.run.setup,
                                     w_.runLoop_->sampleCount()},
                                    camera, window, frame, difference, mode);
        w_.Picact2->update();
    }
    void drawScanProgressMark(int sample) override
    {
        DrawScanProgressMark(w_.Picrealtime->canvas(), sample);
        w_.Picrealtime->update();
    }
    void clearRealtime() override
    {
        w_.Picrealtime->canvas().clear();
        w_.Picrealtime->update();
    }
    void drawWellValueMap(double elapsedMinutes, int camera, int window, int mode) override
    {
        const auto mapMode = static_cast<WellMapMode>(mode);
        if (mapMode == WellMapMode::Results)
            setRunMapValues(w_.runMapView_, w_.run);
        const LiveMapContext plate{w_.frameMenu->cmb_well->currentText(), w_.formatControls.cmb_formatplate,
                                   w_.geometry, w_.state.cameraEnabled, w_.colourTable};
        if (const auto grid = DrawWellValueMap(w_.platePicture->Picact->canvas(), plate, w_.runMapView_,
                                               elapsedMinutes, camera, window, mapMode)) {
            w_.state.plateRows = grid->rows;
            w_.state.plateColumns = grid->columns;
        }
        w_.platePicture->Picact->update();
    }
    void drawLivePlateValues(int camera, int window) override
    {
        DrawLivePlateValues(w_.platePicture->Picact->canvas(), w_.Picact2->canvas(), w_.geometry, camera, window);
        w_.platePicture->Picact->update();
        w_.Picact2->update();
    }

    void drawWellActivityRow(int camera, int window) override
    {
        const LiveMapContext plate{w_.frameMenu->cmb_well->currentText(), w_.formatControls.cmb_formatplate,
                                   w_.geometry, w_.state.cameraEnabled, w_.colourTable};
        const PlateGrid grid = DrawWellActivityRow(w_.platePicture->Picact->canvas(), plate, camera, window);
        w_.state.plateRows = grid.rows;
        w_.state.plateColumns = grid.columns;
        w_.platePicture->Picact->update();
    }

    void showTemperature() override { w_.showTemperatureView(); }
    void StopAcquisition() override { w_.StopAcquisition(); }
    void showRunStoppedByError() override {} // the stop has shown the idle phase already
    void showRunDone() override
    {
        w_.state.phase.apply(RunPhase::Event::End);
        w_.showRunPhase();
        w_.Timer2->stop();
        w_.Timer3->stop();
        // What a stop also leaves behind: no light, the pulse boxes free.
        SendLightPulse(w_.link(), 0, w_.pulse.pulseSecondsLeft);
        w_.UnlockPulseInputs();
    }
    void cmdreport_Click() override { w_.cmdreport_Click(); }
    void EvaluateBlankRun(const QString& runFolder, const QString& format, double elapsedMinutes) override
    {
        w_.EvaluateBlankRun(runFolder, format, elapsedMinutes);
        w_.state.blankRun = false;
    }

private:
    Frm_acquire& w_;
};

RunLoopHost& Frm_acquire::runSide()
{
    if (!runSide_)
        runSide_ = std::make_unique<RunWindowSide>(*this);
    return *runSide_;
}

void Frm_acquire::Timer2_Timer()
{
    if (runLoop_ && runLoop_->tick())
        Timer2->start();
}
