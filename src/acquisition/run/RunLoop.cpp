#include "acquisition/run/RunLoop.h"

#include "acquisition/CameraWindowSelection.h"
#include "acquisition/run/CameraRunSetup.h"
#include "acquisition/run/RunFiles.h"
#include "acquisition/run/RunLoopHost.h"
#include "acquisition/run/RunLoopText.h"
#include "acquisition/temperature/BoxNumbers.h"
#include "acquisition/temperature/LightSchedule.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/CameraSettings.h"
#include "link/commands/TemperatureSenders.h"
#include "link/frames/FrameRunReaders.h"
#include "link/protocol/SendSteps.h"
#include "plate/geometry/FrameCutTables.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLastCamera = 5;
constexpr int kLastSample = kSamplesPerWindow - 1;
constexpr int kResendAfterFailures = 2;
constexpr int kMostFailures = 20;
constexpr int kEndFanLevel = 128;
constexpr int kRegulatingFanLevel = 255;
constexpr int kNoCameraSelected = 6;
constexpr int kCameraChangePauseMs = 1;

std::int32_t wholeSeconds(double seconds) { return static_cast<std::int32_t>(std::nearbyint(seconds)); }

// The change from the previous sample + 128 per byte, within 0..255. A byte
// the previous sample does not reach counts as unchanged.
QByteArray differenceText(const QByteArray& frame, const QByteArray& previous)
{
    QByteArray d(frame.size(), '\0');
    for (qsizetype i = 0; i < frame.size(); ++i) {
        const int now = uchar(frame[i]);
        const int before = i < previous.size() ? int(uchar(previous[i])) : now;
        d[i] = char(std::clamp(now - before + 128, 0, 255));
    }
    return d;
}

} // namespace

bool RunLoop::cameraInUse(int camera) const
{
    return camera >= 0 && camera < kCameraCount && start_.cameraEnabled[size_t(camera)];
}

// The camera's last window: lastRow - firstRow (0 for a camera that sees nothing).
int RunLoop::lastWindow(int camera) const
{
    const auto c = size_t(camera);
    return std::clamp(p_.geometry.lastRow[c] - p_.geometry.firstRow[c], 0, kRowWindows - 1);
}

bool RunLoop::begin(const RunLoopStart& start)
{
    start_ = start;
    RunRecord& run = p_.run;
    Globals& globals = p_.link.globals;

    p_.boxes.txt_cam = QStringLiteral("0");
    p_.boxes.txt_speed = QString::number(run.cameraSpeed);
    p_.boxes.txt_exposure = QString::number(run.cameraExposure);
    p_.boxes.txt_gain = QString::number(globals.defaultGain);
    p_.host.showCameraBoxes();
    p_.host.showCameraButtons(0);
    sampleFrames_ = {};
    sampleCount_ = 0;
    if (p_.runState != 1)
        return false;

    run.currentCamera = 0;
    run.currentWindow = 0;
    selectWindow();
    run.window.reset(globals.windowPixels);
    p_.host.clearRealtime();
    p_.host.drawWellActivityRow(0, 0);
    p_.host.drawLivePlateValues(0, 0);
    if (p_.runState != 1)
        return false;
    ReadCameraFrameRaw(p_.link, p_.boxes, 0); // the first frame after new settings is no sample
    if (p_.runState != 1)
        return false;

    timeOver_ = false;
    startMs_ = p_.link.clock.elapsedMs();
    elapsedSeconds_ = 0;
    regulationTemperature_ = 0;
    frameRetryCount_ = 0;
    sampleCount_ = 0;
    // A new run's tables: scan 0 begins at second 0, and they grow scan by scan.
    run.results = RunResults{};
    run.results.wellsPerScan = kRunWells;
    run.results.addScan(0);
    if (const RunFileWrite header = WriteLightCsvHeader(start_.runFolder); !header) {
        stopForFailedWrite(header.failedFile);
        return false;
    }
    return true;
}

