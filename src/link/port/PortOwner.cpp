#include "link/port/PortOwner.h"

#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"

qint32 openPort(ModCOMM& comm, int port, int baudRate)
{
    const qint32 result = comm.CommOpen(port, comDeviceName(port), lineSettingsText(baudRate));
    if (result != 0)
        comm.CommClose(port);
    return result;
}

void closePort(ModCOMM& comm, int port) { comm.CommClose(port); }

void usePort(Globals& globals, int port)
{
    globals.commPort = port;
    globals.portOpen = true;
}

qint32 openPortInUse(Globals& globals, ModCOMM& comm, int port, int baudRate)
{
    const qint32 result = openPort(comm, port, baudRate);
    if (result == 0) {
        usePort(globals, port);
        comm.tellPortInUseChanged(PortInUseChange::Opened);
    }
    return result;
}

namespace {

void closeNow(Globals& globals, ModCOMM& comm)
{
    const bool wasOpen = globals.portOpen;
    globals.portOpen = false;
    // Port 0 was never opened: nothing to close, no failure to record.
    if (globals.commPort != 0)
        closePort(comm, globals.commPort);
    if (wasOpen)
        comm.tellPortInUseChanged(PortInUseChange::Closed);
}

} // namespace

void closePortInUse(Globals& globals, ModCOMM& comm)
{
    LinkGuard& guard = comm.guard();
    if (guard.held()) {
        guard.requestStop();
        guard.whenFree([&globals, &comm] { closeNow(globals, comm); });
        return;
    }
    closeNow(globals, comm);
}

qint32 reopenPortInUse(Globals& globals, ModCOMM& comm, int baudRate)
{
    const int port = globals.commPort;
    closePortInUse(globals, comm);
    if (comm.guard().held())
        return ModCOMM::kLinkBusy; // the close waits for the running exchange
    return openPortInUse(globals, comm, port, baudRate);
}
