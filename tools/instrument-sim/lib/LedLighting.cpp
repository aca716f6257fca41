#include "lib/LedLighting.h"

#include <algorithm>
#include <array>

namespace {

struct Block {
    int camera;
    int firstLed;
    int columns;
};

struct Layout {
    int rows;
    std::array<Block, 6> blocks;
};

// The blocks in LED number order: the even cameras below the bank split, the odd ones from it.
constexpr Layout kGeneration1{8, {{{0, 0, 9}, {2, 72, 8}, {4, 136, 9}, {1, 208, 9}, {3, 280, 8}, {5, 344, 9}}}};
constexpr Layout kGeneration2{7, {{{0, 0, 9}, {2, 64, 9}, {4, 128, 9}, {1, 192, 9}, {3, 256, 9}, {5, 320, 9}}}};

constexpr int kMaxGrey = 255;

} // namespace

std::optional<LedSpot> ledSpot(int generation, int led)
{
    const Layout& layout = generation == 1 ? kGeneration1 : kGeneration2;
    for (const Block& b : layout.blocks) {
        const int k = led - b.firstLed;
        if (k < 0 || k >= b.columns * layout.rows)
            continue;
        const int column = k / layout.rows;
        const int row = k % layout.rows;
        return LedSpot{b.camera,
                       column * kSimSensorLines / b.columns,
                       (column + 1) * kSimSensorLines / b.columns - 1,
                       row * kSimSensorPixels / layout.rows,
                       (row + 1) * kSimSensorPixels / layout.rows - 1};
    }
    return std::nullopt;
}

std::vector<int> ledLightMap(const InstrumentState& state, int camera)
{
    std::vector<int> light(static_cast<size_t>(kSimSensorLines * kSimSensorPixels), 0);
    const int generation = simHardwareGeneration(state.serialNumber);
    for (int led = 0; led < kSimLedCount; ++led) {
        const int power = state.ledPower[static_cast<size_t>(led)];
        const std::optional<LedSpot> s = ledSpot(generation, led);
        if (power <= 0 || !s || s->camera != camera)
            continue;
        for (int line = s->firstLine; line <= s->lastLine; ++line)
            for (int pixel = s->firstPixel; pixel <= s->lastPixel; ++pixel)
                light[static_cast<size_t>(line * kSimSensorPixels + pixel)] += power * state.ledLightPerStep[static_cast<size_t>(led)];
    }
    for (int& v : light)
        v = std::min(v, kMaxGrey);
    return light;
}
