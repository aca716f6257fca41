#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/LinkContext.h"
#include "link/protocol/SendSteps.h"

#include <QString>

#include <functional>

// How a camera command ended.
enum class [[nodiscard]] CameraSend {
    Accepted,   // the instrument echoed the command
    NoEcho,     // three sends without an accepted reply; the last one is shown
    Dummy,      // dummy mode: nothing sent or shown
    PortClosed, // refused with "COMPORT not opened. Click Connect"
    BadValue,   // a value outside its limits: nothing sent
};

// The main window's camera commands. Each writes its traffic into the
// window's console and message boxes of the context.

// The "cam" button: selects the camera in txt_cam ("0" to "5"; any other text
// selects none). Shows "sending [255,67,...]:" and the frame, writes it byte by
// byte 15 ms apart, and takes the one-byte reply when its decimal text begins
// with the text of txt_cam.
CameraSend sendCameraBox(const CameraBoxes& boxes, LinkContext& ctx);

// Gain and exposure, 0 to 32767, high byte first; echoes "G" and "E".
// A value outside the limits shows "error".
CameraSend SendGain(LinkContext& ctx, int gain);
CameraSend SendExposure(LinkContext& ctx, int exposure);

// Camera speed 0 to 255, echo "S". It has no port test of its own: with no
// port open every try reads "Empty".
CameraSend SendCameraSpeed(LinkContext& ctx, int speed);

// The "send" button beside txt_speed: the box's value made whole, halves to even.
CameraSend sendCameraSpeedBox(const CameraBoxes& boxes, LinkContext& ctx);

// The window's lines ("y" first, "Y" last) and pixels ("x" first, "X" last),
// each letter followed by 100 ms. No flush and no port test: the window
// button does both. A range outside 0 to 255, or ending before it starts,
// sends nothing, so the camera is never left half set.
CameraSend SendWindowYCommands(LinkContext& ctx, int first, int last);
CameraSend SendWindowXCommands(LinkContext& ctx, int first, int last);

// What the camera senders of every window share; the advanced page's own
// senders pass what they do differently.

// A word setting (gain, exposure) after the dummy and port guards and a flush,
// echoed by its letter.
CameraSend sendCameraWord(LinkContext& ctx, char letter, int value, WriteWay way = WriteWay::Whole);

// The camera speed after the dummy guard and a flush, with `shown` of its
// frame in txt_in before it goes out, every try's reply shown.
CameraSend sendSpeedCommand(LinkContext& ctx, int speed, WriteWay way,
                            const std::function<QString(const CommandFrame&)>& shown);

// Sends one letter of a window range with its value; true when its echo was accepted.
using WindowLetterSender = std::function<bool(LinkContext& ctx, char letter, int value)>;

// A window range after the dummy guard and the range check: the first letter
// with `first`, then the last with `last`, each followed by 100 ms.
CameraSend sendWindowRange(LinkContext& ctx, char firstLetter, char lastLetter, int first, int last,
                           const WindowLetterSender& sendLetter);
