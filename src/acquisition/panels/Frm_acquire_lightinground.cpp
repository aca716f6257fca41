// The main window's side of the lighting round at run start: its pictures,
// camera buttons and panel, and the run's tables the round reads and sizes.
#include "acquisition/panels/Frm_acquire.h"

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "calibration/LightingRound.h"
#include "calibration/panels/Frame_calibration.h"
#include "calibration/panels/frm_calibrate.h"
#include "plate/files/LedFiles.h"
#include "plate/geometry/WellMask.h"
#include "ui/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

class Frm_acquire::LightingRoundSide final : public LightingRoundView,
                                             public RunWindowTables,
                                             public AutocalibrationView {
public:
    explicit LightingRoundSide(Frm_acquire& w) : w_(w) {}

    // The round's pictures and buttons.
    void prepareLivePicture() override
    {
        PictureCanvas& live = w_.Picrealtime->canvas();
        live.setScale(0, 0, 100, 100);
        live.clear();
        w_.Picrealtime->update();
    }
    void showCameraButtons(int grey) override { w_.showCameraButtons(grey); }
    void whitenCameraButton(int button) override
    {
        if (button >= 0 && button < int(w_.frameCalibration->cmd_camselect.size()))
            w_.frameCalibration->cmd_camselect[size_t(button)]->setStyleSheet(
                QStringLiteral("background-color: #ffffff;"));
    }
    void redrawPlate() override { w_.platePicture->DrawPlateLayout(resolvePlateFormat(w_.state.plateFormat)); }
    void hideCalibrationPanel() override { w_.autocalibrationPanel->hide(); }

    // The run's tables: the pixel lists of the camera set-up and the window buffer.
    WindowPixelTables pixels(int camera, int window) const override
    {
        const WindowPixelList& l = w_.run.setup.pixels[size_t(camera)][size_t(window)];
        return {l.pixelWellIndex, l.pixelX, l.pixelY};
    }
    void resetRunCounters() override {} // the run loop starts its counters at zero when it begins
    void sizeWindowBuffers(int windowPixels) override { w_.run.window.reset(windowPixels); }

    // The autocalibration's captions and progress bar.
    void setCaption(const QString& text) override { w_.autocalibrationPanel->setCaption(text); }
    void showProgress(double percent) override
    {
        drawAutocalibrationProgress(w_.Picrealtime->canvas(), percent);
        w_.Picrealtime->update();
    }
    void focusMainWindow() override { w_.activateWindow(); }

private:
    Frm_acquire& w_;
};

// The frame-wide well masks of the run's camera set-up, as the calibrations read them.
static WellMask runWellMask(const RunSetup& setup)
{
    WellMask mask;
    if (setup.wellMask.empty())
        return mask;
    for (int c = 0; c < kCameraCount; ++c)
        for (int x = 0; x < RunSetup::kFrameSide; ++x)
            for (int y = 0; y < RunSetup::kFrameSide; ++y)
                mask.set(c, x, y, setup.wellMask[RunSetup::frameSlot(c, x, y)] != 0);
    return mask;
}

void Frm_acquire::RunAutoreferenceRound()
{
    LightingRoundSide side(*this);
    LedTable leds;
    LoadLedSetup(leds, ctx_.folder, ctx_.globals);
    const WellMask mask = runWellMask(run.setup);
    LightingRound round{link(),
                        ctx_.folder,
                        frameWindow(),
                        leds,
                        mask,
                        state.runState,
                        frameMenu->cmb_well->currentText(),
                        state.cameraEnabled,
                        run.cameraSpeed,
                        run.cameraExposure,
                        geometry,
                        side,
                        platePicture->Picact->canvas(),
                        side,
                        side,
                        [] { return QRandomGenerator::global()->generateDouble(); }};
    ::RunAutoreferenceRound(round);
    platePicture->Picact->update();
}

void Frm_acquire::showCameraButtons(int grey)
{
    for (int i = 0; i < int(frameCalibration->cmd_camselect.size()); ++i) {
        const char* colour = i == grey ? "#808080" : "#ffffff";
        frameCalibration->cmd_camselect[size_t(i)]->setStyleSheet(
            QStringLiteral("background-color: %1;").arg(QLatin1String(colour)));
    }
}
