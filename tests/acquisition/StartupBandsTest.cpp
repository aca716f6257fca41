#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "acquisition/StartupLink.h"
#include "link/protocol/LinkState.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "lib/SimulatedInstrument.h"
#include "link/search/ConfigTxt.h"
#include "link/commands/LedPowerCommands.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "link/commands/TemperatureSenders.h"

#include <gtest/gtest.h>

// What start-up sets from the serial number the search finds, and what the
// LED and temperature commands then do with it.
namespace {

struct BandBench {
    // Start-up's search finds the instrument on COM1.
    void start(int serialNumber, StageController controller)
    {
        ASSERT_TRUE(sim.linkAs(folder.path(QStringLiteral("ports/COM1"))));
        sim.setSerialNumber(serialNumber);
        sim.updateState([controller](InstrumentState& s) { s.stage.controller = controller; });
        sim.start();
        PortSearchContext search{ctx, state, folder.folder(), boxes, cameraBoxes, {}};
        startLink(search);
    }
    SimCommand lastCommand() const { return sim.receivedCommands().back(); }

    TempProgramFolder folder;
    SimulatedInstrument sim;
    Globals globals;
    ModCOMM comm{globals, PortMapping(folder.folder()), QtSerialDevice::factory()};
    FakeClock clock;
    MemoryConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, clock, console, prompts};
    LinkState state;
    ConfigTxtBoxes boxes;
    CameraBoxes cameraBoxes;
};

TEST(StartupBands, TheSerialNumberSetsGenerationControllerGainAndExposureUnit)
{
    struct Case {
        int serialNumber;
        StageController controller; // the instrument's own
        int generation;
        bool analog;
        int gain;
        int exposureUnit;
        quint8 ledLetter; // LED 200 goes out as this letter and index
        quint8 ledIndex;
        double reading;   // Peltier off answers with the stage at 22 degrees
    };
    // The analog sensor reads (degrees + 16.34) / 1.732, raw.
    const double raw = (22.0 + 16.34) / 1.732;
    for (const Case& c : {Case{12, StageController::Analog, 1, true, 10, 20, 'L', 200, raw},
                          Case{50, StageController::Digital, 2, false, 15, 20, 'l', 8, 22.0},
                          Case{57, StageController::Digital, 2, false, 20, 28, 'l', 8, 22.0}}) {
        SCOPED_TRACE(c.serialNumber);
        BandBench b;
        b.state.analogController = !c.analog; // whatever it held before
        b.start(c.serialNumber, c.controller);

        ASSERT_TRUE(b.globals.portOpen);
        EXPECT_EQ(b.console.status(), QStringLiteral("OK. Connected to VELDO SN") + QString::number(c.serialNumber));
        EXPECT_EQ(b.globals.serialNumber, c.serialNumber);
        EXPECT_EQ(b.globals.hardwareGeneration, c.generation);
        EXPECT_EQ(b.state.analogController, c.analog);
        EXPECT_EQ(b.globals.defaultGain, c.gain);
        EXPECT_EQ(b.globals.exposureUnit, c.exposureUnit);

        SendOneLedPower(b.ctx, 200, 5);
        EXPECT_EQ(b.lastCommand().letter, c.ledLetter);
        EXPECT_EQ(b.lastCommand().a, c.ledIndex);
        EXPECT_EQ(b.sim.state().ledPower[200], 5);

        ASSERT_EQ(SendPeltierOff(b.ctx, b.state), 1);
        EXPECT_NEAR(b.state.lastTemperature, c.reading, 0.01);
    }
}

TEST(StartupBands, GoingOfflineFallsBackToTheFirstBand)
{
    BandBench b;
    b.globals.applySerialNumber(60);
    b.state.analogController = false;
    // No instrument anywhere: every port is missing, and Enter in the input box.
    PortSearchContext search{b.ctx, b.state, b.folder.folder(), b.boxes, b.cameraBoxes, {}};
    b.prompts.inputs = {QString()};
    startLink(search);
    EXPECT_TRUE(b.state.offlineMode);
    EXPECT_EQ(b.globals.serialNumber, 0);
    EXPECT_EQ(b.globals.hardwareGeneration, 1);
    EXPECT_TRUE(b.state.analogController);
    EXPECT_EQ(b.globals.defaultGain, 10);
    EXPECT_EQ(b.globals.exposureUnit, 20);
}

} // namespace
