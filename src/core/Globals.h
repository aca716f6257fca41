#pragma once

#include "core/SerialNumberBands.h"

#include <QString>
#include <array>

// Wells and groups are indexed 0 to 384 by well index (column * rows + row).
inline constexpr int kWellSlots = 385;

// The group of each well and the name and use of each group.
struct WellGroupTable {
    std::array<QString, kWellSlots> groupName;
    std::array<int, kWellSlots> wellGroup;
    std::array<bool, kWellSlots> groupUsed;

    WellGroupTable() { clear(); }
    void clear()
    {
        groupName.fill(QStringLiteral("Free"));
        wellGroup.fill(-1);
        groupUsed.fill(false);
    }
};

// The record every window shares. The application owns one and passes it by
// reference; a test builds its own.
struct Globals {
    int serialNumber = 0;            // 0 when no instrument answered
    int hardwareGeneration = 1;      // 1 below serial number 50, else 2
    bool portOpen = false;
    int commPort = 0;                // 1 to 16 while a port is open
    int dummyMode = 0;               // 1: simulated, nothing is sent
    bool flashBusy = false;          // a flash send, read-back, ReCalc or mask upload runs
    QString runFolder;               // program folder, then the current run's folder
    int defaultGain = 10;
    int exposureUnit = 20;
    int windowPixels = 0;
    double tempOffset = -16.34;
    double tempSlope = 1.732;
    WellGroupTable groups;

    // The serial module's last failure; only failures write it.
    qint32 commLastError = 0;
    QString commErrorSource;
    QString commErrorText;

    // Sets the serial number and what follows from it: generation, gain, exposure unit.
    // Every place that sets the serial number goes through here.
    void applySerialNumber(int sn)
    {
        const SerialNumberBand band = serialNumberBand(sn);
        serialNumber = sn;
        hardwareGeneration = band.hardwareGeneration;
        defaultGain = band.defaultGain;
        exposureUnit = band.exposureUnit;
    }
};
