#pragma once

#include "link/protocol/LinkContext.h"

#include <QtGlobal>

// What the serial-number command "N" gave on a port.
struct SerialNumberQuery {
    // The second reply byte times 256 plus the third, in 32 bits; -1 when
    // nothing came, when the reply was too short to decode, and in dummy mode.
    qint32 value = -1;
};

// Sends "N" (A = 0, B = 0) on `port` and reads its number reply, showing the
// frame ("sending " ...) and then the reply ("in:" ... or "Empty") in txt_in.
// A reply that cannot be decoded shows no message box: the search meets such
// ports while it scans, and merely passes them. In dummy mode nothing is sent
// or shown and the value is -1.
SerialNumberQuery QuerySerialNumber(LinkContext& ctx, int port);

// A serial number the search accepts as the instrument's: 0 to 255.
bool isInstrumentSerialNumber(const SerialNumberQuery& query);
