#pragma once

#include "lib/Fault.h"
#include "lib/InstrumentState.h"
#include "lib/StageModel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the executable is told on its command line.
struct SimOptions {
    QString linkPath;        // where to link the device, e.g. <program folder>/ports/COM1
    int serialNumber = kDefaultSimSerialNumber;
    QString flashFile;       // keep the flash memory in this file
    bool erasedFlash = false; // start erased rather than with the factory calibration
    std::vector<Fault> faults;
    int pacingBaud = 0;      // 0: replies go out at once
    std::optional<StageController> controller; // none: the one of the unit's generation
    int lateMs = 3000;       // how late a "late" fault answers
    bool help = false;
};

// The options, or an error text naming what was wrong.
struct SimOptionsParse {
    std::optional<SimOptions> options;
    QString error;
};

// Parses the arguments after the program name.
SimOptionsParse parseSimOptions(const QStringList& arguments);

// The usage text --help prints.
QString simOptionsHelp();
