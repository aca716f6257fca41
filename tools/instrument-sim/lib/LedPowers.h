#pragma once

#include <array>

inline constexpr int kSimLedCount = 416;

// The power each LED was last given, by LED number.
using LedPowers = std::array<int, kSimLedCount>;

// Grey levels one power step of an LED adds where it shines, unless a test sets its own.
inline constexpr int kSimDefaultLightPerPowerStep = 12;

inline LedPowers uniformLedValues(int value)
{
    LedPowers values{};
    values.fill(value);
    return values;
}

// The instrument's hardware generation follows its serial number: 1 below 50, else 2.
int simHardwareGeneration(int serialNumber);

// Where the bank of "l" begins: 208 on generation 1, 192 on generation 2.
int simLedBankSplit(int generation);
