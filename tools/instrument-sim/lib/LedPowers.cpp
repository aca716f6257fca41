#include "lib/LedPowers.h"

int simHardwareGeneration(int serialNumber) { return serialNumber < 50 ? 1 : 2; }

int simLedBankSplit(int generation) { return generation == 1 ? 208 : 192; }
