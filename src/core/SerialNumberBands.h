#pragma once

// What follows from an instrument's serial number. A missing instrument has
// serial number 0 and falls in the first band.
struct SerialNumberBand {
    int hardwareGeneration = 1;
    bool analogController = true; // the first generation's stage controller
    int defaultGain = 10;
    int exposureUnit = 20;
};

// Below 50: generation 1, analog, gain 10, unit 20; 50 to 56: generation 2,
// digital, gain 15, unit 20; 57 and above: generation 2, digital, gain 20, unit 28.
constexpr SerialNumberBand serialNumberBand(int serialNumber)
{
    if (serialNumber < 50)
        return {1, true, 10, 20};
    if (serialNumber <= 56)
        return {2, false, 15, 20};
    return {2, false, 20, 28};
}
