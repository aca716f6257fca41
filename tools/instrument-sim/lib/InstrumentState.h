#pragma once

inline constexpr int kDefaultSimSerialNumber = 12;

// Everything the simulated instrument remembers between commands.
struct InstrumentState {
    int serialNumber = kDefaultSimSerialNumber;
};
