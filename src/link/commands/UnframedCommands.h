#pragma once

#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The instrument's short form of a command: letter, A and B, with no start
// byte and no check byte.
struct UnframedCommand {
    std::array<quint8, 3> bytes{};

    QByteArray toByteArray() const;
};

// None when A or B lies outside 0 to 255; then nothing is to be sent.
std::optional<UnframedCommand> makeUnframedCommand(char letter, int a, int b);

// The unframed operations of the main window and the advanced page; each
// works on the console of the window that calls it. None tests dummy mode.

// Reads the 96 bytes of a line of the flash bank of the camera in `txt_cam`
// and shows them. A camera outside 0 to 5 in the box is replaced by "0".
void ReadFlashLine(LinkContext& ctx, QString& txt_cam, int line);

// The camera's well rows ("C", camera, "Y": 378 bytes) and well columns
// ("C", camera, "X": 381 bytes) as received, shown as the camera and 16-bit
// values; empty when no port is open.
QByteArray ReadCameraWellRows(LinkContext& ctx, int camera);
QByteArray ReadCameraWellColumns(LinkContext& ctx, int camera);

// Raw senders, unanswered but for the camera select: 0 when the three bytes
// were written, -1 when no port is open, the value does not fit or the write
// failed.
int SendGainRaw(LinkContext& ctx, int gain);
int SendExposureRaw(LinkContext& ctx, int exposure);
int SendLedPowerRaw(LinkContext& ctx, int power);
int SendCameraSelectRaw(LinkContext& ctx, int camera);
