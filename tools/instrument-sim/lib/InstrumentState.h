#pragma once

#include "lib/CameraState.h"
#include "lib/FlashMemory.h"
#include "lib/LedPowers.h"
#include "lib/SimPixelMasks.h"
#include "lib/SimSensorSettings.h"
#include "lib/SimFrames.h"
#include "lib/StageModel.h"

inline constexpr int kDefaultSimSerialNumber = 12;
inline constexpr int kDefaultSimInstrumentId = 0x0102;

// Everything the simulated instrument remembers between commands.
struct InstrumentState {
    // The instrument's clock at the command being answered (SimTimeSource).
    StageState::Time now{};
    int serialNumber = kDefaultSimSerialNumber;
    int instrumentId = kDefaultSimInstrumentId; // answered to "I"
    StageState stage; // Peltier, fan and blue light (StageModel.h)
    FlashMemory flash;
    SimCameraState camera; // the selected camera and each camera's settings
    LedPowers ledPower{}; // what frames are lit with (LedLighting.h)
    // Grey levels one power step of each LED adds where it shines; a test may
    // give each LED its own, so the level a calibration picks is known.
    LedPowers ledLightPerStep = uniformLedValues(kSimDefaultLightPerPowerStep);
    SimFrameState frames; // the plate, line check bytes and frames taken (FrameHandler.cpp)
    SimPixelMasks pixelMasks; // the masks sent in blocks (PixelMaskHandlers.cpp)
    SimSensorSettings sensor; // LED frequency, sensor registers, reset bytes (SensorHandlers.cpp)
};
