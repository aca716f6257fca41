#pragma once

#include "acquisition/run/RunPhase.h"

#include <QString>
#include <array>

// The main window's state that its panels and procedures read and write. The
// window owns one; procedures that need it take it by reference, so they run
// without a window. What the link knows lives in LinkState.
struct AcquireState {
    RunPhase phase;                // idle, confirming, running, calibrating or done
    const int& runState = phase.runState(); // its number: 1 running, -1 calibrating, 0 otherwise
    bool abortRequested = false;   // stop a running calibration or run start
    bool blankRun = false;

    QString plateFormat;           // a plate format code, such as "w6"
    int plateRows = 0;
    int plateColumns = 0;
    std::array<bool, 6> cameraEnabled{true, true, true, true, true, true};
    QString blankInUse;            // first line of the current format's blank store file
    QString projectName;           // folder of the current project under reports
};
