#pragma once

#include "acquisition/temperature/LightSchedule.h"

#include <QByteArray>
#include <QString>

// What the run loop asks of the main window. The loop keeps no widget: the
// window implements this, a test records it.
class RunLoopHost {
public:
    virtual ~RunLoopHost() = default;

    // Boxes read during the run.
    virtual LightBoxes lightBoxes() const = 0; // Chk_lenabled, txt_power, txt_pulseon/off/times
    virtual bool saveRawData() const = 0;      // the "SaveRawData" menu tick (chk_saveraw)

    // txt_timepass, refreshed.
    virtual void showElapsedTime(const QString& text) = 0;
    // The camera boxes the loop wrote (txt_cam, the window, exposure, gain), refreshed.
    virtual void showCameraBoxes() = 0;
    // cmd_camselect: every button white, the current camera's grey.
    virtual void showCameraButtons(int currentCamera) = 0;

    // Live drawing: the sample on Picact2 (difference text and mode 1 from the
    // second sample on), its mark on Picrealtime, Picrealtime cleared.
    virtual void drawMaskedImageWithWellGrid(int camera, int window, const QByteArray& frame,
                                             const QByteArray& difference, int mode) = 0;
    virtual void drawScanProgressMark(int sample) = 0;
    virtual void clearRealtime() = 0;
    // The plate map: mode 0 after an evaluation, 1 for the window being measured.
    virtual void drawWellValueMap(double elapsedMinutes, int camera, int window, int mode) = 0;
    virtual void drawLivePlateValues(int camera, int window) = 0;
    // The run's first window marked on the plate map, whatever its camera's flag.
    virtual void drawWellActivityRow(int camera, int window) = 0;

    // chk_temp, its lamp and Timer3 as the temperature control's view has them.
    virtual void showTemperature() = 0;

    // Stops the run as the STOP button does: the phase idle (runState 0),
    // timers, stage, light, camera 6. Every way of ending a run early goes here.
    virtual void StopAcquisition() = 0;
    // After a communication error stopped the run: frame_group shown, cmb_well
    // enabled, Picact2 hidden.
    virtual void showRunStoppedByError() = 0;
    // The run has ended by itself: the phase done (runState 0, cmdPlay "New",
    // txtlapse and cmb_well unlocked), timers off, and what a stop also leaves
    // (light off, pulse boxes unlocked). The loop then settles the stage.
    virtual void showRunDone() = 0;
    // The end-of-run calls: the report panel, or the blank evaluation of a blank run.
    virtual void cmdreport_Click() = 0;
    virtual void EvaluateBlankRun(const QString& runFolder, const QString& format, double elapsedMinutes) = 0;
};
