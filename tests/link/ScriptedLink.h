#pragma once

#include "Bytes.h"
#include "support/FakeClock.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/TempProgramFolder.h"
#include "core/Globals.h"
#include "link/protocol/LinkContext.h"
#include "link/port/ModCOMM.h"

inline const QString kSettings115200 = QStringLiteral("baud=115200 parity=N data=8 stop=1");

// The serial module and the command layer over a scripted line, on virtual time.
struct ScriptedLink {
    Globals globals;
    FakeClock clock;
    ScriptedSerialLine line{clock};
    TempProgramFolder folder;
    ModCOMM comm{globals, PortMapping(folder.folder()), line.factory()};
    RecordingConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, clock, console, prompts};

    // Opens COM1 as the port every sender uses.
    void connect()
    {
        comm.CommOpen(1, QStringLiteral("COM1"), kSettings115200);
        globals.commPort = 1;
        globals.portOpen = true;
        line.purges = 0;
    }
};