bool RunLoop::tick()
{
    if (p_.runState != 1)
        return false;
    RunRecord& run = p_.run;

    // Elapsed time on the monotonic clock: a change of the system time does not move the run.
    elapsedSeconds_ = double(p_.link.clock.elapsedMs() - startMs_) / 1000.0;
    const double elapsedMinutes = elapsedSeconds_ / 60.0;
    p_.host.showElapsedTime(elapsedTimeText(elapsedSeconds_));

    if (start_.acquisitionMinutes * 60 < elapsedSeconds_)
        timeOver_ = true;

    if (sampleCount_ <= kLastSample) {
        takeSample();
        // A stop while the frame came in: nothing more goes to the instrument or the files.
        if (p_.runState != 1)
            return false;
    }

    // A resend of the set-up after failed frames: the next frame judges it.
    if (frameRetryCount_ == kResendAfterFailures && !isDummyMode(p_.link.globals))
        (void)ApplyCameraSettings(p_.boxes, p_.link);
    if (frameRetryCount_ > kMostFailures) {
        p_.host.StopAcquisition();
        p_.host.showRunStoppedByError();
        p_.link.prompts.message(communicationErrorText(run.currentCamera, elapsedSeconds_));
        return false; // the run is stopped: this tick sends nothing more
    }

    if (sampleCount_ % 3 == 0) {
        const TemperatureView& view = p_.temperature.view;
        const int setPoint = view.boxTicked ? roundHalfEven(textValue(view.setPointText)) : 0;
        regulationTemperature_ = p_.temperature.RegulateTemperature(setPoint);
        p_.host.showTemperature();
    }

    if (sampleCount_ < kSamplesPerWindow)
        return p_.runState == 1;

    if (!evaluateWindow(elapsedMinutes))
        return false; // the run is stopped: the disk took no more

    if (run.currentWindow >= lastWindow(run.currentCamera) && timeOver_ && run.currentCamera == kLastCamera) {
        endRun(elapsedMinutes);
        return false;
    }
    moveToNextWindow(elapsedMinutes);
    return p_.runState == 1;
}

QByteArray RunLoop::dummyFrame()
{
    const CameraBoxes& b = p_.boxes;
    const double length =
        (textValue(b.txt_xfin) - textValue(b.txt_xini)) * (textValue(b.txt_yfin) - textValue(b.txt_yini));
    if (!(length > 0) || length > double(1 << 24))
        return {};
    QRandomGenerator random(quint32(p_.link.clock.now().toMSecsSinceEpoch()));
    QByteArray frame(qsizetype(roundHalfEven(length)), '\0');
    for (char& byte : frame)
        byte = char(roundHalfEven(random.generateDouble() * 255));
    return frame;
}

void RunLoop::takeSample()
{
    const int camera = p_.run.currentCamera;
    const int window = p_.run.currentWindow;
    bool good = true;
    if (cameraInUse(camera)) {
        QByteArray text;
        if (isDummyMode(p_.link.globals)) {
            text = dummyFrame();
            good = !text.isEmpty();
        } else {
            const FrameText frame =
                ReadCameraFrameCut(p_.link, p_.boxes, frameCutLayout(p_.geometry, camera, window), camera);
            text = frame.text();
            good = !frame.failedSample();
        }
        if (good) {
            sampleFrames_[size_t(sampleCount_)] = text;
            if (sampleCount_ >= 1)
                p_.host.drawMaskedImageWithWellGrid(camera, window, text,
                                                    differenceText(text, sampleFrames_[size_t(sampleCount_ - 1)]), 1);
            else
                p_.host.drawMaskedImageWithWellGrid(camera, window, text, QByteArray(), 0);
            p_.host.drawScanProgressMark(sampleCount_);
            p_.link.console.setStatus(sampleStatusText(scanIndex(), camera, window, sampleCount_));
        }
        p_.link.console.setCommText(frameLengthText(text.size()));
    }
    if (good) {
        ++sampleCount_;
        frameRetryCount_ = 0;
    } else {
        ++frameRetryCount_;
        // A silent instrument takes minutes to end the run: the count shows it
        // coming. A run the lost port already stopped keeps that port's line.
        if (p_.runState == 1)
            p_.link.console.setStatus(noAnswerText(frameRetryCount_, kMostFailures + 1));
    }
}

bool RunLoop::evaluateWindow(double elapsedMinutes)
{
    RunRecord& run = p_.run;
    RunResults& results = run.results;
    const int camera = run.currentCamera;
    const int window = run.currentWindow;
    const int scan = results.scanIndex();
    const QString& folder = start_.runFolder;

    double& temperature = results.scanTemperature[size_t(scan)];
    if (regulationTemperature_ > 0)
        temperature = temperature != 0 ? (temperature + regulationTemperature_) / 2 : regulationTemperature_;
    const RunFileTick at{camera, window, scan, elapsedSeconds_, temperature};

    // light.csv shows the light as the last evaluation left it, before this one switches it.
    const LightBoxes light = p_.host.lightBoxes();
    RunFileWrite written = appendLightRow(folder, at, p_.pulse.pulseOn ? boxInteger(light.power).value_or(0) : 0);
    LightAtEvaluation(p_.pulse, light, elapsedSeconds_, p_.lightLink, p_.link.clock);

    const bool inUse = cameraInUse(camera);
    const WindowPixelList* pixels = run.setup.window(camera, window);
    if (inUse && pixels) {
        const int windowPixels = run.window.windowPixels;
        if (written)
            written = writeLastRead(folder, at, *pixels, windowPixels, sampleFrames_, p_.host.saveRawData());
        const auto c = size_t(camera), w = size_t(window);
        const int lineLength = p_.geometry.rowEnd[c][w] - p_.geometry.rowStart[c][w] + 1;
        evaluateWindowActivity({sampleFrames_, *pixels, run.setup, p_.geometry, camera, lineLength}, run.window,
                               results);
        p_.host.drawWellValueMap(elapsedMinutes, camera, window, 0);
        if (written)
            written = appendWellActivity(folder, at, *pixels, windowPixels, run.window);
    }
    if (written)
        written = appendActivityRows(folder, at, p_.geometry, inUse, results.wellActivityNow, run.intRefFactor);
    if (written)
        written = appendTemperatureRow(folder, at);
    if (!written)
        stopForFailedWrite(written.failedFile);
    return bool(written);
}

