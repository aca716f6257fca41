#pragma once

#include <QString>

class Prompts;
struct Globals;

// The page's "Calibrate" of its temperature calibration menu. Offline without
// dummy mode it shows "Operation not possible in OFFLINE Mode" and returns
// false; otherwise the page's copy of the offset takes the shared one. The page
// has no calibration panel to open.
bool calibrateTemperatureOnPage(const Globals& globals, Prompts& prompts, double& formTempOffset);

