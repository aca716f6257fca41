#pragma once

#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/StartupInstall.h"
#include "flash/FactoryFlash.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "link/protocol/LinkState.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/protocol/LinkContext.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"
#include "picture/PictureCanvas.h"

#include <QDir>

#include <memory>

inline constexpr int kSerial = 12;
inline const QString kUnit = QStringLiteral("config_SN12");

// A program folder with the simulated instrument (serial number 12) behind
// COM1. Pauses run on virtual time; the serial line is real.
struct FirstStartBench {
    ~FirstStartBench() { comm.CommClose(1); }

    // A fresh instrument behind COM1 whose flash holds `image`; the one before it goes.
    bool startInstrument(const FlashImage& image = factory::image())
    {
        comm.CommClose(1);
        sim = std::make_unique<SimulatedInstrument>();
        bool seeded = false;
        sim->updateState([&](InstrumentState& s) { seeded = seedFlash(s.flash, image); });
        sim->linkAs(folder.path(QStringLiteral("ports/COM1")));
        sim->start();
        return seeded;
    }

    // The instrument started and its port opened, as the search leaves them.
    bool connect(const FlashImage& image = factory::image())
    {
        if (!startInstrument(image))
            return false;
        if (comm.CommOpen(1, QStringLiteral("COM1"), lineSettingsText(115200)) != 0)
            return false;
        globals.commPort = 1;
        globals.portOpen = true;
        globals.applySerialNumber(kSerial);
        state.offlineMode = false;
        return true;
    }

    // Start-up's folders and the first-start install, as Form_Load runs them.
    UnitFolderInstall start()
    {
        makeStartupFolders(folder.folder(), globals, state);
        return installNewInstrument(ctx, folder.folder(), state, progress);
    }

    QString file(const QString& relative) const { return folder.path(relative); }
    QByteArray bytes(const QString& relative) const { return fileBytes(folder.path(relative)); }
    QStringList filesIn(const QString& relative) const
    {
        QStringList names = QDir(folder.path(relative)).entryList(QDir::Files | QDir::Hidden);
        names.sort();
        return names;
    }
    QStringList foldersIn(const QString& relative) const
    {
        QStringList names = QDir(folder.path(relative)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    TempProgramFolder folder;
    std::unique_ptr<SimulatedInstrument> sim;
    Globals globals;
    ModCOMM comm{globals, PortMapping(folder.folder()), QtSerialDevice::factory()};
    // The time the flash fixtures were read at.
    FakeClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 26))};
    RecordingConsole console;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    LinkContext ctx{globals, comm, clock, console, prompts};
    LinkState state;
    PictureCanvas progress{160, 24};
};
