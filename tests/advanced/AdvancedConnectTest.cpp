#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/TempProgramFolder.h"
#include "advanced/AdvancedConnect.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "link/search/SerialNumberQuery.h"

#include <gtest/gtest.h>

namespace {

// Without links, port n is /dev/ttyUSB<n-1>.
QString devicePath(int port) { return QStringLiteral("/dev/ttyUSB") + QString::number(port - 1); }

struct ScriptedPage {
    Globals globals;
    FakeClock clock;
    ScriptedSerialLine line{clock};
    TempProgramFolder folder;
    ModCOMM comm{globals, PortMapping(folder.folder()), line.factory()};
    AdvancedPortControls controls;
};

TEST(AdvancedConnect, OpensTheTypedPortAt1000000BaudAndClosesItAgain)
{
    ScriptedPage p;
    p.controls.txtcom = "5";
    connectAdvancedPort(p.globals, p.comm, p.controls);
    EXPECT_EQ(p.line.openedPaths, QStringList{devicePath(5)});
    EXPECT_TRUE(p.comm.isOpen(5));
    EXPECT_EQ(p.comm.record(5)->settings.baudRate, 1000000);
    EXPECT_TRUE(p.globals.portOpen);
    EXPECT_EQ(p.globals.commPort, 5);
    EXPECT_EQ(p.controls.cmdopen, "Connected");

    // The box may name another port by now: the port in use is the one closed.
    p.controls.txtcom = "7";
    connectAdvancedPort(p.globals, p.comm, p.controls);
    EXPECT_FALSE(p.comm.isOpen(5));
    EXPECT_FALSE(p.globals.portOpen);
    EXPECT_EQ(p.controls.cmdopen, "DisConnected");
    EXPECT_EQ(p.line.openedPaths.size(), 1);
}

TEST(AdvancedConnect, TheTypedNumberIsRoundedToTheNearestPort)
{
    struct Case {
        const char* typed;
        int port;
    };
    for (const Case& c : {Case{"4.5", 4}, Case{"5.5", 6}, Case{" 3abc", 3}, Case{"2.51", 3}}) {
        SCOPED_TRACE(c.typed);
        ScriptedPage p;
        p.controls.txtcom = c.typed;
        EXPECT_EQ(connectAdvancedPort(p.globals, p.comm, p.controls), "");
        EXPECT_EQ(p.globals.commPort, c.port);
        EXPECT_TRUE(p.comm.isOpen(c.port));
    }
}

TEST(AdvancedConnect, AFailedOpenChangesNothingOnScreenAndLeavesNoPortInUse)
{
    struct Case {
        const char* name;
        const char* typed;
        std::function<void(ScriptedPage&)> arrange;
    };
    const Case cases[] = {
        {"missing device", "9", [](ScriptedPage& p) { p.line.openErrors[devicePath(9)] = kErrorFileNotFound; }},
        {"no such port", "40", [](ScriptedPage&) {}},
        {"set-up fails after opening", "2",
         [](ScriptedPage& p) { p.line.failingSteps[ScriptedSerialLine::Step::ApplySettings] = kErrorInvalidParameter; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPage p;
        c.arrange(p);
        p.controls.txtcom = c.typed;
        p.controls.cmdopen = "DisConnected";
        const QString failure = connectAdvancedPort(p.globals, p.comm, p.controls);
        // The status line says so, with the system's reason.
        EXPECT_EQ(failure, "COMPORT not opened. " + p.globals.commErrorText.trimmed());
        EXPECT_FALSE(p.globals.commErrorText.trimmed().isEmpty());
        EXPECT_FALSE(p.globals.portOpen);
        EXPECT_EQ(p.controls.cmdopen, "DisConnected");
        for (int port = 1; port <= ModCOMM::kPortCount; ++port)
            EXPECT_FALSE(p.comm.isOpen(port)) << port;
    }
}

TEST(AdvancedConnect, DummyBoxSetsDummyModeAndTouchesNoPort)
{
    ScriptedPage p;
    connectAdvancedPort(p.globals, p.comm, p.controls);
    ASSERT_TRUE(p.comm.isOpen(3));
    setDummyMode(p.globals, true);
    EXPECT_EQ(p.globals.dummyMode, 1);
    setDummyMode(p.globals, false);
    EXPECT_EQ(p.globals.dummyMode, 0);
    EXPECT_TRUE(p.comm.isOpen(3));
    EXPECT_TRUE(p.globals.portOpen);
    EXPECT_EQ(p.line.openedPaths.size(), 1);
    EXPECT_EQ(p.line.closes, 0);
}

// Every window's commands then go to the instrument on that port at 1000000 baud.
TEST(AdvancedConnect, ThePortOpenedIsTheOneEveryWindowUses)
{
    TempProgramFolder folder;
    SimulatedInstrument sim;
    ASSERT_TRUE(sim.linkAs(folder.path("ports/COM5")));
    sim.setSerialNumber(42);
    sim.start();
    Globals globals;
    ModCOMM comm(globals, PortMapping(folder.folder()), QtSerialDevice::factory());
    AdvancedPortControls controls;
    controls.txtcom = "5";
    connectAdvancedPort(globals, comm, controls);
    ASSERT_TRUE(globals.portOpen);

    SystemClock clock;
    MemoryConsole console;
    ScriptedPrompts prompts;
    LinkContext mainWindow{globals, comm, clock, console, prompts};
    EXPECT_EQ(QuerySerialNumber(mainWindow, globals.commPort).value, 42);
    EXPECT_EQ(comm.record(5)->settings.baudRate, 1000000);
    connectAdvancedPort(globals, comm, controls);
    EXPECT_FALSE(comm.isOpen(5));
}

} // namespace
