#pragma once

#include "calibration/LedCalibrationSteps.h"

#include <array>
#include <vector>

class Prompts;

// The brightness of one LED at levels 0 to 8.
using LedLevels = std::array<int, 9>;

// The second round: each LED balanced against the mean A of the LEDs'
// brightness at their chosen powers. At 0.95 x A or below an LED goes up while
// its level is at most A (to 8 at most); at A or above it goes down while its
// level is at least 0.7 x A (to 0 at least); between the two it stays. No LED:
// nothing changes.
void balanceAgainstMean(const std::vector<LedLevels>& levels, std::vector<int>& powers);

// AutocalibrateAndSaveCameraLeds: the advanced page's sweep of levels 0 to 8
// with one target (178) for every format and no well mask, the choice, an
// optional second round ("Apply 2nd round of adjustment?"), each power sent,
// ledpower.dat written and a check frame. No stop.
void AutocalibrateAndSaveCameraLeds(LedCalibrationRun& r, Prompts& prompts);
