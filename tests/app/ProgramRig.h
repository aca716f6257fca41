#pragma once

#include "app/AppComposition.h"
#include "acquisition/panels/Frm_acquire.h"
#include "factory/SimFactoryFlash.h"
#include "lib/FlashImage.h"
#include "lib/SimulatedInstrument.h"
#include "link/port/QtSerialDevice.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QLineEdit>
#include <QRect>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// The program exactly as main() builds it, in a fresh program folder, with the
// simulated instrument behind COM1 as it leaves the factory (serial number 12,
// every calibration in its flash). Pauses run on the fake clock, which is the
// instrument's clock too; the serial line is a real pseudo-terminal.
class ProgramRig : public ::testing::Test {
protected:
    static constexpr int kSerial = 12;

    // The instrument's thread reads the clock: it stops before the clock goes.
    ~ProgramRig() override { sim.stop(); }

    void SetUp() override
    {
        ASSERT_TRUE(sim.isReady());
        sim.setTimeSource(std::make_shared<ElapsedTimeSource>([this] { return clock.elapsedMs(); }));
        sim.setSerialNumber(kSerial);
        bool seeded = false;
        sim.updateState([&](InstrumentState& s) { seeded = seedFlash(s.flash, simFactoryFlashImage(kSerial)); });
        ASSERT_TRUE(seeded);
        ASSERT_TRUE(sim.linkAs(folder.path(QStringLiteral("ports/COM1"))));
        sim.start();
        program = std::make_unique<AppComposition>(
            AppSeams{folder.folder(), clock, prompts, opener, QtSerialDevice::factory(), [this] { return screen; }});
    }

    Frm_acquire& window() { return program->mainWindow(); }

    // A control of a window by its name; the test stops when there is none.
    template <typename Control>
    Control& control(QWidget& parent, const char* name)
    {
        auto* found = parent.findChild<Control*>(QLatin1String(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }
    QString status() { return control<QLineEdit>(window(), "txt_status").text(); }

    // The screen's available area the windows open over; a test may set another before start().
    QRect screen{0, 0, 1280, 1024};
    TempProgramFolder folder;
    FakeClock clock;
    SimulatedInstrument sim;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    std::unique_ptr<AppComposition> program;
};
