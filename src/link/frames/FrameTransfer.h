#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The steps every frame reader shares: the request, the geometry it is read
// with, the receive loop, the check and the received-length summary.

// Frame modes, byte B of a frame request.
inline constexpr char kFrameModeFull = '+';       // every line, every pixel
inline constexpr char kFrameModeEveryFifth = 'A'; // every fifth line and pixel
inline constexpr char kFrameModeHalf = '-';       // half size; the caller halves the counts
inline constexpr char kFrameModeCounted = '0';    // two-byte count, then that many bytes

// FrameRequestCommand: "C", camera, mode. None when the camera is no byte.
std::optional<CommandFrame> makeFrameRequest(int camera, char mode);

// The frame buffer holds lines 1 to 192 and pixels 0 to 192.
inline constexpr int kMaxFrameLines = 192;
inline constexpr int kMaxFramePixels = 193;
inline constexpr int kMaxFrameCamera = 6;
inline constexpr int kMaxLineCheckBytes = 32767;

// A frame's lines L, pixels per line P and per-line check bytes E.
struct FrameGeometry {
    int lines = 0;
    int pixels = 0;
    int lineCheckBytes = 0;
};

// A frame read's camera and geometry as the boxes give them, each the box's
// leading number made whole. E comes from the #CRC box where the window has
// one, else it is 0.
struct FrameSetup {
    int camera = 0;
    FrameGeometry geometry;
};
FrameSetup frameSetupFromBoxes(const CameraBoxes& boxes, const QString* txt_crc = nullptr);
FrameSetup frameSetupForCamera(const CameraBoxes& boxes, int camera);

// Why a frame cannot be read with this set-up, for the status line; none when
// it fits the frame buffer and the camera is 0 to lastCamera.
std::optional<QString> frameSetupRefusal(const FrameSetup& setup, int lastCamera = kMaxFrameCamera);

// The reply length a mode announces: "A" (Int(P/5) + 2 + E) * Int(L/5) + 3,
// any other (P + E) * L + 1.
qint32 expectedFrameLength(char mode, const FrameGeometry& geometry);

// Flushes, pauses 1 ms, then writes the request one byte per write, 1 ms
// apart, letting window events run around every byte. False, with nothing
// more written, as soon as the port was closed meanwhile.
bool sendFrameRequest(LinkContext& ctx, const QByteArray& request);

// What came back, with FrameCheck's parts.
struct FrameReceipt {
    QByteArray bytes;
    qint32 expected = 0;
    int calc = 0;  // exclusive-or of every byte but the last
    int last = -1; // the last byte; -1 when nothing came

    bool complete() const { return bytes.size() == expected; }
    bool checkHolds() const { return calc == last; }
    // FrameCheck: the right length and the right check byte.
    bool good() const { return complete() && checkHolds(); }
};

// Reads up to `expected` bytes in reads of at most 32: ten empty reads 1 ms
// apart may pass before the first byte, the first empty read after data ends it.
FrameReceipt receiveFrame(LinkContext& ctx, qint32 expected);

// "LEN(Rx) = " received "/" expected " CRC: calc=" x "(byteinput=" last ")".
QString lenRxSummary(const FrameReceipt& receipt);
