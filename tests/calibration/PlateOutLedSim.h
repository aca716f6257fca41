#pragma once

#include "calibration/LedCalibrationSteps.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/LedFiles.h"
#include "support/MainWindowFrames.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLedRectangles.h"
#include "support/SimulatedLink.h"

#include <array>

// Light per power step by LED (index modulo 9) for the LED calibrations.
inline constexpr std::array<int, 9> kLedLightSteps{15, 30, 89, 100, 170, 200, 5, 25, 64};

// A first-generation instrument with its plate out, each LED lighting its
// patch by kLedLightSteps, the LED layout and the simulator's own rectangles
// in ledxy.dat; the main window's way of taking frames.
class PlateOutLedSim : public SimulatedLinkTest<FakeClock, RecordingConsole>, protected MainWindowFrameRig {
protected:
    static constexpr int kSerial = 12;

    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(kSerial);
        globals.applySerialNumber(kSerial);
        sim.updateState([](InstrumentState& s) {
            s.frames.plate.wells.clear();
            for (int led = 0; led < kSimLedCount; ++led)
                s.ledLightPerStep[size_t(led)] = kLedLightSteps[size_t(led % 9)];
        });
        ASSERT_TRUE(WriteDefaultLedSetup1(folder.folder(), QStringLiteral("config")));
        ASSERT_TRUE(writeSimulatedLedXyFile(ledXyFilePath(folder.folder(), kSerial), 1));
    }

    MainWindowLedSteps steps() { return MainWindowLedSteps(ctx, folder.folder(), frames()); }

    LedTable leds;
};
