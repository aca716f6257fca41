#pragma once

#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QString>

// A pixel-mask block on the wire: the three-byte header "F", the camera, the
// block's first line, then its 96 data bytes. Each write is answered with one byte.
inline constexpr int kMaskBlockDataBytes = 96;

struct MaskBlockAnswer {
    bool sent = false;
    // When not sent: what the communication box shows, "Empty/No response
    // Headline<line>" or "rcv(<line>):<answer>/Empty/No response flashline<line>".
    QString failure;
    QByteArray dataAnswer;
};

// One block's exchange: header, its answer, the data, its answer, then the
// flush and the instrument's time to store it. The answers show in the
// communication box as "rcv(<line>):<header answer>/<data answer>". Run it
// inside the transfer's ExchangeScope.
MaskBlockAnswer sendMaskBlock(LinkContext& ctx, int camera, int firstLine, const QByteArray& data);
