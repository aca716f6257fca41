#pragma once

#include "advanced/AdvancedGridOverlay.h"
#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/protocol/LinkContext.h"
#include "picture/FramePicture.h"
#include "picture/PictureCanvas.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The raw command console: the text of txtprogram sent a byte a character,
// its reply shown as a byte table and, after "+", kept as a frame.

// The page parts the console reads and fills.
struct AdvancedConsolePage {
    const CameraBoxes& boxes; // txt_cam, the window, txt_lines, txt_pix and txtprogram
    const QString& txt_crc;
    PageFrameGeometry& geometry; // taken from the boxes at every transmission
    FrameImage& image;
    FramePicture& picture;
    PictureCanvas& Picact;
};

// The reply length a last character announces, before any reply byte came:
// "+" the window's (xfin - xini) * (yfin - yini) + 1, "0" none yet (the count
// comes first), any other (P + E) * N + 1.
std::optional<qint32> consoleExpectedLength(QChar mode, const PageFrameGeometry& geometry, const CameraBoxes& boxes);

enum class ConsoleOutcome {
    Refused,         // a box does not fit the frame buffer: said in the status line, nothing sent
    PortClosed,      // "COMPORT not opened. Click Connect" in a message box
    StoppedSending,  // the port closed, or the page, while the text went out
    Read,            // the reply (whatever came) is shown
};

struct ConsoleTransmit {
    ConsoleOutcome outcome = ConsoleOutcome::Refused;
    qint32 expected = 0;
    QByteArray reply;
};

// cmd_transmit_Click's work. `stopRequested` (the page closing) ends the
// sending and the reading at their next step.
ConsoleTransmit transmitConsoleText(LinkContext& ctx, const AdvancedConsolePage& page, const bool& stopRequested);
