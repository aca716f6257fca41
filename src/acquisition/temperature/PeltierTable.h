#pragma once

// One regulation command chosen from the error and how long the stage stood still.
enum class PeltierAction { Heat, Cool, HoldHeat, HoldCool };

struct PeltierChoice {
    PeltierAction action;
    int power;
    bool operator==(const PeltierChoice&) const = default;
};

// Column limits are 20/40/60 steps when idle and 10/20/30 during a run.
PeltierChoice choosePeltier(double error, int stableCount, int runState);
