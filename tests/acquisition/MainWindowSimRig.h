#pragma once

#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/frm_confirmacq.h"
#include "acquisition/run/RunLoop.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/SimulatedLink.h"

#include <QDir>
#include <QTimer>

#include <memory>

// The main window against the simulated instrument of serial number 12 on the
// fake clock: w6 and w24 tables, a ledxy.dat, the default project, shown.
class MainWindowSimRig : public SimulatedLinkTest<FakeClock> {
protected:
    static constexpr int kSerial = 12;

    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(kSerial);
        globals.applySerialNumber(kSerial);
        ASSERT_TRUE(copyFormatFixtures("w6", folder.path("config"), folder.path("config_SN12")));
        ASSERT_TRUE(copyFormatFixtures("w24", folder.path("config"), folder.path("config_SN12")));
        ASSERT_TRUE(writeBytes(folder.path("config_SN12/ledxy.dat"), "0,10,10\r\n"));
        connect();
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        window->state.projectName = QStringLiteral("default_project");
        useFormat("w6");
        window->show();
    }

    void useFormat(const QString& code)
    {
        window->state.plateFormat = code;
        fillFormatLists(window->formatControls, code);
        window->formatControls.cmb_well = code;
        window->showFormatControls();
    }

    Frame_menu& menu() { return *window->frameMenu; }
    frm_confirmacq& confirm() { return *window->confirmPanel; }
    QString runFile(const QString& name) const { return QDir(globals.runFolder).filePath(name); }

    // Timer2 firing `stepMs` after each armed tick, until the scan is reached or the run ends.
    void tickToScan(int scan, int stepMs = 200)
    {
        for (int ticks = 0; ticks < 20000 && window->Timer2->isActive() && window->runLoop()->scanIndex() < scan;
             ++ticks) {
            clock.advance(stepMs);
            window->Timer2->stop();
            window->Timer2_Timer();
        }
    }

    FakeDesktopOpener opener;
    std::unique_ptr<Frm_acquire> window;
};
