#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/commands/CameraCommands.h"
#include "link/protocol/LinkContext.h"

#include <functional>
#include <optional>

// A camera window as its four boxes give it: lines xini to xfin, pixels yini
// to yfin.
struct CameraWindow {
    int xini = 0;
    int xfin = 0;
    int yini = 0;
    int yfin = 0;

    int lines() const { return xfin - xini + 1; }
    int pixels() const { return yfin - yini + 1; }
};

// The window in the boxes: each a 16-bit whole number (a fraction rounded,
// halves to even), 0 to 255, the first of each range not after its last.
// None when any box fails, so that nothing of a bad window is sent.
std::optional<CameraWindow> windowFromBoxes(const CameraBoxes& boxes);

// The two range senders of a window; each window has its own.
struct WindowRangeSenders {
    std::function<CameraSend(LinkContext&, int, int)> lines;  // "y", "Y"
    std::function<CameraSend(LinkContext&, int, int)> pixels; // "x", "X"
};

// What the window button does, with the window's own range senders: checks
// the four boxes ("error" and nothing sent or written when one fails), writes
// txt_lines and txt_pix, then, unless in dummy mode, flushes, pauses 1 ms and
// sends the lines and the pixels; with no port open it says so in a message box.
CameraSend sendWindowFromBoxes(CameraBoxes& boxes, LinkContext& ctx, const WindowRangeSenders& senders);

// The main window's window button, as ApplyCameraSettings and the calibration
// panel's ">>" run it.
CameraSend SendCameraWindow(CameraBoxes& boxes, LinkContext& ctx);
