#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameCut.h"
#include "link/protocol/LinkContext.h"

#include <QByteArray>

// What a run reader hands back: a frame that passed FrameCheck (or its cut),
// "Error" when both tries failed, or nothing (no reply, dummy mode, no port).
struct FrameText {
    enum class [[nodiscard]] Outcome { Frame, Error, Empty };
    Outcome outcome = Outcome::Empty;
    QByteArray bytes; // the frame or its cut

    static FrameText frame(QByteArray b) { return {Outcome::Frame, std::move(b)}; }
    static FrameText error() { return {Outcome::Error, {}}; }
    static FrameText empty() { return {}; }

    // The reader's text: the bytes, "Error", or empty.
    QByteArray text() const { return outcome == Outcome::Error ? QByteArrayLiteral("Error") : bytes; }
    bool failedSample() const { return outcome != Outcome::Frame; }
};

// The acquisition run's readers. Each asks `camera` for its full window ("+")
// with the geometry of txt_lines and txt_pix, at most twice: a second time
// only after a short reply or a bad check byte, never after silence. Each
// try's summary goes into lbl_lenrx, black when the check byte holds, red when
// not. Dummy mode returns nothing at once; with no port open a message box
// says "COMPORT not opened. Click Connect"; a camera outside 0 to 5 or a
// geometry outside the frame buffer is refused in the status line with
// "Error" and nothing sent.

// The whole reply, check byte included.
FrameText ReadCameraFrameRaw(LinkContext& ctx, const CameraBoxes& boxes, int camera);

// Only the bytes inside the camera's wells for the window the layout
// describes; "Error" also when the layout does not fit the reply.
FrameText ReadCameraFrameCut(LinkContext& ctx, const CameraBoxes& boxes, const FrameCutLayout& layout, int camera);
