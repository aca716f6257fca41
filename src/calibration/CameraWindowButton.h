#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/commands/CameraCommands.h"
#include "link/protocol/LinkContext.h"

// The main window's ">>" button on the camera window: writes the line and
// pixel counts from the four window boxes and sends the window ("y", "Y",
// "x", "X"). All four values are checked first: a box that is not a whole
// number, lies outside 0 to 255, or a range that ends before it starts shows
// "error" and nothing is written or sent.
CameraSend sendCameraWindowBoxes(CameraBoxes& boxes, LinkContext& ctx);

// The "Default" button of either window (the main window's and the advanced
// page's cmd_default): the camera speed text "8" from hardware generation 2
// on, else "7", and the full default window X 0 to 142, Y 1 to 183. It sends
// nothing and leaves the line and pixel counts to the next send.
void applyDefaultCameraWindow(CameraBoxes& boxes, int hardwareGeneration);
