#pragma once

#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "lib/SimulatedInstrument.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"

#include <QDir>
#include <QTemporaryDir>

#include <ctime>
#include <functional>
#include <memory>

// CPU time of the calling thread: the program's side of a transfer, without the simulator's.
inline double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The simulated instrument behind COM1, paced at a real line's baud rate, and
// the program's port to it opened: what a benchmark of a transfer runs on.
struct PacedSimulatorLink {
    // Why the link could not be made (the benchmark skips with it); nullptr when open.
    const char* open(int baud, const std::function<void(InstrumentState&)>& setUp = {})
    {
        QDir().mkpath(dir.filePath(QStringLiteral("ports")));
        if (setUp)
            sim.updateState(setUp);
        sim.setPacing(baud);
        if (!sim.isReady() || !sim.linkAs(dir.filePath(QStringLiteral("ports/COM1"))))
            return "no pseudo-terminal";
        sim.start();
        comm = std::make_unique<ModCOMM>(globals, PortMapping(ProgramFolder(dir.path())), QtSerialDevice::factory());
        if (comm->CommOpen(1, QStringLiteral("COM1"), lineSettingsText(baud)) != 0)
            return "port did not open";
        globals.commPort = 1;
        globals.portOpen = true;
        return nullptr;
    }

    QTemporaryDir dir;
    SimulatedInstrument sim;
    Globals globals;
    std::unique_ptr<ModCOMM> comm;
};
