#pragma once

#include "link/protocol/CommandFrame.h"
#include "link/protocol/LinkContext.h"

#include <QString>

struct Globals;

// The status text of a guarded sender when no port is open.
inline const QString kPortNotOpenText = QStringLiteral("COMPORT not opened. Click Connect");
// The status line once the port in use was lost (instrument unplugged or switched off).
inline const QString kPortLostText = QStringLiteral("Port lost. COMPORT closed");

// How a frame goes on the wire; the bytes are the same each way.
enum class WriteWay {
    Whole,      // one write of the five bytes
    ByteByByte, // five one-byte writes, each followed by a pause
    Array,      // one write of the five bytes as a byte array
};

// The dummy guard: true while the instrument is simulated, when a guarded
// sender sends and shows nothing.
bool isDummyMode(const Globals& globals);

// The port guard: false, with the refusal in the window's status line, when
// no port is open or another exchange holds the link.
bool requirePortOpen(LinkContext& ctx);

// Empties both directions of the port, then pauses 1 ms: whatever is left of
// an earlier exchange cannot be taken for the start of this one's reply.
void flushBeforeSend(LinkContext& ctx);

void writeFrame(LinkContext& ctx, const CommandFrame& frame, WriteWay way, int bytePauseMs = 1);

// "sending " followed by the frame's five characters.
QString sendingText(const CommandFrame& frame);
