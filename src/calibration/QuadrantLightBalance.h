#pragma once

#include "calibration/QuadrantLedRules.h"
#include "plate/files/LedTables.h"
#include "plate/geometry/PlateGeometry.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A window's pixel tables as the run's camera set-up builds them: for pixel
// number j (from 1) the well index of the well it lies in and its offsets
// inside that well's column range (x) and row range (y).
struct WindowPixelTables {
    const std::vector<int>& wellIndex;
    const std::vector<int>& x;
    const std::vector<int>& y;
};

// One window frame of the lighting round and what the balance reads around it.
struct QuadrantBalanceInput {
    int camera = 0;
    int window = 0;                 // the camera's plate row counted from its first row
    const QByteArray& frame;        // byte j - 1 is pixel number j
    int windowPixels = 0;
    WindowPixelTables pixels;
    const CameraWindowTables& geometry;
    QString plateFormat;            // cmb_well
    int hardwareGeneration = 1;
};

// The light of one well: halves' sums and per-quadrant counts.
struct WellQuadrantLight {
    double lowX = 0, highX = 0, lowY = 0, highY = 0;
    int saturated[4] = {0, 0, 0, 0}; // above 240, quadrants 1 to 4
    int dark[4] = {0, 0, 0, 0};      // below 40
};

// The centroid step count from the shares A and B: (|0.5 - B| + |0.5 - A|) / 2 x 10,
// halves to even, at least 1.
int centroidSteps(double a, double b);

// Steps for a quadrant's saturated count (0: no call) and dark count.
int saturationSteps(int saturated);
int darkSteps(int dark);

// Changes every picked LED of the camera count + 1 times, within 0 to 8.
void AdjustQuadrantLeds(LedTable& leds, const QuadrantRuleKey& key, LedAdjustment adjustment, int quadrant, int count);

// BalanceWellQuadrantLight: examines the window's wells one after the other
// and lowers or raises ledPower of the LEDs lighting an offending quarter.
// Pixels past the end of a short frame are skipped; a well with no light on
// an axis has no centroid and gets no centroid dimming.
void BalanceWellQuadrantLight(const QuadrantBalanceInput& in, LedTable& leds);
