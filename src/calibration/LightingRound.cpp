#include "calibration/LightingRound.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "link/commands/CameraSettings.h"
#include "link/frames/FrameRunReaders.h"
#include "picture/PictureCanvas.h"
#include "plate/files/LedFiles.h"
#include "plate/files/LedPowerFiles.h"
#include "plate/geometry/FrameCutTables.h"
#include "plate/geometry/PlateFormat.h"

#include <QColor>

#include <algorithm>

namespace {

// Window rows are mirrored about this pixel of a line.
constexpr int kMirrorPixel = 183;
constexpr int kRoundEndPauseMs = 1500;

bool running(const LightingRound& r) { return r.runState == 1; }

bool isDummy(const LightingRound& r) { return r.ctx.globals.dummyMode == 1; }

void showRunCameraSettings(LightingRound& r)
{
    CameraBoxes& b = r.frames.boxes;
    b.txt_speed = QString::number(r.cameraSpeed);
    b.txt_exposure = QString::number(r.cameraExposure);
    b.txt_gain = QString::number(r.ctx.globals.defaultGain);
}

// Whether the camera sees a window of the format that the tables can hold.
bool windowInTables(const CameraWindowTables& g, int camera, int window)
{
    if (camera < 0 || camera >= kCameraCount || window < 0 || window >= kRowWindows)
        return false;
    const auto c = size_t(camera);
    const int lastColumn = g.lastColumn[c] - g.firstColumn[c];
    return g.firstColumn[c] >= 0 && g.firstRow[c] >= 0 && lastColumn >= 0 && lastColumn < kColumnWindows;
}

// Dummy mode's frame: (lines - 1) x (pixels - 1) random grey values.
QByteArray randomFrame(const LightingRound& r)
{
    const CameraBoxes& b = r.frames.boxes;
    const int n = (int(textValue(b.txt_xfin)) - int(textValue(b.txt_xini))) *
                  (int(textValue(b.txt_yfin)) - int(textValue(b.txt_yini)));
    QByteArray frame;
    for (int i = 0; i < n; ++i)
        frame += char(roundHalfEven(r.random() * 255));
    return frame;
}

QByteArray readCut(LightingRound& r, int camera, int window)
{
    return ReadCameraFrameCut(r.ctx, r.frames.boxes, frameCutLayout(r.geometry, camera, window), camera).text();
}

QuadrantBalanceInput balanceInput(const LightingRound& r, int camera, int window, const QByteArray& frame)
{
    return {camera,
            window,
            frame,
            r.windowPixels,
            r.tables.pixels(camera, window),
            r.geometry,
            r.plateFormat,
            r.ctx.globals.hardwareGeneration};
}

} // namespace

int lightingWindowPixels(const CameraWindowTables& g, int camera, int window)
{
    if (!windowInTables(g, camera, window))
        return 0;
    const auto c = size_t(camera);
    const auto last = size_t(g.lastColumn[c] - g.firstColumn[c]);
    return (g.rowEnd[c][size_t(window)] - g.rowStart[c][size_t(window)] + 1) * (g.columnEnd[c][last] - g.columnStart[c][0]);
}

int SetWindowForCameraColumn(LightingRound& r, int camera, int window)
{
    r.currentCamera = camera;
    r.currentWindow = window;
    r.view.showCameraButtons(camera);
    if (!windowInTables(r.geometry, camera, window))
        return 0;
    const auto c = size_t(camera);
    const auto w = size_t(window);
    const auto last = size_t(r.geometry.lastColumn[c] - r.geometry.firstColumn[c]);
    CameraBoxes& b = r.frames.boxes;
    const int xini = r.geometry.columnStart[c][0];
    const int xfin = r.geometry.columnEnd[c][last];
    const int yini = kMirrorPixel - r.geometry.rowEnd[c][w];
    const int yfin = kMirrorPixel - r.geometry.rowStart[c][w];
    b.txt_xini = QString::number(xini);
    b.txt_xfin = QString::number(xfin);
    b.txt_yini = QString::number(yini);
    b.txt_yfin = QString::number(yfin);
    b.txt_lines = QString::number(xfin - xini + 1);
    b.txt_pix = QString::number(yfin - yini + 1);
    r.windowPixels = lightingWindowPixels(r.geometry, camera, window);
    r.tables.sizeWindowBuffers(r.windowPixels);
    // Each step of the set-up shows its own outcome; the round goes on regardless.
    if (!isDummy(r))
        (void)ApplyCameraSettings(b, r.ctx);
    return 0;
}

