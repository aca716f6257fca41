#include "FirstStartBench.h"
#include "NoInstrument.h"
#include "ScriptedPortsWindow.h"

#include "core/TextFile.h"
#include "support/ScriptedSerialDevice.h"

#include <gtest/gtest.h>

// Closing the main window against the simulated instrument.
namespace {

struct SimCommandText {
    char letter;
    int a;
    int b;
    bool operator==(const SimCommandText&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SimCommandText& c)
{
    return out << c.letter << "," << c.a << "," << c.b;
}

struct ClosingBench : FirstStartBench {
    // Serial number 57 (a digital stage) with its unit folder, found on COM1.
    void start()
    {
        ASSERT_TRUE(makeFolder(folder.path(QStringLiteral("config_SN57"))));
        ASSERT_TRUE(startInstrument());
        sim->setSerialNumber(57);
        sim->updateState([](InstrumentState& s) { s.stage.controller = StageController::Digital; });
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        window->Form_Load();
        ASSERT_TRUE(globals.portOpen);
        before = sim->totalCommandCount();
    }
    // What came in after start-up.
    std::vector<SimCommandText> closingCommands() const
    {
        std::vector<SimCommandText> commands;
        const std::vector<SimCommand> all = sim->receivedCommands();
        for (size_t i = static_cast<size_t>(before); i < all.size(); ++i)
            commands.push_back({static_cast<char>(all[i].letter), all[i].a, all[i].b});
        return commands;
    }
    std::unique_ptr<Frm_acquire> window;
    int before = 0;
};

// Peltier drive (T sub-command 1) 0, fan (2) 0, blue light (15) 0, then camera 6.
const std::vector<SimCommandText> kDrivesOff{{'T', 1, 0}, {'T', 2, 0}, {'T', 15, 0}};
const SimCommandText kNoCamera{'C', 6, 0};

TEST(FormUnload, EveryDriveIsSwitchedOffAndThePortClosed)
{
    ClosingBench b;
    b.start();
    b.sim->updateState([](InstrumentState& s) {
        s.stage.fanLevel = 128;
        s.stage.lightLevel = 5;
        s.stage.drive = 100;
    });
    const qint64 closingStarted = b.clock.elapsedMs();
    b.window->close();
    ASSERT_TRUE(b.sim->waitForCommandCount(b.before + 4, 2000));
    // 10 ms after each drive and 100 ms before the port closes, on the window's clock.
    EXPECT_GE(b.clock.elapsedMs() - closingStarted, 130);

    std::vector<SimCommandText> expected = kDrivesOff;
    expected.push_back(kNoCamera);
    EXPECT_EQ(b.closingCommands(), expected);
    const InstrumentState s = b.sim->state();
    EXPECT_EQ(s.stage.drive, 0);
    EXPECT_EQ(s.stage.fanLevel, 0);
    EXPECT_EQ(s.stage.lightLevel, 0);
    EXPECT_FALSE(b.globals.portOpen);
    EXPECT_FALSE(b.comm.isOpen(1));
    EXPECT_EQ(readTextFile(b.file("config.txt")).value_or(QStringList()).value(0), "\"COM=1\"");
    EXPECT_EQ(b.bytes("reports/pj_sn57.dat"), "default_project\r\n");
}

// Silence costs real seconds on a real line, so the instrument that stops
// answering is a scripted port on the window's clock.
TEST(FormUnload, AnInstrumentThatStopsAnsweringStillGetsEveryStep)
{
    ScriptedPortsWindow b({1});
    auto& [tmp, globals, clock, prompts, opener, line, comm, window] = b;
    // Serial number 7 on COM1; the fan and the reading of start-up get no answer.
    ASSERT_TRUE(b.knownUnit(7));
    line.script(QByteArray("N\x00\x07", 3));
    line.scriptSilence(2);
    window.Form_Load();
    ASSERT_TRUE(comm.isOpen(1));
    // Only the first command of the closing is answered.
    line.script(QByteArray("T\x00\x16", 3));
    const qsizetype before = line.written.size();
    window.close();

    // Peltier drive: FF "T" 1 0 and its check 0x54^1^0; fan: 2 0; blue light: 15 0;
    // then camera 6: FF "C" 6 0 0x43^6, three times without an echo.
    const QByteArray camera("\xFF\x43\x06\x00\x45", 5);
    EXPECT_EQ(line.written.mid(before).toHex(' '),
              (QByteArray("\xFF\x54\x01\x00\x55", 5) + QByteArray("\xFF\x54\x02\x00\x56", 5) +
               QByteArray("\xFF\x54\x0F\x00\x5B", 5) + camera + camera + camera)
                  .toHex(' '));
    EXPECT_FALSE(comm.isOpen(1));
    EXPECT_FALSE(globals.portOpen);
    EXPECT_TRUE(QFileInfo::exists(tmp.path("config.txt")));
    EXPECT_EQ(fileBytes(tmp.path("reports/pj_sn7.dat")), "default_project\r\n");
}

TEST(FormUnload, OfflineClosingStillWritesItsFiles)
{
    FirstStartBench b;
    auto window = std::make_unique<Frm_acquire>(AppContext{b.globals, b.folder.folder(), b.clock, b.prompts, b.opener, b.comm});
    loadOffline(*window, b.prompts);
    // A page left open goes with the main window.
    QWidget page;
    page.show();
    window->close();

    EXPECT_FALSE(page.isVisible());
    EXPECT_EQ(readTextFile(b.file("config.txt")).value_or(QStringList()).size(), 8);
    EXPECT_EQ(b.bytes("reports/pj_sn0.dat"), "default_project\r\n");
    EXPECT_FALSE(b.globals.portOpen);
}

} // namespace
