#include "lib/SimPlate.h"

#include "lib/LedLighting.h"

#include <algorithm>

namespace {

// Sensor pixels count from the far end of the row axis of the well tables.
constexpr int kRowAxisEnd = 183;

// A coordinate that bounces between low and high.
int bounce(int start, int travelled, int low, int high)
{
    const int span = high - low;
    if (span <= 0)
        return low;
    const int period = 2 * span;
    const int m = ((start - low + travelled) % period + period) % period;
    return low + (m <= span ? m : period - m);
}

} // namespace

SimPlate SimPlate::standard()
{
    // The default w24 tables: columns 5..75 and 75..142 of the lines, rows
    // 10..90 and 90..170 of the row axis.
    struct Span {
        int first;
        int last;
    };
    constexpr Span kColumns[] = {{5, 74}, {75, 139}};
    constexpr Span kRows[] = {{10, 89}, {90, 170}};
    SimPlate plate;
    for (int camera = 0; camera < 6; ++camera)
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r) {
                SimWell w;
                w.camera = camera;
                w.firstLine = kColumns[c].first;
                w.lastLine = std::min(kColumns[c].last, kSimSensorLines - 1);
                w.firstPixel = kRowAxisEnd - kRows[r].last;
                w.lastPixel = kRowAxisEnd - kRows[r].first;
                w.movement = c == 0 && r == 0 ? 2 : 0;
                plate.wells.push_back(w);
            }
    return plate;
}

OrganismSpot organismSpot(const SimWell& well, int index, int frame)
{
    // Spread over the well, each on its own heading: along the lines, across
    // them, and diagonally.
    static constexpr int kLineStep[] = {1, 0, 1};
    static constexpr int kPixelStep[] = {0, 1, 1};
    const int heading = index % 3;
    const int lineHigh = well.lastLine - kSimOrganismSize + 1;
    const int pixelHigh = well.lastPixel - kSimOrganismSize + 1;
    const int n = kSimOrganismsPerWell + 1;
    const int line0 = well.firstLine + (index + 1) * (lineHigh - well.firstLine) / n;
    const int pixel0 = well.firstPixel + (n - 1 - index) * (pixelHigh - well.firstPixel) / n;
    const int travelled = well.movement * frame;
    return {bounce(line0, kLineStep[heading] * travelled, well.firstLine, lineHigh),
            bounce(pixel0, kPixelStep[heading] * travelled, well.firstPixel, pixelHigh)};
}
