#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/commands/CameraCommands.h"
#include "link/protocol/LinkContext.h"

// The advanced page's own camera senders. They work on the page's boxes,
// console and prompts (the context of the page) and put each frame on the
// wire as one five-byte array.

// Camera speed 0 to 255: shows "sending S;0;" and the speed, echo "S", every
// try's reply shown. No port test of its own.
CameraSend SendCameraSpeedLogged(LinkContext& ctx, int speed);

// Exposure 0 to 32767, echo "E", with the page's port test.
CameraSend SendExposureChecked(LinkContext& ctx, int exposure);

// The window's lines: "y" then "Y", each after its own flush and 1 ms, shown
// as "sending y;0;" and the value. An empty read is followed by 10 ms, and each
// of the three passes of a letter ends with 10 ms more, also a pass that sends
// nothing after an accepted echo. 100 ms after each letter.
CameraSend SendWindowYCommandsAdvanced(LinkContext& ctx, int first, int last);

// The window's pixels: "x" then "X", each after its own flush and 1 ms, shown
// as "sending x;0;" and "sending X0;" with the value. An empty read is
// followed by 10 ms for "x", by 1 ms for "X". 100 ms after each letter.
CameraSend SendWindowXCommandsAdvanced(LinkContext& ctx, int first, int last);

// The page's buttons.
namespace advanced {

// The gain's reply waits 20 empty polls for its first byte, 10 after each byte.
inline constexpr int kGainFirstCountdown = 20;

// The gain "send": gain 0 to 65535 as its high and low byte in a five-byte
// array, up to three sends until the echo begins with "G" or "g". Nothing in
// dummy mode; a closed port is refused in the status line, a gain beyond the
// word shows "error".
CameraSend sendGainBox(LinkContext& ctx, const QString& txt_gain);

// "send" beside txt_speed: the box's value made whole, halves to even.
CameraSend sendSpeedBox(const CameraBoxes& boxes, LinkContext& ctx);

// "send" beside txt_exposure: the box's value made whole, halves to even.
CameraSend sendExposureBox(const CameraBoxes& boxes, LinkContext& ctx);

// ">>": as the main window's window button, through the page's own senders.
CameraSend sendWindowBoxes(CameraBoxes& boxes, LinkContext& ctx);

} // namespace advanced
