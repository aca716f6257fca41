#include "Bytes.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedLink.h"
#include "support/TempProgramFolder.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "link/protocol/ReplyReader.h"
#include "link/port/SystemErrorText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// The serial module on real devices: the simulated instrument on a
// pseudo-terminal, reached through ports/COM<n> in the program folder.
namespace {

const QString k115200 = QStringLiteral("baud=115200 parity=N data=8 stop=1");
const QString k1000000 = QStringLiteral("baud=1000000 parity=N data=8 stop=1");
const QByteArray kSerialQuery = bytes({0xFF, 'N', 0, 0, 'N'});

class RealPortTest : public SimulatedLinkTest<SystemClock> {};

TEST_F(RealPortTest, ExchangesAtBothBaudRates)
{
    for (const QString& settings : {k115200, k1000000}) {
        connect(settings);
        EXPECT_EQ(comm.record(1)->settings.baudRate, settings == k115200 ? 115200 : 1000000);

        const NumberReply n = sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0));
        EXPECT_EQ(n.value, kDefaultSimSerialNumber);
        EXPECT_EQ(console.commText(), "in:N;0;12");

        const EchoReply g = sendForEchoReply(ctx, *makeWordFrame('G', 300), EchoOptions::accepting("G"));
        EXPECT_TRUE(g.accepted);
        EXPECT_EQ(g.sends, 1);
        EXPECT_EQ(g.display, "G;1;44");
        EXPECT_EQ(comm.CommClose(1), 0);
    }
    EXPECT_EQ(sim.commandCount('N'), 2);
    EXPECT_EQ(sim.commandCount('G'), 2);
}

TEST_F(RealPortTest, SerialNumbersAboveAByteAreNumbers)
{
    sim.setSerialNumber(40000); // high byte 156
    connect();
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0)).value, 40000);
}

TEST_F(RealPortTest, FlushDropsAnUnreadReply)
{
    connect();
    ASSERT_EQ(comm.CommWrite(1, kSerialQuery), 5);
    ASSERT_TRUE(sim.waitForCommandCount(1, 1000));
    clock.sleepMs(50); // the reply is on its way back
    ASSERT_EQ(comm.CommFlush(1), 0);

    ASSERT_EQ(comm.CommWrite(1, makeWordFrame('G', 300)->toByteArray()), 5);
    QByteArray data;
    EXPECT_EQ(comm.CommRead(1, data, 3), 3);
    EXPECT_EQ(data, bytes({'G', 1, 44}));
}

TEST_F(RealPortTest, ReadsEndAtTheirTimeOuts)
{
    connect();
    QElapsedTimer t;
    QByteArray data;

    // 3 of 32 bytes: over 100 ms after the last byte, and the rest purged.
    ASSERT_EQ(comm.CommWrite(1, kSerialQuery), 5);
    t.start();
    EXPECT_EQ(comm.CommRead(1, data, 32), 3);
    EXPECT_GE(t.elapsed(), 90);
    EXPECT_LT(t.elapsed(), 450);

    // Nothing at all: 500 ms.
    t.restart();
    EXPECT_EQ(comm.CommRead(1, data, 1), 0);
    EXPECT_GE(t.elapsed(), 480);
    EXPECT_LT(t.elapsed(), 900);
}

TEST_F(RealPortTest, PortInUseAndBusyDevice)
{
    connect();
    EXPECT_EQ(comm.CommOpen(1, QStringLiteral("COM1"), k115200), -1);
    EXPECT_EQ(globals.commErrorText, "Port in use.");

    // Another port, and another program, asking for the same device.
    ASSERT_TRUE(QFile::link(sim.devicePath(), folder.path("ports/COM2")));
    EXPECT_EQ(comm.CommOpen(2, QStringLiteral("COM2"), k115200), kErrorAccessDenied);
    EXPECT_EQ(globals.commErrorSource, "CommOpen (CreateFile)");
    EXPECT_FALSE(comm.isOpen(2));
    Globals otherGlobals;
    ModCOMM other(otherGlobals, PortMapping(folder.folder()), QtSerialDevice::factory());
    EXPECT_EQ(other.CommOpen(1, QStringLiteral("COM1"), k115200), kErrorAccessDenied);

    // The port that holds it still works.
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0)).value, kDefaultSimSerialNumber);
    EXPECT_EQ(comm.CommClose(1), 0);
    EXPECT_EQ(comm.CommOpen(2, QStringLiteral("COM2"), k115200), 0);
}

TEST_F(RealPortTest, MissingDevice)
{
    ASSERT_TRUE(QFile::link(folder.path("no-such-device"), folder.path("ports/COM9")));
    EXPECT_EQ(comm.CommOpen(9, QStringLiteral("COM9"), k115200), kErrorFileNotFound);
    EXPECT_EQ(globals.commErrorSource, "CommOpen (CreateFile)");
    EXPECT_EQ(globals.commErrorText, "The system cannot find the file specified.\r\n");
    EXPECT_FALSE(comm.isOpen(9));
}

TEST_F(RealPortTest, AHungUpLineFailsTheRead)
{
    connect();
    sim.setFault(Fault::hangUp());
    ASSERT_EQ(comm.CommWrite(1, kSerialQuery), 5);
    ASSERT_TRUE(sim.waitForCommandCount(1, 1000));
    QByteArray data;
    int lost = 0;
    comm.setPortLostHandler([&lost](int port) { lost = port; });
    EXPECT_EQ(comm.CommRead(1, data, 3), -1);
    // The read fails and the dropped line is closed: its closing purge then
    // finds no device any more, recorded last.
    EXPECT_EQ(globals.commErrorSource, "CommFlush (PurgeComm)");
    EXPECT_EQ(globals.commLastError, kErrorInvalidHandle);
    EXPECT_FALSE(comm.isOpen(1));
    EXPECT_FALSE(globals.portOpen);
    EXPECT_EQ(lost, 1);
    // A lost port is closed: closing it again does nothing.
    EXPECT_EQ(comm.CommClose(1), 0);
}

TEST(InstrumentSimExecutable, ServesTheProtocolOnItsLinkUntilStopped)
{
    TempProgramFolder folder;
    QProcess sim;
    sim.start(QStringLiteral(INSTRUMENT_SIM_EXE), {folder.path("ports/COM1"), "--serial", "42"});
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    EXPECT_TRUE(sim.readLine().startsWith("/dev/"));

    Globals globals;
    ModCOMM comm(globals, PortMapping(folder.folder()), QtSerialDevice::factory());
    SystemClock clock;
    MemoryConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, clock, console, prompts};
    ASSERT_EQ(comm.CommOpen(1, QStringLiteral("COM1"), k115200), 0);
    globals.commPort = 1;
    EXPECT_EQ(sendForNumberReply(ctx, *makeCommandFrame('N', 0, 0)).value, 42);
    EXPECT_EQ(comm.CommClose(1), 0);

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(3000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
}

} // namespace
