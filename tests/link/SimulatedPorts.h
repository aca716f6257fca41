#pragma once

#include "FakeTimeSerialDevice.h"
#include "support/FakeClock.h"
#include "support/TempProgramFolder.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"

#include <QDir>
#include <QFile>

#include <map>
#include <memory>

// A program folder whose ports/COM1 to COM16 are links: to simulated
// instruments on pseudo-terminals where a test puts them, elsewhere to a
// device that does not exist. The program's reads cost virtual time.
class SimulatedPorts {
public:
    SimulatedPorts()
    {
        QDir().mkpath(folder.path(QStringLiteral("ports")));
        for (int port = 1; port <= ModCOMM::kPortCount; ++port)
            QFile::link(folder.path(QStringLiteral("missing-device")), linkPath(port));
    }

    // An instrument answering with `serialNumber` on the port, its stage on the fake clock.
    SimulatedInstrument& addInstrument(int port, int serialNumber)
    {
        auto sim = std::make_unique<SimulatedInstrument>();
        sim->setSerialNumber(serialNumber);
        sim->setTimeSource(std::make_shared<ElapsedTimeSource>([this] { return clock.elapsedMs(); }));
        sim->linkAs(linkPath(port));
        sim->start();
        return *(sims_[port] = std::move(sim));
    }
    // A device that takes every command in and never answers.
    SimulatedInstrument& addSilentDevice(int port)
    {
        SimulatedInstrument& sim = addInstrument(port, kDefaultSimSerialNumber);
        sim.setFault(Fault::silent());
        silent_[linkPath(port)] = SilentEnd{&sim, 0};
        return sim;
    }
    // Another program holding the port's device.
    void holdElsewhere(int port)
    {
        otherProgram_.CommOpen(port, comDeviceName(port), lineSettingsText(115200));
    }
    void releaseElsewhere(int port) { otherProgram_.CommClose(port); }

    SimulatedInstrument& sim(int port) { return *sims_.at(port); }
    QString linkPath(int port) const { return folder.path(QStringLiteral("ports/COM") + QString::number(port)); }

    SerialDeviceFactory factory()
    {
        return [this] {
            return std::make_unique<FakeTimeSerialDevice>(
                std::make_unique<QtSerialDevice>(), clock, [this](const QString& path) { return farEnd(path); });
        };
    }

    TempProgramFolder folder;
    FakeClock clock;

private:
    // A silent device and the bytes written to it so far: five to a frame.
    struct SilentEnd {
        SimulatedInstrument* sim;
        qsizetype written;
    };

    FarEnd farEnd(const QString& path)
    {
        if (!silent_.count(path))
            return {};
        return {false, [this, path](const QByteArray& data) {
                    SilentEnd& end = silent_.at(path);
                    end.written += data.size();
                    end.sim->waitForCommandCount(static_cast<int>(end.written / 5), 2000);
                }};
    }

    std::map<int, std::unique_ptr<SimulatedInstrument>> sims_;
    std::map<QString, SilentEnd> silent_;
    Globals otherGlobals_;
    ModCOMM otherProgram_{otherGlobals_, PortMapping(folder.folder()), QtSerialDevice::factory()};
};
