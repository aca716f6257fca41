#pragma once

#include "advanced/AdvancedFrameReaders.h"
#include "core/ProgramFolder.h"
#include "picture/PictureCanvas.h"

#include <QRandomGenerator>
#include <QString>

#include <functional>
#include <optional>

// The "Full_frame" button: one picture of the camera's window at full or half
// size, drawn on the page's picture, optionally crossed and saved, and in
// video mode repeated while the box stays ticked.

// The boxes ticked beside the button, read again for every frame.
struct FullFrameChoices {
    bool halfSize = false;  // chk_halfpixel
    bool cross = false;     // chk_cross
    bool exportBmp = false; // chk_exportbmp
};

// What was asked of the camera.
struct FullFrameSize {
    int camera = 0;
    int lines = 0;
    int pixels = 0;
    char mode = '+';
};

// The frame the boxes ask for: W = xfin - xini + 1 lines of H = yfin - yini + 1
// pixels, or Int(W / 2) + 1 of Int(H / 2) + 1 at half size. None, with the
// reason in `why`, when a box is no whole number or the frame does not fit
// the frame buffer.
std::optional<FullFrameSize> fullFrameSize(const CameraBoxes& boxes, bool halfSize, QString& why);

// The export name: bmp_exp\c<camera>_<yyyymmddhhmmss>.bmp, "b.bmp" after a
// frame that failed its check.
QString fullFrameExportPath(const ProgramFolder& folder, int camera, const QDateTime& when, bool badFrame);

struct FullFrameShot {
    bool taken = false;    // a frame was drawn (read, or made up in dummy mode)
    QString exportedFile;  // empty when nothing was saved
};

// One frame. The boxes txt_pix, txt_lines and txtprogram are written first;
// dummy mode makes up grey 0 to 100 from `random` and sends nothing. A frame
// that was not read (refused, port closed) is neither crossed nor saved.
FullFrameShot takeFullFrame(LinkContext& ctx, const AdvancedFramePage& page, PictureCanvas& Picact,
                            const ProgramFolder& folder, const FullFrameChoices& choices, QRandomGenerator& random);

// What the video loop reads and shows on the page.
struct FullFrameLoop {
    std::function<FullFrameChoices()> choices;
    std::function<bool()> videoTicked;                    // chk_video
    std::function<void(const QString&)> setCaption;       // Command_fullframe
    std::function<void()> frameShown;                     // the page redraws its boxes and picture
    const bool& stopRequested;                            // the page is closing
    std::function<void()> betweenFrames = {};             // after the pause's events, no frame under way
};

inline constexpr int kVideoPauseMs = 100;

// Command_fullframe_Click: one frame, then while video mode stays ticked
// 100 ms, "Video=ON", window events, and the next frame. A closing page ends
// it at once. The frames taken.
int runFullFrames(LinkContext& ctx, const AdvancedFramePage& page, PictureCanvas& Picact, const ProgramFolder& folder,
                  QRandomGenerator& random, const FullFrameLoop& loop);
