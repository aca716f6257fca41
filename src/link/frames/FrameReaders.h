#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/frames/FrameTransfer.h"
#include "link/frames/FrameView.h"
#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QString>

// How a window's general frame reader differs from the main window's.
struct FrameReaderStyle {
    // The per-line check bytes box (#CRC); none: E is 0.
    const QString* lineCheckBytesBox = nullptr;
    // The stop flag that keeps a read frame from being drawn; none: nothing stops it.
    const bool* abortRequested = nullptr;
    // Black before reading and red after unless length and check hold; else
    // the label keeps its colour.
    bool colourByCheck = false;
    // Every read is drawn, "A" frames too, with no draw flag or stop flag.
    bool drawEveryRead = false;
};

// A window's side of a general frame read: the boxes it takes its camera and
// geometry from, its frame buffer and its frame picture.
struct FrameWindow {
    CameraBoxes& boxes;
    FrameImage& image;
    FrameView& view;
    FrameReaderStyle style;
};

// The main window: E = 0, drawn on request unless a stop was asked for, the
// label's colour left as it is.
FrameWindow mainWindowFrames(CameraBoxes& boxes, FrameImage& image, FrameView& view, const bool& abortRequested);

// The advanced page: E from txt_crc, every read drawn, the label red for a bad frame.
FrameWindow advancedPageFrames(CameraBoxes& boxes, FrameImage& image, FrameView& view, const QString& txt_crc);

inline constexpr int kDrawFrame = -1;

// How a general read ended.
enum class [[nodiscard]] FrameReadOutcome {
    Read,          // the reply (whatever came) was shown and placed
    BadSetup,      // the camera or geometry does not fit the buffer: said in the status line, nothing sent
    PortClosed,    // "COMPORT not opened. Click Connect" in the status line, nothing sent
    ClosedSending, // the port was closed while the request was written: nothing read
    LinkBusy,      // another exchange holds the link: said in the status line, nothing sent
};

struct FrameRead {
    FrameReadOutcome outcome = FrameReadOutcome::Read;
    FrameReceipt receipt;
    bool drawn = false;
};

// ReadCameraFrame: sends the request (its mode is its next-to-last byte),
// reads what the mode announces, shows "Reading..." and then the summary in
// lbl_lenrx and the dump in txt_in, places the reply in plane txt_cam of the
// window's buffer and draws it as the window's style says (drawFlag -1 asks
// for it on the main window). A bad frame is shown as such and placed all the same.
FrameRead ReadCameraFrame(LinkContext& ctx, FrameWindow& window, const QByteArray& request, int drawFlag);
