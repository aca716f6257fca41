#include "acquisition/temperature/PeltierTable.h"

#include <array>

namespace {

struct Row {
    PeltierAction action;
    std::array<int, 4> power;
};

// Rows in order of the error bands, from far below the set-point to far above.
constexpr std::array<Row, 9> kRows{{
    {PeltierAction::Heat, {220, 240, 245, 245}},     // e < -3
    {PeltierAction::Heat, {160, 200, 240, 245}},     // -3 <= e <= -1
    {PeltierAction::Heat, {100, 130, 160, 235}},     // -1 < e <= -0.5
    {PeltierAction::HoldHeat, {100, 130, 160, 240}}, // -0.5 < e <= 0
    {PeltierAction::HoldCool, {150, 170, 200, 200}}, // 0 < e <= 0.5
    {PeltierAction::Cool, {150, 170, 240, 245}},     // 0.5 < e <= 1
    {PeltierAction::Cool, {230, 237, 240, 245}},     // 1 < e <= 1.5
    {PeltierAction::Cool, {235, 241, 245, 245}},     // 1.5 < e <= 3
    {PeltierAction::Cool, {240, 243, 245, 245}},     // e > 3
}};

int rowFor(double e)
{
    if (e < -3) return 0;
    if (e <= -1) return 1;
    if (e <= -0.5) return 2;
    if (e <= 0) return 3;
    if (e <= 0.5) return 4;
    if (e <= 1) return 5;
    if (e <= 1.5) return 6;
    if (e <= 3) return 7;
    return 8;
}

} // namespace

PeltierChoice choosePeltier(double error, int stableCount, int runState)
{
    const int a = runState == 0 ? 20 : 10;
    const int column = stableCount < a ? 0 : stableCount < 2 * a ? 1 : stableCount < 3 * a ? 2 : 3;
    const Row& row = kRows[static_cast<std::size_t>(rowFor(error))];
    return {row.action, row.power[static_cast<std::size_t>(column)]};
}
