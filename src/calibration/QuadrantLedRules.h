#pragma once

#include <QString>

// The eight LED adjusters of the quadrant balance: one dimming and one
// brightening adjuster per quarter of a well (1 low X low Y, 2 high X low Y,
// 3 low X high Y, 4 high X high Y).
enum class LedAdjustment { Dim, Brighten };

// Where the adjuster acts: the plate format (cmb_well), the hardware
// generation (1, any other value the second), the camera, and for "w24" the
// well's window (0 or 1) and column (0 or 1) inside the camera's block.
struct QuadrantRuleKey {
    QString plateFormat;
    int hardwareGeneration = 1;
    int camera = 0;
    int window = 0;
    int column = 0;
};

// Whether the adjuster picks the LED at column c and row f of its camera's LED
// block (both counted from 1). Formats other than "p35", "w6" and "w24" pick none.
bool ledPickedForQuadrant(const QuadrantRuleKey& key, LedAdjustment adjustment, int quadrant, int c, int f);
