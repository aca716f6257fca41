#include "calibration/QuadrantLedRules.h"

#include <array>
#include <initializer_list>

namespace {

// LED columns cLow..cHigh and rows fLow..fHigh, inclusive.
struct LedBlock {
    int cLow, cHigh, fLow, fHigh;
    bool holds(int c, int f) const { return c >= cLow && c <= cHigh && f >= fLow && f <= fHigh; }
};

constexpr int kAny = 99; // no upper bound within a camera's block

bool anyHolds(std::initializer_list<LedBlock> blocks, int c, int f)
{
    for (const LedBlock& b : blocks)
        if (b.holds(c, f))
            return true;
    return false;
}

// "p35" and "w6": one well per camera.
bool singleWellRule(const QuadrantRuleKey& key, LedAdjustment adjustment, int quadrant, int c, int f)
{
    const bool gen1 = key.hardwareGeneration == 1;
    const bool middlePair = key.camera == 2 || key.camera == 3;
    if (adjustment == LedAdjustment::Dim) {
        switch (quadrant) {
        case 1: return anyHolds({{1, 4, 1, 4}}, c, f);
        case 2: return anyHolds({{5, kAny, 1, 4}}, c, f);
        case 3: return anyHolds({{1, 4, 5, kAny}}, c, f);
        case 4: return anyHolds({{5, kAny, 5, kAny}}, c, f);
        default: return false;
        }
    }
    switch (quadrant) {
    case 1: return anyHolds({{1, 2, 1, 2}, {1, 1, 3, 3}, {3, 3, 1, 1}}, c, f);
    case 2:
        if (gen1 && middlePair)
            return anyHolds({{7, kAny, 1, 2}, {8, 8, 3, 3}, {6, 6, 1, 1}}, c, f);
        return anyHolds({{8, kAny, 1, 2}, {9, 9, 3, 3}, {7, 7, 1, 1}}, c, f);
    case 3:
        if (gen1)
            return anyHolds({{1, 2, 7, kAny}, {1, 1, 6, 6}, {3, 3, 8, 8}}, c, f);
        return anyHolds({{1, 2, 7, kAny}, {1, 1, 6, 6}, {3, 3, 7, 7}}, c, f);
    case 4:
        if (!gen1)
            return anyHolds({{8, kAny, 7, kAny}, {9, 9, 6, 6}, {7, 7, 7, 7}}, c, f);
        if (middlePair)
            return anyHolds({{7, kAny, 7, kAny}, {8, 8, 6, 6}, {6, 6, 8, 8}}, c, f);
        return anyHolds({{8, kAny, 7, kAny}, {9, 9, 6, 6}, {7, 7, 8, 8}}, c, f);
    default: return false;
    }
}

// One row of a "w24" table: the cameras it covers and its block for the wells
// at window 0 column 0, window 0 column 1, window 1 column 0, window 1 column 1.
struct W24Row {
    LedAdjustment adjustment;
    int quadrant;
    int firstCamera, lastCamera;
    std::array<LedBlock, 4> wells;
};

constexpr LedAdjustment D = LedAdjustment::Dim;
constexpr LedAdjustment B = LedAdjustment::Brighten;

constexpr W24Row kW24Generation1[] = {
    {D, 1, 0, 1, {{{1, 3, 1, 2}, {5, 6, 1, 2}, {1, 3, 3, 4}, {5, 6, 3, 4}}}},
    {D, 1, 2, 5, {{{1, 2, 1, 2}, {5, 6, 1, 2}, {1, 2, 3, 4}, {5, 6, 3, 4}}}},
    {D, 2, 0, 1, {{{4, 5, 1, 2}, {8, 9, 1, 2}, {4, 5, 5, 6}, {8, 9, 5, 6}}}},
    {D, 2, 2, 3, {{{3, 4, 1, 2}, {7, 8, 1, 2}, {3, 4, 5, 6}, {7, 8, 5, 6}}}},
    {D, 2, 4, 5, {{{3, 4, 1, 2}, {8, 9, 1, 2}, {3, 4, 5, 6}, {8, 9, 5, 6}}}},
    {D, 3, 0, 1, {{{1, 3, 3, 4}, {5, 6, 3, 4}, {1, 3, 7, 8}, {5, 6, 7, 8}}}},
    {D, 3, 2, 5, {{{1, 2, 3, 4}, {5, 6, 3, 4}, {1, 2, 7, 8}, {5, 6, 7, 8}}}},
    {D, 4, 0, 1, {{{4, 5, 3, 4}, {8, 9, 3, 4}, {4, 5, 7, 8}, {8, 9, 7, 8}}}},
    {D, 4, 2, 3, {{{3, 4, 3, 4}, {7, 8, 3, 4}, {3, 4, 7, 8}, {7, 8, 7, 8}}}},
    {D, 4, 4, 5, {{{3, 4, 3, 4}, {7, 9, 3, 4}, {3, 4, 7, 8}, {7, 9, 7, 8}}}},
    {B, 1, 0, 1, {{{1, 2, 1, 1}, {6, 6, 1, 1}, {1, 2, 5, 5}, {6, 6, 5, 5}}}},
    {B, 1, 2, 3, {{{1, 1, 1, 1}, {5, 5, 1, 1}, {1, 1, 5, 5}, {5, 5, 5, 5}}}},
    {B, 1, 4, 5, {{{1, 1, 1, 1}, {6, 6, 1, 1}, {1, 1, 5, 5}, {6, 6, 5, 5}}}},
    {B, 2, 0, 1, {{{5, 5, 1, 1}, {9, 9, 1, 1}, {5, 5, 5, 5}, {9, 9, 5, 5}}}},
    {B, 2, 2, 3, {{{4, 4, 1, 1}, {8, 8, 1, 1}, {4, 4, 5, 5}, {8, 8, 5, 5}}}},
    {B, 2, 4, 5, {{{4, 4, 1, 1}, {9, 9, 1, 1}, {4, 4, 5, 5}, {9, 9, 5, 5}}}},
    {B, 3, 0, 1, {{{1, 2, 4, 4}, {5, 6, 4, 4}, {1, 2, 8, 8}, {5, 6, 8, 8}}}},
    {B, 3, 2, 5, {{{1, 1, 4, 4}, {5, 6, 4, 4}, {1, 1, 8, 8}, {5, 6, 8, 8}}}},
    {B, 4, 0, 1, {{{4, 5, 4, 4}, {8, 9, 4, 4}, {4, 5, 8, 8}, {8, 9, 8, 8}}}},
    {B, 4, 2, 3, {{{4, 4, 4, 4}, {8, 8, 4, 4}, {4, 4, 8, 8}, {8, 8, 8, 8}}}},
    {B, 4, 4, 5, {{{4, 5, 4, 4}, {8, 9, 4, 4}, {4, 4, 8, 8}, {8, 9, 8, 8}}}},
};

constexpr W24Row kW24Generation2[] = {
    {D, 1, 0, 5, {{{1, 2, 1, 2}, {6, 7, 1, 2}, {1, 2, 3, 4}, {6, 7, 3, 4}}}},
    {D, 2, 0, 5, {{{3, 4, 1, 2}, {8, 9, 1, 2}, {3, 4, 4, 5}, {8, 9, 4, 5}}}},
    {D, 3, 0, 5, {{{1, 2, 3, 4}, {6, 6, 3, 4}, {1, 2, 6, 7}, {6, 6, 6, 7}}}},
    {D, 4, 0, 5, {{{3, 4, 3, 4}, {8, 9, 3, 4}, {3, 4, 6, 7}, {8, 9, 6, 7}}}},
    {B, 1, 0, 5, {{{1, 3, 1, 2}, {6, 6, 1, 2}, {1, 2, 4, 5}, {6, 6, 4, 5}}}},
    {B, 2, 0, 5, {{{4, 4, 1, 2}, {8, 9, 1, 1}, {4, 4, 4, 5}, {8, 9, 4, 5}}}},
    {B, 3, 0, 5, {{{1, 2, 3, 4}, {5, 6, 3, 4}, {1, 2, 6, 7}, {5, 6, 6, 7}}}},
    {B, 4, 0, 5, {{{3, 4, 3, 4}, {8, 9, 3, 4}, {3, 4, 6, 7}, {8, 9, 6, 7}}}},
};

template <size_t N>
bool w24Rule(const W24Row (&table)[N], const QuadrantRuleKey& key, LedAdjustment adjustment, int quadrant, int c,
             int f)
{
    if (key.window < 0 || key.window > 1 || key.column < 0 || key.column > 1)
        return false;
    for (const W24Row& row : table) {
        if (row.adjustment == adjustment && row.quadrant == quadrant && key.camera >= row.firstCamera &&
            key.camera <= row.lastCamera)
            return row.wells[size_t(key.window * 2 + key.column)].holds(c, f);
    }
    return false;
}

} // namespace

bool ledPickedForQuadrant(const QuadrantRuleKey& key, LedAdjustment adjustment, int quadrant, int c, int f)
{
    if (key.plateFormat == QLatin1String("p35") || key.plateFormat == QLatin1String("w6"))
        return singleWellRule(key, adjustment, quadrant, c, f);
    if (key.plateFormat == QLatin1String("w24"))
        return key.hardwareGeneration == 1 ? w24Rule(kW24Generation1, key, adjustment, quadrant, c, f)
                                           : w24Rule(kW24Generation2, key, adjustment, quadrant, c, f);
    return false;
}
