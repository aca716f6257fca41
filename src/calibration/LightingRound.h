#pragma once

#include "calibration/CameraLedAutocalibration.h"
#include "calibration/QuadrantLightBalance.h"
#include "plate/files/CamConf.h"
#include "plate/geometry/PlateGeometry.h"

#include <QByteArray>

#include <functional>

class PictureCanvas;

// What the lighting round shows on the main window besides the boxes.
class LightingRoundView {
public:
    virtual ~LightingRoundView() = default;
    // Picrealtime: 0..100 both ways, the drawing colour replacing the pixels.
    virtual void prepareLivePicture() = 0;
    // The six camera buttons white, `grey` (0 to 5) grey; -1 leaves all white.
    virtual void showCameraButtons(int grey) = 0;
    virtual void whitenCameraButton(int button) = 0;
    // DrawPlateLayout of the run's format on Picact.
    virtual void redrawPlate() = 0;
    virtual void hideCalibrationPanel() = 0; // frm_calibrate
};

// What the round needs of the run's state: the pixel tables of the camera
// set-up, and the run's counters and window buffers it makes again.
class RunWindowTables {
public:
    virtual ~RunWindowTables() = default;
    virtual WindowPixelTables pixels(int camera, int window) const = 0;
    // The run's counters (sample frames, scan time and index, sample and retry
    // counts, time over) are reset once before the cameras.
    virtual void resetRunCounters() = 0;
    // The window buffers are made again, zero, for `windowPixels`.
    virtual void sizeWindowBuffers(int windowPixels) = 0;
};

// What the round works on: the main window's link, boxes, LED table, run
// state and the run's camera set-up.
struct LightingRound {
    LinkContext& ctx;
    ProgramFolder folder;
    FrameWindow frames; // boxes and frame buffer of the main window
    LedTable& leds;
    const WellMask& wellMask;
    const int& runState;
    QString plateFormat; // cmb_well
    const CameraFlags& cameraEnabled;
    int cameraSpeed = 0;
    int cameraExposure = 0;
    const CameraWindowTables& geometry;
    RunWindowTables& tables;
    PictureCanvas& platePicture; // Picact
    AutocalibrationView& autocalibrationView;
    LightingRoundView& view;
    std::function<double()> random; // uniform in [0, 1), for dummy mode's frames

    int currentCamera = 0;
    int currentWindow = 0;
    int windowPixels = 0;
};

// The window's pixel count: (rowEnd - rowStart + 1) x (last column's end - first
// column's start), the pixels per line times one less than the line count.
int lightingWindowPixels(const CameraWindowTables& geometry, int camera, int window);

// SetWindowForCameraColumn: the camera's whole width by one of its well rows,
// the row bounds mirrored about 183, into the boxes and (unless in dummy mode)
// to the instrument; sizes the window buffers. Always 0.
int SetWindowForCameraColumn(LightingRound& r, int camera, int window);

// DrawWellPixelsOnMap: the frame's well pixels in grey on the plate picture,
// each at its place inside its well's cell. Pixels past the end of a short
// frame end the drawing of the window.
void DrawWellPixelsOnMap(PictureCanvas& plate, const QuadrantBalanceInput& in);

// RunAutoreferenceRound: for each enabled camera the LED autocalibration and
// its powers sent, then window by window a frame, its drawing, the quadrant
// balance, the powers saved and sent, and a fresh frame drawn. Returns at once
// whenever runState is no longer 1.
void RunAutoreferenceRound(LightingRound& r);
