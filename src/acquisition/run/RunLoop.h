#pragma once

#include "acquisition/run/ActivityEvaluation.h"
#include "acquisition/run/RunRecord.h"
#include "link/commands/CameraBoxes.h"
#include "link/protocol/LinkContext.h"
#include "plate/files/CamConf.h"
#include "plate/geometry/PlateGeometry.h"

#include <QString>

class RunLoopHost;
class TemperatureControl;
class TemperatureLink;
struct PulseState;

// What the loop works on; the main window owns all of it.
struct RunLoopParts {
    RunRecord& run;                   // the camera set-up, the results and the current window
    LinkContext& link;                // frames, camera settings, fan; its clock is the run's clock
    CameraBoxes& boxes;               // txt_cam, the window boxes, gain, exposure, speed
    const PlateGeometry& geometry;    // the run's format tables
    TemperatureControl& temperature;  // RegulateTemperature, chk_temp and txttemp
    TemperatureLink& lightLink;       // the light pulse commands
    PulseState& pulse;                // pulseOn, pulseEndSeconds, pulseSecondsLeft
    RunLoopHost& host;
    const int& runState;              // the window's run phase as a number: 1 while the run goes on
};

// What the run takes once, when it is armed.
struct RunLoopStart {
    QString runFolder;          // captured at confirmation: every write of the run goes here
    QString format;             // cmb_well
    double acquisitionMinutes = 0; // txtlapse
    CameraFlags cameraEnabled{true, true, true, true, true, true};
};

// The acquisition loop: one sample of the current camera window a tick,
// eleven samples to a window's evaluation and its run files, then the next
// window, camera and scan, until the time is over and camera 5's last window
// is done.
class RunLoop {
public:
    explicit RunLoop(RunLoopParts parts) : p_(parts) {}

    // The last steps of arming a run, after the camera set-up: the camera
    // boxes for camera 0 (speed and exposure of the run), its buttons, window
    // 0 selected and drawn, one frame read and discarded, the counters
    // cleared, the run's clock started and light.csv's header written. Gives
    // whether the run is on (runState still 1).
    bool begin(const RunLoopStart& start);

    // Timer2_Timer's work: one tick. Gives whether the timer is armed again.
    bool tick();

    // What the loop stands at, for the window and tests.
    int sampleCount() const { return sampleCount_; }
    int frameRetryCount() const { return frameRetryCount_; }
    bool timeOver() const { return timeOver_; }
    int scanIndex() const { return p_.run.results.scanIndex(); }
    double elapsedSeconds() const { return elapsedSeconds_; }
    double regulationTemperature() const { return regulationTemperature_; }
    const SampleFrames& sampleFrames() const { return sampleFrames_; }
    const QString& runFolder() const { return start_.runFolder; }

private:
    bool cameraInUse(int camera) const;
    int lastWindow(int camera) const;
    void takeSample();
    bool evaluateWindow(double elapsedMinutes); // false: a run file could not be written, the run stopped
    void stopForFailedWrite(const QString& path);
    void endRun(double elapsedMinutes);
    void moveToNextWindow(double elapsedMinutes);
    void selectWindow();
    QByteArray dummyFrame();

    RunLoopParts p_;
    RunLoopStart start_;
    qint64 startMs_ = 0;
    double elapsedSeconds_ = 0;
    bool timeOver_ = false;
    int sampleCount_ = 0;
    int frameRetryCount_ = 0;
    double regulationTemperature_ = 0;
    SampleFrames sampleFrames_;
};
