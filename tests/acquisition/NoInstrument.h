#pragma once

#include "acquisition/panels/Frm_acquire.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortMapping.h"
#include "support/ScriptedPrompts.h"

// The serial module of a computer without serial ports: no port ever opens, so
// every command answers as on a closed port and a search finds nothing.
inline ModCOMM portlessComm(Globals& globals, const ProgramFolder& folder)
{
    return ModCOMM(globals, PortMapping(folder), SerialDeviceFactory{});
}

// Start-up where no instrument answers: the port question gets Enter, offline.
inline void loadOffline(Frm_acquire& window, ScriptedPrompts& prompts)
{
    prompts.inputs.push_back(QString());
    window.Form_Load();
}
