#include "Bytes.h"
#include "SearchBench.h"
#include "link/search/SerialNumberQuery.h"

#include <QProcess>
#include <gtest/gtest.h>

// The search for the instrument on simulated instruments behind ports/COM<n>.
namespace {

const QString kPortQuestion =
    QStringLiteral("COM(15) PORT ERROR. Type New Port number or <Enter> to go Offline");

void expectConnected(const SearchBench& b, int port, int serial)
{
    EXPECT_TRUE(b.globals.portOpen);
    EXPECT_EQ(b.globals.commPort, port);
    EXPECT_EQ(b.globals.serialNumber, serial);
    EXPECT_FALSE(b.state.offlineMode);
    EXPECT_EQ(b.openPorts(), QList<int>{port});
    ASSERT_NE(b.comm.record(port), nullptr);
    EXPECT_EQ(b.comm.record(port)->settings.baudRate, 115200);
    EXPECT_EQ(b.boxes.txtcom, QString::number(port));
    const QStringList config = b.configTxt();
    ASSERT_EQ(config.size(), 8);
    EXPECT_EQ(config.at(0), QStringLiteral("\"COM=%1\"").arg(port));
}

void expectOffline(const SearchBench& b)
{
    EXPECT_TRUE(b.state.offlineMode);
    EXPECT_FALSE(b.globals.portOpen);
    EXPECT_EQ(b.globals.serialNumber, 0);
    EXPECT_EQ(b.console.status(), QStringLiteral("Offline Mode"));
    EXPECT_TRUE(b.openPorts().isEmpty());
    EXPECT_TRUE(b.configTxt().isEmpty());
    EXPECT_EQ(b.boxes.txtcom, QStringLiteral("3"));
}

TEST(PortSearch, InstrumentOnCom1IsFoundByTheFirstQuery)
{
    SearchBench b;
    SimulatedInstrument& sim = b.ports.addInstrument(1, 42);
    b.run();

    EXPECT_EQ(b.windowShown, 1);
    EXPECT_EQ(b.console.statuses, openingLines({1}));
    EXPECT_EQ(b.console.commTexts, (QStringList{"sending " + QString::fromLatin1(bytes({0xFF, 'N', 0, 0, 'N'})), "in:N;0;42"}));
    EXPECT_EQ(sim.commandCount('N'), 1);
    expectConnected(b, 1, 42);
    EXPECT_TRUE(b.prompts.script.inputPrompts.isEmpty());

    // The port stays open for every later exchange.
    EXPECT_EQ(QuerySerialNumber(b.link, b.globals.commPort).value, 42);
}

TEST(PortSearch, InstrumentOnCom4AfterThreeMissingPorts)
{
    SearchBench b;
    SimulatedInstrument& sim = b.ports.addInstrument(4, 42);
    b.run();

    EXPECT_EQ(b.console.statuses,
              openingLines({1, 1, 2, 3, 4}) << QStringLiteral("Status = Connected on COM[ 4 ] SN#0042"));
    EXPECT_EQ(sim.commandCount('N'), 1);
    expectConnected(b, 4, 42);
}

// Ports before the instrument that are not the instrument: the scan goes on.
TEST(PortSearch, PassesPortsThatAreNotTheInstrument)
{
    struct Case {
        const char* name;
        std::function<void(SimulatedPorts&)> arrange; // the port before the instrument
        int queriesThere;
        QStringList messages;
    };
    const Case cases[] = {
        {"held by another program", [](SimulatedPorts& p) { p.addInstrument(2, 9); p.holdElsewhere(2); }, 0, {}},
        {"silent", [](SimulatedPorts& p) { p.addSilentDevice(2); }, 2, {}},
        {"serial number 256", [](SimulatedPorts& p) { p.addInstrument(2, 256); }, 2, {}},
        {"reply that cannot be decoded",
         [](SimulatedPorts& p) { p.addInstrument(2, 12).setFault(Fault::garbleReply()); }, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SearchBench b;
        c.arrange(b.ports);
        SimulatedInstrument& instrument = b.ports.addInstrument(3, 7);
        b.run();

        EXPECT_EQ(b.ports.sim(2).commandCount('N'), c.queriesThere);
        EXPECT_EQ(instrument.commandCount('N'), 1);
        EXPECT_EQ(b.prompts.script.messages, c.messages);
        EXPECT_EQ(b.console.statuses,
                  openingLines({1, 1, 2, 3}) << QStringLiteral("Status = Connected on COM[ 3 ] SN#0007"));
        expectConnected(b, 3, 7);
    }
}

TEST(PortSearch, ASilentPortCostsItsTimeOutsOnlyInVirtualTime)
{
    SearchBench b;
    b.ports.addSilentDevice(5);
    b.prompts.script.inputs = {QString()}; // Enter: offline
    b.run();
    // Two queries of ten empty polls of 500 ms, besides the pauses.
    EXPECT_GE(b.ports.clock.elapsedMs(), 2 * 10 * 500);
    EXPECT_EQ(b.ports.sim(5).commandCount('N'), 2);
    expectOffline(b);
}

// Nothing answers: the input box decides.
TEST(PortSearch, TypedAnswersThatLeadOffline)
{
    struct Case {
        const char* typed;
        QStringList messages;
        int typedPortQueries; // of the silent device on COM2, after the scan's two
    };
    const Case cases[] = {
        {"", {}, 0},
        {"20", {}, 0},
        {"0", {}, 0},
        {"two", {}, 0},
        {"7", {"Invalid Port Number. Offline Mode"}, 0}, // no device there
        {"2", {}, 2},                                    // opens, never answers
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SearchBench b;
        SimulatedInstrument& silent = b.ports.addSilentDevice(2);
        b.prompts.script.inputs = {QString::fromLatin1(c.typed)};
        b.run();

        EXPECT_EQ(b.prompts.script.inputPrompts, QStringList{kPortQuestion});
        EXPECT_EQ(b.prompts.script.messages, c.messages);
        EXPECT_EQ(silent.commandCount('N'), 2 + c.typedPortQueries);
        EXPECT_EQ(b.console.statuses.size(), 17); // COM1 twice, COM2 to COM15, then offline
        expectOffline(b);
    }
}

TEST(PortSearch, ATypedPortThatAnswersIsUsedAsAFoundPort)
{
    SearchBench b;
    SimulatedInstrument& sim = b.ports.addInstrument(3, 42);
    b.ports.holdElsewhere(3); // busy while the scan passes; freed while the box is up
    b.prompts.beforeInput = [&] { b.ports.releaseElsewhere(3); };
    b.prompts.script.inputs = {QStringLiteral("3")};
    b.run();

    EXPECT_EQ(b.prompts.script.inputPrompts, QStringList{kPortQuestion});
    EXPECT_EQ(sim.commandCount('N'), 1);
    EXPECT_EQ(b.console.status(), QStringLiteral("Status = Connected on COM[ 3 ] SN#0042"));
    expectConnected(b, 3, 42);
}

TEST(PortSearch, FindsTheSimulatorExecutableOnTheLinkItWasGiven)
{
    SearchBench b;
    QFile::remove(b.ports.linkPath(7));
    QProcess sim;
    sim.start(QStringLiteral(INSTRUMENT_SIM_EXE), {b.ports.linkPath(7), "--serial", "42"});
    ASSERT_TRUE(sim.waitForReadyRead(5000)); // the device path: the link is in place
    b.run();
    expectConnected(b, 7, 42);

    b.comm.CommClose(7);
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(3000));
}

} // namespace
