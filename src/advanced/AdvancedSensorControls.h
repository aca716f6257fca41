#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/LinkContext.h"

#include <QString>

// The camera sensor's register write, the reset sequence and the page's
// whole camera set-up.
namespace advanced {

inline constexpr int kMaxSensorRegister = 201;
inline constexpr int kResetBytes = 132;
inline constexpr int kResetBytePauseMs = 10;
inline constexpr int kAfterSetupStepMs = 100;

// The two frames of a register write: "c", register, value with the check of
// "c", then again with the check of "C".
CommandFrame sensorRegisterFrame(int reg, int value, bool secondPhase);

// How a register write ended.
enum class SensorWrite { Written, Refused, Cancelled, Mismatch, Failed };

// ">ov7670": after the confirmation, phase 1; when its reply repeats register
// and value, phase 2. Sends in dummy mode. Port closed, register above 201
// ("Invalid register number"), a value beyond a byte or a reply under three
// bytes ("error") and a reply that does not repeat them ("Error COM") are
// said in message boxes.
SensorWrite writeSensorRegister(LinkContext& ctx, const QString& txt_ov1, const QString& txt_ov2);

// "RESET": 132 bytes "Z", 10 ms apart, after a flush; nothing read, no test
// of the port or of dummy mode.
void sendResetSequence(LinkContext& ctx);

// "set": camera, gain, exposure, speed and window from the page's boxes, each
// as its own button sends it and followed by 100 ms. Nothing in dummy mode.
void setCameraFromBoxes(LinkContext& ctx, CameraBoxes& boxes);

} // namespace advanced