void DrawWellPixelsOnMap(PictureCanvas& plate, const QuadrantBalanceInput& in)
{
    const PlateFormat format = resolvePlateFormat(in.plateFormat);
    if (format.rows <= 0 || format.columns <= 0 || !windowInTables(in.geometry, in.camera, in.window))
        return;
    const auto cam = size_t(in.camera);
    const auto w = size_t(in.window);
    const double cellWidth = 100.0 / format.columns;
    const double cellHeight = 250.0 / format.rows;
    const int height = in.geometry.rowEnd[cam][w] - in.geometry.rowStart[cam][w];
    const int columns = in.geometry.lastColumn[cam] - in.geometry.firstColumn[cam];
    const int pixelsKnown = std::min({int(in.pixels.wellIndex.size()), int(in.pixels.x.size()), int(in.pixels.y.size())});
    for (int i = 0; i <= columns; ++i) {
        const int c = in.geometry.firstColumn[cam] + i;
        const int row = in.geometry.firstRow[cam] + in.window;
        const int width = in.geometry.columnEnd[cam][size_t(i)] - in.geometry.columnStart[cam][size_t(i)];
        if (width == 0 || height == 0)
            return; // a column or row of no width: nothing to scale by
        const double x0 = double(roundHalfEven(cellWidth * c));
        const double y0 = double(roundHalfEven(cellHeight * row));
        const int well = c * format.rows + row;
        for (int j = 1; j <= in.windowPixels && j < pixelsKnown; ++j) {
            if (in.pixels.wellIndex[size_t(j)] != well)
                continue;
            if (j > in.frame.size())
                return; // a short frame ends the window's drawing
            const int v = static_cast<unsigned char>(in.frame[j - 1]);
            const double x = double(in.pixels.x[size_t(j)]) / width * cellWidth + x0;
            const double y = double(in.pixels.y[size_t(j)]) / height * cellHeight + y0;
            plate.line(x, y, x + 1, y + 1, QColor(v, v, v));
        }
    }
}

void RunAutoreferenceRound(LightingRound& r)
{
    CameraBoxes& boxes = r.frames.boxes;
    r.view.prepareLivePicture();
    boxes.txt_cam = QStringLiteral("0");
    showRunCameraSettings(r);
    r.view.showCameraButtons(0);
    r.view.redrawPlate();
    r.tables.resetRunCounters();

    // Formats without targets keep their stored powers: nothing is calibrated or written.
    const bool hasTargets = autocalibrationTargets(r.plateFormat).has_value();
    const QString powerFile = ledPowerFilePath(r.folder, r.ctx.globals.serialNumber);
    for (int camera = 0; camera < kCameraCount; ++camera) {
        r.currentCamera = camera;
        if (!r.cameraEnabled[size_t(camera)] || r.geometry.firstRow[size_t(camera)] < 0)
            continue;
        if (!running(r))
            return;
        boxes.txt_cam = QString::number(camera);
        if (hasTargets) {
            CameraLedAutocalibration c{r.ctx, r.folder, r.frames, r.leds, r.wellMask, r.runState, r.plateFormat,
                                       r.autocalibrationView};
            AutocalibrateCameraLeds(c);
            if (!running(r))
                return;
        }
        SendCameraLedPowersFromFile(r.ctx, r.runState, powerFile, r.leds.ledCamera, camera);

        const int windows = r.geometry.lastRow[size_t(camera)] - r.geometry.firstRow[size_t(camera)];
        for (int window = 0; window <= windows && window < kRowWindows; ++window) {
            r.currentWindow = window;
            showRunCameraSettings(r);
            SetWindowForCameraColumn(r, camera, window);
            if (!running(r))
                return;
            QByteArray frame = readCut(r, camera, window);
            r.view.whitenCameraButton(0);
            if (isDummy(r)) {
                frame = randomFrame(r);
            } else {
                if (!running(r))
                    return;
                frame = readCut(r, camera, window);
            }
            if (frame.isEmpty() || frame.startsWith("Error"))
                continue;

            DrawWellPixelsOnMap(r.platePicture, balanceInput(r, camera, window, frame));
            if (!running(r))
                return;
            BalanceWellQuadrantLight(balanceInput(r, camera, window, frame), r.leds);
            if (!running(r))
                return;
            if (hasTargets) {
                WriteLedPowerFile(r.folder, r.ctx.globals.serialNumber, r.leds);
                if (!running(r))
                    return;
            }
            SendCameraLedPowersFromFile(r.ctx, r.runState, powerFile, r.leds.ledCamera, camera);
            if (!running(r))
                return;
            const QByteArray fresh = readCut(r, camera, window);
            if (!running(r))
                return;
            DrawWellPixelsOnMap(r.platePicture, balanceInput(r, camera, window, fresh));
            if (!running(r))
                return;
        }
    }
    r.currentCamera = kCameraCount;
    r.view.hideCalibrationPanel();
    r.ctx.clock.processEvents();
    r.ctx.clock.sleepMs(kRoundEndPauseMs);
    r.ctx.clock.processEvents();
}
