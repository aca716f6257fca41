#pragma once

#include "FactoryFlash.h"
#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/protocol/LinkContext.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"
#include "picture/PictureCanvas.h"

#include <QStringList>

// The unit folder of the simulated instrument, and the serial suffix that names it.
inline const QString kUnitFolder = QStringLiteral("config_SN12");
inline const QString kSerialSuffix = QStringLiteral("SN12");

// A program folder with its unit folder, and a simulated instrument on COM1
// whose flash a test fills before it starts. Pauses run on virtual time.
struct FlashBench {
    FlashBench()
    {
        sim.linkAs(folder.path(QStringLiteral("ports/COM1")));
        makeFolder(folder.path(kUnitFolder));
    }

    // Seeds the flash, starts the instrument and opens the port.
    bool start(const FlashImage& image = factory::image())
    {
        bool seeded = false;
        sim.updateState([&](InstrumentState& s) { seeded = seedFlash(s.flash, image); });
        sim.start();
        if (!seeded || comm.CommOpen(1, QStringLiteral("COM1"), lineSettingsText(115200)) != 0)
            return false;
        globals.commPort = 1;
        globals.portOpen = true;
        return true;
    }

    QString unitFile(const QString& name) const { return folder.path(kUnitFolder + QLatin1Char('/') + name); }
    QByteArray unitFileBytes(const QString& name) const { return fileBytes(unitFile(name)); }

    TempProgramFolder folder;
    SimulatedInstrument sim;
    Globals globals;
    ModCOMM comm{globals, PortMapping(folder.folder()), QtSerialDevice::factory()};
    FakeClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 26))};
    RecordingConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, clock, console, prompts};
    PictureCanvas progress{160, 24};
};
