#pragma once

#include "acquisition/panels/Frm_acquire.h"
#include "core/TextFile.h"
#include "link/port/ModCOMM.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/TempProgramFolder.h"

#include <algorithm>
#include <initializer_list>

// The main window over scripted ports on which only `present` exist
// (port n is /dev/ttyUSB<n-1> without links).
struct ScriptedPortsWindow {
    explicit ScriptedPortsWindow(std::initializer_list<int> present)
    {
        for (int port = 1; port <= ModCOMM::kPortCount; ++port) {
            if (std::find(present.begin(), present.end(), port) == present.end())
                line.openErrors[QStringLiteral("/dev/ttyUSB") + QString::number(port - 1)] = kErrorFileNotFound;
        }
    }
    // An instrument met before: its unit folder is there, so start-up reads no flash.
    bool knownUnit(int serialNumber) const
    {
        return makeFolder(tmp.path(ProgramFolder::unitFolderName(serialNumber)));
    }
    QStringList configTxt() const { return readTextFile(tmp.path("config.txt")).value_or(QStringList()); }

    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ScriptedSerialLine line{clock};
    ModCOMM comm{globals, PortMapping(tmp.folder()), line.factory()};
    Frm_acquire window{AppContext{globals, tmp.folder(), clock, prompts, opener, comm}};
};
