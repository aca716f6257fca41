#pragma once

#include "link/protocol/CommandFrame.h"

#include <optional>

// The stage, its fan and the blue light all go through the letter "T"; argument
// A picks the sub-command, B carries its value.
enum class TemperatureSubCommand : quint8 {
    PeltierDirection = 0,   // B: 0 heat, 255 cool (analog controller)
    PeltierDrive = 1,       // B: drive level, 0 off
    FanLevel = 2,
    HeatPower = 3,          // digital controller
    CoolPower = 4,          // digital controller
    BlueLightLevel = 15,    // B: 0 off
    Sensor2Query = 240,
    TemperatureTarget = 255,
};

inline constexpr char kTemperatureLetter = 'T';
inline constexpr int kPeltierHeatDirection = 0;
inline constexpr int kPeltierCoolDirection = 255;
inline constexpr int kMaxHeatPower = 230;
inline constexpr int kMaxCoolPower = 245;

// The frame [0xFF, "T", sub-command, value, check]; none when the value does
// not fit a byte.
inline std::optional<CommandFrame> makeTemperatureCommand(TemperatureSubCommand sub, int value)
{
    return makeCommandFrame(kTemperatureLetter, static_cast<int>(sub), value);
}