void RunLoop::stopForFailedWrite(const QString& path)
{
    // What is recorded so far stays whole; nothing more is measured that cannot be kept.
    p_.host.StopAcquisition();
    p_.host.showRunStoppedByError();
    p_.link.prompts.message(runFileFailureText(path));
}

void RunLoop::endRun(double elapsedMinutes)
{
    p_.host.showRunDone();
    // Regulation goes on after the run when it was on; otherwise the stage is left off.
    const bool regulating = p_.temperature.settleAfterRun();
    SendFanLevel(p_.link, regulating ? kRegulatingFanLevel : kEndFanLevel);
    p_.boxes.txt_cam = QString::number(kNoCameraSelected);
    p_.host.showCameraBoxes();
    // The run is over whatever the echo said; the sender shows its own outcome.
    (void)sendCameraBox(p_.boxes, p_.link);
    p_.host.showTemperature();
    // Said last, so that no command's own status line covers it.
    p_.link.console.setStatus(QStringLiteral("DONE!"));
    if (p_.run.blankRun)
        p_.host.EvaluateBlankRun(start_.runFolder, start_.format, elapsedMinutes);
    else
        p_.host.cmdreport_Click();
    p_.run.blankRun = false;
}

void RunLoop::moveToNextWindow(double elapsedMinutes)
{
    RunRecord& run = p_.run;
    RunResults& results = run.results;
    int camera = run.currentCamera;
    int window = run.currentWindow;

    // Read times of the window's wells; a camera that sees nothing has no wells.
    const auto c = size_t(camera);
    if (p_.geometry.firstColumn[c] >= 0 && window < kSpcRows) {
        const int columns = std::min(p_.geometry.lastColumn[c] - p_.geometry.firstColumn[c] + 1, kSpcColumns);
        for (int k = 0; k < columns; ++k) {
            const int d = p_.geometry.spcDataIndex[c][size_t(k)][size_t(window)];
            if (results.keepsWell(d))
                results.wellReadTime[results.slot(d, results.scanIndex())] = wholeSeconds(elapsedSeconds_);
        }
    }

    bool cameraChanged = false;
    if (++window > lastWindow(camera)) {
        window = 0;
        cameraChanged = true;
        if (++camera > kLastCamera) {
            camera = 0;
            results.addScan(wholeSeconds(elapsedSeconds_));
        }
    }
    run.currentCamera = camera;
    run.currentWindow = window;
    if (cameraChanged) {
        p_.boxes.txt_cam = QString::number(camera);
        p_.host.showCameraBoxes();
        // The sender shows its own outcome; the frame that follows judges the camera.
        (void)sendCameraBox(p_.boxes, p_.link);
        p_.link.clock.sleepMs(kCameraChangePauseMs);
    }
    p_.host.showCameraButtons(camera);

    selectWindow();

    p_.host.drawLivePlateValues(camera, window);
    p_.host.clearRealtime();
    p_.host.drawWellValueMap(elapsedMinutes, camera, window, 1);

    sampleCount_ = 0;
    run.window.reset(p_.link.globals.windowPixels);

    if (cameraInUse(camera))
        ReadCameraFrameRaw(p_.link, p_.boxes, camera); // the first frame after new settings is no sample
}

// The current window's boxes, exposure and gain, sent unless in dummy mode.
void RunLoop::selectWindow()
{
    const int camera = p_.run.currentCamera;
    const int window = p_.run.currentWindow;
    p_.boxes.txt_exposure = QString::number(windowExposure(p_.run.cameraExposure, start_.format, window));
    p_.boxes.txt_gain = QString::number(p_.link.globals.defaultGain);
    if (SelectCameraWindow(camera, window, p_.geometry, p_.boxes, p_.link) == WindowSelection::NoSuchWindow)
        p_.link.globals.windowPixels = 0; // a camera that sees nothing passes through one empty window
    p_.host.showCameraBoxes();
}
