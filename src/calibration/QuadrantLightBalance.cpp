#include "calibration/QuadrantLightBalance.h"

#include "plate/geometry/PlateFormat.h"

#include <cmath>

namespace {

constexpr int kSaturated = 240;
constexpr int kDark = 40;
constexpr int kMaxPower = 8;
constexpr double kBalancedLow = 0.45;
constexpr double kBalancedHigh = 0.55;

// Which side of the balanced band a share lies on: +1 above, -1 below, 0 within.
int side(double share)
{
    if (share > kBalancedHigh)
        return 1;
    if (share < kBalancedLow)
        return -1;
    return 0;
}

// The quadrants the light gathers in, first dimmed first; 0 for none. A is the
// low-X share, B the low-Y share: a high A means light on the low-X side.
std::pair<int, int> centroidQuadrants(double a, double b)
{
    static const int table[3][3][2] = {
        // A > 0.55   balanced    A < 0.45
        {{1, 0}, {1, 2}, {2, 0}}, // B > 0.55
        {{1, 3}, {0, 0}, {2, 4}}, // balanced
        {{3, 0}, {3, 4}, {4, 0}}, // B < 0.45
    };
    const int row = 1 - side(b);
    const int col = 1 - side(a);
    return {table[row][col][0], table[row][col][1]};
}

WellQuadrantLight measureWell(const QuadrantBalanceInput& in, int wellIndex, double width, double height)
{
    WellQuadrantLight w;
    const int frameLength = int(in.frame.size());
    for (int j = 1; j <= in.windowPixels; ++j) {
        if (j >= int(in.pixels.wellIndex.size()) || j >= int(in.pixels.x.size()) || j >= int(in.pixels.y.size()))
            break;
        if (in.pixels.wellIndex[size_t(j)] != wellIndex)
            continue;
        if (j > frameLength)
            continue; // a short frame: the pixel was not delivered
        const int v = static_cast<unsigned char>(in.frame[j - 1]);
        const bool lowX = in.pixels.x[size_t(j)] < width / 2;
        const bool lowY = in.pixels.y[size_t(j)] < height / 2;
        (lowX ? w.lowX : w.highX) += v;
        (lowY ? w.lowY : w.highY) += v;
        const int q = (lowX ? 0 : 1) + (lowY ? 0 : 2);
        if (v > kSaturated)
            ++w.saturated[q];
        if (v < kDark)
            ++w.dark[q];
    }
    return w;
}

} // namespace

int centroidSteps(double a, double b)
{
    const auto n = static_cast<int>(std::nearbyint((std::fabs(0.5 - b) + std::fabs(0.5 - a)) / 2 * 10));
    return n < 1 ? 1 : n;
}

int saturationSteps(int s)
{
    if (s > 400)
        return 5;
    if (s > 200)
        return 4; // 201 to 300 as 301 to 400
    if (s > 100)
        return 3;
    if (s > 50)
        return 2;
    return 0;
}

int darkSteps(int d)
{
    if (d > 200)
        return 2;
    if (d > 100)
        return 1;
    return 0;
}

void AdjustQuadrantLeds(LedTable& leds, const QuadrantRuleKey& key, LedAdjustment adjustment, int quadrant, int count)
{
    for (int led = 0; led < kLedCount; ++led) {
        if (leds.ledCamera[size_t(led)] != key.camera ||
            !ledPickedForQuadrant(key, adjustment, quadrant, leds.ledColcam[size_t(led)], leds.ledFilcam[size_t(led)]))
            continue;
        int& power = leds.ledPower[size_t(led)];
        for (int pass = 0; pass <= count; ++pass) {
            if (adjustment == LedAdjustment::Dim && power > 0)
                --power;
            else if (adjustment == LedAdjustment::Brighten && power < kMaxPower)
                ++power;
        }
    }
}

void BalanceWellQuadrantLight(const QuadrantBalanceInput& in, LedTable& leds)
{
    const PlateFormat format = resolvePlateFormat(in.plateFormat);
    const auto cam = size_t(in.camera);
    if (in.camera < 0 || in.camera >= kCameraCount || in.geometry.firstColumn[cam] < 0 ||
        in.geometry.firstRow[cam] < 0 || in.window < 0 || in.window >= kRowWindows)
        return;
    const int columns = in.geometry.lastColumn[cam] - in.geometry.firstColumn[cam];
    for (int i = 0; i <= columns && i < kColumnWindows; ++i) {
        const int c = in.geometry.firstColumn[cam] + i;
        const int r = in.geometry.firstRow[cam] + in.window;
        const double width = in.geometry.columnEnd[cam][size_t(i)] - in.geometry.columnStart[cam][size_t(i)];
        const double height = in.geometry.rowEnd[cam][size_t(in.window)] - in.geometry.rowStart[cam][size_t(in.window)];
        const WellQuadrantLight w = measureWell(in, c * format.rows + r, width, height);
        const QuadrantRuleKey key{in.plateFormat, in.hardwareGeneration, in.camera, in.window, i};

        if (w.lowX + w.highX > 0 && w.lowY + w.highY > 0) {
            const double a = w.lowX / (w.lowX + w.highX);
            const double b = w.lowY / (w.lowY + w.highY);
            const int n = centroidSteps(a, b);
            const auto [first, second] = centroidQuadrants(a, b);
            for (const int q : {first, second})
                if (q != 0)
                    AdjustQuadrantLeds(leds, key, LedAdjustment::Dim, q, n);
        }
        for (int q = 1; q <= 4; ++q)
            if (const int s = saturationSteps(w.saturated[q - 1]))
                AdjustQuadrantLeds(leds, key, LedAdjustment::Dim, q, s);
        for (int q = 1; q <= 4; ++q)
            if (const int d = darkSteps(w.dark[q - 1]))
                AdjustQuadrantLeds(leds, key, LedAdjustment::Brighten, q, d);
    }
}
