#pragma once

#include "plate/files/LedRows.h"

// One of the 416 LEDs: the camera whose image it lights, its column and row in
// that camera's block, the image rectangle it lights, and its power (0 to 8).
struct LedEntry {
    int camera = 0;
    int colcam = 0;
    int filcam = 0;
    int x1 = 0;
    int x2 = 0;
    int y1 = 0;
    int y2 = 0;
    int power = 0;

    bool operator==(const LedEntry&) const = default;
};

// The LED table of a window, kept as one array per field and indexed by LED
// number, so a sender can take the cameras alone. All zero until loaded.
struct LedTable {
    LedValues ledCamera{};
    LedValues ledColcam{};
    LedValues ledFilcam{};
    LedValues ledX1{};
    LedValues ledX2{};
    LedValues ledY1{};
    LedValues ledY2{};
    LedValues ledPower{};

    // The entry of an LED 0 to 415 (an empty entry for any other number;
    // setEntry ignores one).
    LedEntry entry(int led) const;
    void setEntry(int led, const LedEntry& e);
    void clear() { *this = LedTable{}; }

    bool operator==(const LedTable&) const = default;
};
