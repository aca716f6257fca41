#pragma once

#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/protocol/LinkContext.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

// The simulated instrument on a pseudo-terminal behind ports/COM1 of a fresh
// program folder, and a window's serial module and sender context over the
// real device. Header-only, so the support library needs no simulator: a test
// executable that uses it links instrument_sim and veldo_link.
// With the system clock the senders' pauses are real time, which the
// instrument's own clock (the stage) follows; with the fake clock they are
// free, and the instrument's clock is the fake clock.
template <typename ClockType = FakeClock, typename ConsoleType = MemoryConsole>
class SimulatedLinkTest : public ::testing::Test {
protected:
    // The instrument's thread reads the clock: it stops before the clock goes.
    ~SimulatedLinkTest() override { sim.stop(); }

    // A fixture that has its own SetUp calls this one first.
    void SetUp() override
    {
        ASSERT_TRUE(sim.isReady());
        ASSERT_TRUE(sim.linkAs(folder.path(QStringLiteral("ports/COM1"))));
        if constexpr (std::is_base_of_v<FakeClock, ClockType>)
            sim.setTimeSource(std::make_shared<ElapsedTimeSource>([this] { return clock.elapsedMs(); }));
    }

    // Starts the instrument, unless it runs already, and opens COM1 as the
    // port every sender uses. Handlers are replaced before this.
    void connect(const QString& settings = lineSettingsText(115200))
    {
        sim.start();
        ASSERT_EQ(comm.CommOpen(1, comDeviceName(1), settings), 0) << globals.commErrorSource.toStdString();
        globals.commPort = 1;
        globals.portOpen = true;
    }

    TempProgramFolder folder;
    SimulatedInstrument sim;
    Globals globals;
    ModCOMM comm{globals, PortMapping(folder.folder()), QtSerialDevice::factory()};
    ClockType clock;
    ConsoleType console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, clock, console, prompts};
};
