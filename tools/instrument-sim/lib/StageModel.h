#pragma once

#include <QByteArray>

#include <chrono>
#include <optional>

// How the stage controller drives the Peltier and reports: the digital one
// answers "T" in sixteenths of a degree, the analog one (the first hardware
// generation's) answers "t" with a raw sensor reading in 1280ths.
enum class StageController { Digital, Analog };

// Units numbered below this are of the first generation, with the analog controller.
inline constexpr int kFirstSecondGenerationSerial = 50;

// The Peltier stage, its fan and the blue light.
struct StageState {
    using Time = std::chrono::steady_clock::time_point;

    // Set: this controller whatever the unit's generation (stageController).
    std::optional<StageController> controller;
    double ambient = 22.0;      // degrees Celsius
    double temperature = 22.0;  // of the plate
    bool cooling = false;       // the Peltier's direction
    int drive = 0;              // drive level or power; 0 off
    int fanLevel = 0;
    int lightLevel = 0;         // blue light, 0 off
    std::optional<Time> updatedAt; // when the temperature was last brought up to date
};

// The stage's temperature follows its drive with this time constant.
inline constexpr double kStageTimeConstantS = 60.0;
// Full heating power holds the plate this far above ambient, full cooling this far below.
inline constexpr double kFullHeatRise = 45.0;
inline constexpr double kFullCoolDrop = 20.0;
inline constexpr int kFullHeatDrive = 230;
inline constexpr int kFullCoolDrive = 245;
// The analog sensor's factors: degrees = raw * slope + offset.
inline constexpr double kAnalogSensorOffset = -16.34;
inline constexpr double kAnalogSensorSlope = 1.732;

// The temperature the stage settles at with its present drive.
double stageEquilibrium(const StageState& stage);

// Moves the temperature toward the equilibrium as `seconds` pass.
void advanceStage(StageState& stage, double seconds);

// Brings the temperature up to `now` from the last update.
void advanceStageTo(StageState& stage, StageState::Time now);

// The controller a unit of this serial number answers with: the one set on
// the stage, else the one of its generation.
StageController stageController(const StageState& stage, int serialNumber);

// The temperature reply [letter, hi, lo] for the present temperature.
QByteArray stageReading(const StageState& stage, StageController controller);
