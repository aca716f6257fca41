#include "lib/SensorImage.h"

#include "lib/LedLighting.h"

#include <algorithm>

SensorImage::SensorImage(const InstrumentState& state, int camera, int frame)
    : grey_(static_cast<size_t>(kSide * kSide), 0)
{
    const std::vector<int> light = ledLightMap(state, camera);
    for (int line = 0; line < kSimSensorLines; ++line)
        for (int pixel = 0; pixel < kSimSensorPixels; ++pixel)
            grey_[static_cast<size_t>(line * kSide + pixel)] = light[static_cast<size_t>(line * kSimSensorPixels + pixel)];
    for (const SimWell& well : state.frames.plate.wells) {
        if (well.camera != camera)
            continue;
        for (int index = 0; index < kSimOrganismsPerWell; ++index) {
            const OrganismSpot spot = organismSpot(well, index, frame);
            for (int l = spot.line; l < spot.line + kSimOrganismSize; ++l)
                for (int p = spot.pixel; p < spot.pixel + kSimOrganismSize; ++p)
                    if (l >= 0 && l < kSide && p >= 0 && p < kSide) {
                        int& g = grey_[static_cast<size_t>(l * kSide + p)];
                        g = std::min(255, g + kSimOrganismGrey);
                    }
        }
    }
}

int SensorImage::grey(int line, int pixel) const
{
    if (line < 0 || line >= kSide || pixel < 0 || pixel >= kSide)
        return 0;
    return grey_[static_cast<size_t>(line * kSide + pixel)];
}
